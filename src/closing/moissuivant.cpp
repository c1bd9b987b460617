#include "closing/moissuivant.h"

#include "data/schema.h"
#include "data/workingcontext.h"
#include "ui/printer.h"
#include "ui/screennames.h"
#include "ui/widgets.h"

#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tirelou {
namespace {

constexpr ui::Caption kCaption{u"Mois Suivant", u"Following month"};
constexpr ui::Caption kBanner{u" TIRELOU FAMILIAL ", u" DOMESTIC TIRELOU "};
constexpr ui::Caption kSorting{u"PATIENTEZ JE TRIE", u"EXERCISE PATIENCE I SORT OUT"};
constexpr ui::Caption kSortingArchives{u"PATIENTEZ JE TRIE VOS ARCHIVES",
                                       u"EXERCISE PATIENCE I SORT OUT YOUR ARCHIVES"};
constexpr ui::Caption kButtons[] = {{u"Quitter", u"To leave"}, {u"Imprimer", u"To print"}};
constexpr ui::Caption kDiskTitle{u"Archive", u"Archive"};
constexpr ui::Caption kInsertDisk{u"Inserez La disquette de sauvegarde dans ",
                                  u"Insert The back-up disk in "};
constexpr ui::Caption kNothingChanged{u"RIEN N'A ÉTÉ MODIFIÉ", u"NOTHING WAS CHANGED"};
constexpr ui::Caption kMonthUnknown{
    u"Le mois en cours de ce compte est illisible : rien n'a été modifié.",
    u"The current month of this account cannot be read: nothing was changed."};
constexpr ui::Caption kTooEarly{
    u"L'année %1 n'est pas terminée : son mois de décembre pourra être clôturé à partir du 1er janvier %2.\n"
    u"Rien n'a été modifié.",
    u"The year %1 is not over: its December can be closed from January 1st, %2 on.\nNothing was changed."};
constexpr ui::Caption kFileExists{
    u"Le fichier %1 de l'année %2 existe déjà : le changement d'année ne peut pas se faire sans l'écraser.\n"
    u"Rien n'a été modifié.",
    u"The file %1 of the year %2 already exists: the change of year cannot be made without overwriting it.\n"
    u"Nothing was changed."};
constexpr ui::Caption kLogInAgain{u"L'année a été changée : reconnectez-vous pour continuer.",
                                  u"The year was changed: log in again to go on."};
constexpr ui::Caption kPrintedToPdf{
    u"Aucune imprimante n'est installée : la liste est enregistrée dans le fichier\n",
    u"No printer is installed: the list was saved in the file\n"};
constexpr ui::Caption kPrintFailed{u"L'impression n'a pas pu se faire :\n",
                                   u"The printing could not be done:\n"};

enum Button { Quit = 1, Print = 2 };

} // namespace

MoisSuivant::MoisSuivant(const ui::ScreenEnv& env) : ScreenBase(env) {
    label1_ = makeLabel(QStringLiteral("Label1"), QStringLiteral("title"));
    label2_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("prompt"));
    label2_->setAlignment(Qt::AlignCenter);
    grid_ = ui::Named<ui::Grid>(this, QStringLiteral("MSFlexGrid1"));
    grid_->setColumnCount(2);
    grid_->setDesignedColumnWidths({6000, 2000});
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->hide();
    body()->addWidget(label1_);
    body()->addWidget(label2_);
    body()->addWidget(grid_, 1, Qt::AlignHCenter);
    // While the grid is hidden the lines keep their height and the space stays below.
    label1_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    label2_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    body()->addStretch(0);
    keepCaptioned(label1_, kBanner);
    setCaption(kCaption);
    connect(makeToolbar(kButtons), &ui::Toolbar::buttonClicked, this, &MoisSuivant::onToolbar);
}

void MoisSuivant::load() {
    readLanguage();
    label2_->setText(text(kSorting));
    toolbar()->setButtonEnabled(Quit, false);
    toolbar()->setButtonEnabled(Print, false);
    applyScale();
    fitGridWidth();
    run();
    toolbar()->setButtonEnabled(Quit, true);
    toolbar()->setButtonEnabled(Print, done_);
}

// The grid is as wide as its two columns, centred under the banner.
void MoisSuivant::fitGridWidth() {
    const int columns = grid_->columnWidth(0) + grid_->columnWidth(1);
    grid_->setFixedWidth(columns + 2 * grid_->frameWidth() + grid_->verticalScrollBar()->sizeHint().width());
}

void MoisSuivant::run() {
    RolloverResult result;
    if (!guarded([&] { result = RollOver(ctx()); })) {
        label2_->setText(text(kNothingChanged));
        return;
    }
    if (!result.changed()) {
        refused(result);
        return;
    }
    result_ = std::move(result);
    done_ = true;
    if (result_.yearChanged)
        showArchiveNotice();
    showCarried();
    if (result_.outcome == RolloverResult::Outcome::NotReopened)
        message(text(kLogInAgain), text(kCaption), ui::MessageIcon::Information);
}

void MoisSuivant::refused(const RolloverResult& result) {
    label2_->setText(text(kNothingChanged));
    const int closingYear = YearOfFile(ctx().accountFile);
    QString why;
    switch (result.outcome) {
    case RolloverResult::Outcome::MonthUnknown:
        why = text(kMonthUnknown);
        break;
    case RolloverResult::Outcome::TooEarly:
        why = text(kTooEarly).arg(closingYear).arg(closingYear + 1);
        break;
    case RolloverResult::Outcome::NewFileExists:
        why = text(kFileExists).arg(result.newFile).arg(result.newYear);
        break;
    case RolloverResult::Outcome::Done:
    case RolloverResult::Outcome::NotReopened:
        return;
    }
    message(why, text(kCaption), ui::MessageIcon::Stop);
}

void MoisSuivant::showArchiveNotice() {
    label2_->setText(text(kSortingArchives));
    const QString drive = RemovableDiskDrive(ctx().backupPath);
    if (!drive.isEmpty())
        message(text(kInsertDisk) + drive, text(kDiskTitle));
}

void MoisSuivant::showCarried() {
    grid_->hide();
    grid_->clearAll();
    const GridLines lines = CarriedItemsGrid(result_.carry, result_.newMonthTable, french());
    for (const auto& [label, amount] : lines) {
        const int row = grid_->addRow();
        grid_->setText(row, 0, label);
        grid_->setText(row, 1, amount);
        grid_->setAlignment(row, 1, Qt::AlignRight);
        // The month and the section titles, in the grid's font: it follows the window
        // scaling, an item's own font does not.
        if (amount.isEmpty()) {
            QFont bold = grid_->font();
            bold.setBold(true);
            grid_->item(row, 0)->setFont(bold);
        }
    }
    grid_->show();
}

void MoisSuivant::onToolbar(int index) {
    switch (index) {
    case Quit:
        open(screen::MotDePasse);
        return;
    case Print:
        print();
        return;
    default:
        return;
    }
}

void MoisSuivant::print() {
    const PrintDocument doc = CarriedItemsPrintout(result_.carry, french());
    const ui::PrintResult printed = ui::Print(doc, ctx());
    if (!printed.ok)
        message(text(kPrintFailed) + printed.error, text(kCaption), ui::MessageIcon::Stop);
    else if (!printed.pdfPath.isEmpty())
        message(text(kPrintedToPdf) + printed.pdfPath, text(kCaption), ui::MessageIcon::Information);
}

} // namespace tirelou
