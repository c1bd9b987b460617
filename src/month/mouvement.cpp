#include "month/mouvement.h"

#include "data/handover.h"
#include "data/routines.h"
#include "data/workingcontext.h"
#include "month/transfer.h"
#include "ui/screennames.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace tirelou::month {
namespace {

constexpr ui::Caption kCaption{u"Transfert Paiement", u"Transfer Payment"};
constexpr ui::Caption kInstruction{u"Choisir la Rubrique de Départ", u"To choose the Category of Departure"};
constexpr ui::Caption kDeparture{u"Rubrique de Départ ", u"Category of Departure "};
constexpr ui::Caption kEmpty{u" RUBRIQUE VIDE", u" EMPTY CATEGORY"};
constexpr ui::Caption kColLabel{u"Intitulé", u"Titled"};
constexpr ui::Caption kColPosition{u"N°", u"N°"};
constexpr ui::Caption kColNumber{u"N° Cheque", u"N° Check"};
constexpr ui::Caption kColAmount{u"Montant", u"Going up"};
constexpr ui::Caption kButtons[] = {{u"QUITTER", u"To LEAVE"}, {u"RETOUR", u"RETURN"}};

enum Button { Leave = 1, Return = 2 };
enum Column { LabelColumn, PositionColumn, NumberColumn, AmountColumn };

} // namespace

Mouvement::Mouvement(const ui::ScreenEnv& env) : ScreenBase(env) {
    QLabel* title = makeTitle(ui::TitleCaption);
    instruction_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("heading"));
    category_ = makeLabel(QStringLiteral("Label3"), QStringLiteral("heading"));
    for (QLabel* l : {title, instruction_, category_})
        l->setAlignment(Qt::AlignCenter);
    keepCaptioned(instruction_, kInstruction);
    list1_ = ui::Named<ui::CategoryListBox>(this, QStringLiteral("List1"));
    grid1_ = ui::Named<ui::Grid>(this, QStringLiteral("Grid1"));
    grid1_->setDesignedColumnWidths({4200, 700, 2000, 2400});
    grid1_->horizontalHeader()->setSectionResizeMode(LabelColumn, QHeaderView::Stretch);

    connect(list1_, &ui::ListBox::itemChosen, this, &Mouvement::onCategoryChosen);
    connect(grid1_, &QTableWidget::cellClicked, this, [this](int row, int) { onEntryChosen(row); });
    // Enter on the current line chooses it, for those who work with the keyboard.
    connect(grid1_, &QTableWidget::cellActivated, this, [this](int row, int) { onEntryChosen(row); });

    body()->addWidget(title);
    body()->addWidget(instruction_);
    body()->addWidget(category_);
    body()->addSpacing(6);
    body()->addWidget(list1_, 1, Qt::AlignHCenter);
    body()->addWidget(grid1_, 1);
    body()->addStretch(0);

    setCaption(kCaption);
    connect(makeToolbar(kButtons), &ui::Toolbar::buttonClicked, this, &Mouvement::onToolbar);
}

void Mouvement::load() {
    reset();
    applyScale();
}

void Mouvement::reset() {
    readLanguage();
    toolbar()->setButtonVisible(Return, false);
    grid1_->hide();
    category_->clear();
    category_->hide();
    instruction_->show();

    list1_->clear();
    guarded([this] { LoadCategories(ctx()); });
    list1_->fill(ctx(), /*upperCase=*/true);
    list1_->show();
    list1_->setFocus();
    if (list1_->count() > 0)
        list1_->setCurrentRow(0); // the arrows start from the first name
}

void Mouvement::onCategoryChosen(int row) {
    if (row < 0 || row >= list1_->count())
        return;
    const QString name = list1_->itemText(row);
    if (!guarded([&] { WriteHandOver(ctx(), handover::Lire, {name}); }))
        return;
    list1_->hide();
    fillGrid();
}

void Mouvement::fillGrid() {
    const QString name = HandOverReader(ctx(), handover::Lire).line();
    QList<MoveLine> lines;
    int rows = 0;
    if (!guarded([&] { lines = CategoryEntries(ctx(), name, &rows); })) {
        reset();
        return;
    }

    grid1_->clearAll();
    grid1_->setColumnCount(4);
    grid1_->setText(0, LabelColumn, text(kColLabel));
    grid1_->setText(0, PositionColumn, text(kColPosition));
    grid1_->setText(0, NumberColumn, text(kColNumber));
    grid1_->setText(0, AmountColumn, text(kColAmount));
    grid1_->setAlignment(0, AmountColumn, Qt::AlignRight);
    for (const MoveLine& m : lines) {
        const int line = grid1_->addRow();
        grid1_->setText(line, LabelColumn, m.label);
        grid1_->setText(line, PositionColumn, QString::number(m.position));
        grid1_->setAlignment(line, PositionColumn, Qt::AlignCenter);
        grid1_->setText(line, NumberColumn, m.number);
        grid1_->setText(line, AmountColumn, m.amount);
        grid1_->setAlignment(line, AmountColumn, Qt::AlignRight);
    }
    // A category without a row says so; RETOUR leads back to the list.
    category_->setText(text(kDeparture) + name + (rows == 0 ? text(kEmpty) : QString()));
    category_->show();
    toolbar()->setButtonVisible(Return, true);
    grid1_->show();
    if (!lines.isEmpty())
        grid1_->setCurrentCell(1, LabelColumn);
    grid1_->setFocus();
}

void Mouvement::onEntryChosen(int row) {
    if (leaving_ || row < 1) // row 0 is the heading
        return;
    const QString label = grid1_->text(row, LabelColumn);
    if (label.trimmed().isEmpty())
        return;
    const QString name = HandOverReader(ctx(), handover::Lire).line();
    if (!guarded([&] { WriteHandOver(ctx(), handover::Lire, {name, label}); }))
        return;
    leaving_ = true;
    open(screen::Transfert);
}

void Mouvement::onToolbar(int index) {
    if (index == Leave)
        open(screen::MoisEnCours);
    else if (index == Return)
        reset();
}

} // namespace tirelou::month
