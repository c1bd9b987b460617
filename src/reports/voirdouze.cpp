#include "reports/voirdouze.h"

#include "data/handover.h"
#include "data/routines.h"
#include "data/workingcontext.h"
#include "reports/yearfile.h"
#include "ui/printer.h"
#include "ui/reportgrid.h"
#include "ui/screennames.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"
#include "ui/yearquestion.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tirelou::reports {
namespace {

constexpr ui::Caption kCaption{u"Voir l'année", u"To see the year"};
constexpr ui::Caption kTitle{u" Tirelou Familial ", u" Domestic Tirelou "};
constexpr ui::Caption kChoicePrompt{u"E = En Cours / A = Archives", u"E = In progress / A = Archives"};
constexpr ui::Caption kYearPrompt{u"Année de L'Archive", u"Année de L'Archive"};
constexpr ui::Caption kButtons[] = {
    {u"Quitter", u"To leave"}, {u"Total", u"Total"},       {u"Rubriques", u"Categories"},
    {u"Suite", u"Following"},  {u"Imprimer", u"To print"}, {u"Imprimer", u"To print"},
};

enum Button { Leave = 1, Totals, Categories, Following, PrintCategory, PrintTotals };

ui::InputField* MakeField(QWidget* parent, const QString& name) {
    auto* f = ui::Named<ui::InputField>(parent, name);
    f->setMaxLength(12);
    f->setFixedWidth(140);
    f->setAlignment(Qt::AlignCenter);
    return f;
}

} // namespace

VoirDouze::VoirDouze(const ui::ScreenEnv& env) : ScreenBase(env) {
    QLabel* title = makeLabel(QStringLiteral("Label1"), QStringLiteral("title"));
    keepCaptioned(title, kTitle);
    title->setAlignment(Qt::AlignCenter);
    heading_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("heading"));
    heading_->setAlignment(Qt::AlignCenter);
    prompt_ = makeLabel(QStringLiteral("Label3"), QStringLiteral("prompt"));
    prompt_->setAlignment(Qt::AlignCenter);
    text1_ = MakeField(this, QStringLiteral("Text1"));
    text2_ = MakeField(this, QStringLiteral("Text2"));
    list1_ = ui::Named<ui::CategoryListBox>(this, QStringLiteral("List1"));
    list2_ = ui::Named<ui::CategoryListBox>(this, QStringLiteral("List2"));
    grid_ = ui::Named<ui::Grid>(this, QStringLiteral("MSFlexGrid1"));
    grid_->setDesignedColumnWidths({4900, 3000, 1500, 2000});

    body()->addWidget(title);
    body()->addWidget(heading_);
    body()->addStretch(1);
    body()->addWidget(prompt_, 0, Qt::AlignHCenter);
    body()->addWidget(text1_, 0, Qt::AlignHCenter);
    body()->addWidget(text2_, 0, Qt::AlignHCenter);
    body()->addWidget(list1_, 4, Qt::AlignHCenter);
    body()->addWidget(list2_, 4, Qt::AlignHCenter);
    body()->addWidget(grid_, 20);
    body()->addStretch(1);

    question_ = new ui::YearQuestion(prompt_, text1_, text2_, this);
    connect(question_, &ui::YearQuestion::answered, this, &VoirDouze::onYearAnswered);
    connect(list1_, &ui::ListBox::itemChosen, this, [this](int row) { onCategoryChosen(list1_, row); });
    connect(list2_, &ui::ListBox::itemChosen, this, [this](int row) { onCategoryChosen(list2_, row); });
    setCaption(kCaption);
    connect(makeToolbar(kButtons), &ui::Toolbar::buttonClicked, this, &VoirDouze::onToolbar);
}

void VoirDouze::load() {
    start();
    applyScale();
}

void VoirDouze::start() {
    readLanguage();
    question_->setTexts({text(kChoicePrompt), text(kYearPrompt)});
    heading_->clear();
    heading_->hide();
    list1_->hide();
    list2_->hide();
    grid_->hide();
    for (int b = Totals; b <= PrintTotals; ++b)
        toolbar()->setButtonEnabled(b, b == Following);
    question_->ask(QStringLiteral("E"), ctx().clock.today().toString(QStringLiteral("yyyy")));
}

void VoirDouze::onYearAnswered(bool archive, const QString& year) {
    archive_ = archive;
    categoryIndex_ = 0;
    bool chosen = false;
    if (archive) {
        YearOpen opened = YearOpen::Missing;
        if (!guarded([&] {
                handYearOver(0);
                opened = OpenYear(ctx(), true, year);
            }))
            return start();
        if (opened == YearOpen::Missing) {
            message(MissingYearMessage(ctx(), true, year), QStringLiteral("TIRELOU"), ui::MessageIcon::Stop);
            return start();
        }
        chosen = true;
    } else {
        chosen = guarded([this] {
            const QString today = ctx().clock.today().toString(QStringLiteral("yyyy"));
            ReopenCurrentYear(ctx());
            ctx().yearText = CurrentYearText(ctx());
            WriteHandOver(ctx(), handover::Encour, {mode::Encour, today, ctx().yearText});
        });
    }
    if (!chosen)
        return start();
    for (int b = Totals; b <= PrintTotals; ++b)
        toolbar()->setButtonEnabled(b, true);
    toolbar()->setFocus();
}

void VoirDouze::handYearOver(int categoryIndex) {
    // The year chosen stays in the working context; the views read it back from here.
    const QString year = archive_ ? question_->year() : CurrentYearText(ctx());
    WriteYearHandOver(ctx(), handover::Lire,
                      {archive_ ? mode::Archive : mode::Encour, static_cast<double>(categoryIndex), year});
}

void VoirDouze::onToolbar(int index) {
    switch (index) {
    case Leave:
        leave();
        break;
    case Totals:
        showTotals();
        break;
    case Categories:
        showCategories();
        break;
    case Following:
        start();
        break;
    case PrintCategory:
        printCategory();
        break;
    case PrintTotals:
        printTotals();
        break;
    default:
        break;
    }
}

void VoirDouze::show(const Report& report) {
    shown_ = report;
    list1_->hide();
    list2_->hide();
    heading_->setText(report.heading);
    grid_->setAccessibleName(report.heading);
    heading_->show();
    ui::FillReportGrid(*grid_, report);
    grid_->show();
    grid_->setFocus();
}

void VoirDouze::showTotals() {
    YearLoad loaded;
    if (!guarded([&] {
            handYearOver(0);
            loaded = LoadYearTotals(ctx());
        }))
        return;
    if (loaded.opened == YearOpen::Missing)
        return message(MissingYearMessage(ctx(), archive_, question_->year()), QStringLiteral("TIRELOU"),
                       ui::MessageIcon::Stop);
    show(loaded.report);
}

void VoirDouze::showCategories() {
    YearOpen opened = YearOpen::Missing;
    if (!guarded([&] {
            handYearOver(categoryIndex_);
            opened = OpenHandedYear(ctx(), ReadYearHandOver(ctx(), handover::Lire));
            if (opened == YearOpen::Opened)
                LoadCategories(ctx());
        }))
        return;
    if (opened == YearOpen::Missing)
        return message(MissingYearMessage(ctx(), archive_, question_->year()), QStringLiteral("TIRELOU"),
                       ui::MessageIcon::Stop);
    grid_->hide();
    heading_->hide();
    ui::CategoryListBox* list = archive_ ? list2_ : list1_;
    (archive_ ? list1_ : list2_)->hide();
    list->fill(ctx());
    list->show();
    list->setCurrentRow(0);
    list->setFocus();
}

void VoirDouze::onCategoryChosen(ui::CategoryListBox* list, int row) {
    const int index = list->categoryIndex(row);
    if (index < 0)
        return;
    categoryIndex_ = index;
    ctx().chosenItem = ctx().categoryList.value(index);
    list->hide();
    YearLoad loaded;
    if (!guarded([&] {
            handYearOver(index);
            loaded = LoadYearCategory(ctx(), index);
        }))
        return;
    if (loaded.opened == YearOpen::Missing)
        return message(MissingYearMessage(ctx(), archive_, question_->year()), QStringLiteral("TIRELOU"),
                       ui::MessageIcon::Stop);
    show(loaded.report);
}

void VoirDouze::printCategory() {
    YearLoad loaded;
    if (!guarded([&] {
            handYearOver(categoryIndex_);
            loaded = LoadYearCategory(ctx(), categoryIndex_);
        }))
        return;
    if (loaded.opened == YearOpen::Opened)
        print(loaded.report);
}

void VoirDouze::printTotals() {
    YearLoad loaded;
    if (!guarded([&] {
            handYearOver(0);
            loaded = LoadYearTotals(ctx());
        }))
        return;
    if (loaded.opened == YearOpen::Opened)
        print(loaded.report);
}

void VoirDouze::print(const Report& report) {
    const ui::PrintResult printed = ui::Print(
        PrintReport(report, YearPaper(french()), french() ? QStringLiteral("Annee") : QStringLiteral("Year")),
        ctx());
    if (const QString outcome = ui::PrintOutcomeText(printed, french()); !outcome.isEmpty())
        message(outcome, text(kCaption), printed.ok ? ui::MessageIcon::Information : ui::MessageIcon::Stop);
}

void VoirDouze::leave() {
    // Whatever year was looked at, the menu goes on with the current file.
    guarded([this] { ReopenCurrentYear(ctx()); });
    open(screen::MenuTirelou);
}

} // namespace tirelou::reports
