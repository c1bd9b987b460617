#include "month/modifcheque.h"

#include "data/handover.h"
#include "data/numbers.h"
#include "data/routines.h"
#include "data/workingcontext.h"
#include "month/payments.h"
#include "ui/screennames.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>

namespace tirelou::month {
namespace {

constexpr ui::Caption kCaption{u"Modif Paiement", u"To modify Payment"};
constexpr ui::Caption kColLabel{u"Intitulé", u"Titled"};
constexpr ui::Caption kColPosition{u"N°", u"N°"};
constexpr ui::Caption kColAmount{u"Montant", u"Going up"};
constexpr ui::Caption kAskChoice{u"Modification Effacement Fin >>----------->",
                                 u"M=Modification E=Erasing F=end >>----------->"};
constexpr ui::Caption kChoices{u"M / E / F", u"M / E / F"};
constexpr ui::Caption kAskLabel{u"ENREGISTREMENT DE PAIEMENT", u"REGISTRATION OF PAYMENT"};
constexpr ui::Caption kAskAmount{u"MONTANT DU REGLEMENT", u"BRINGING UP THE REGULATION"};
constexpr ui::Caption kAskNumber{u"NUMERO CHEQUE OU CARTE", u"NUMBER CHECK OR MAP"};
constexpr ui::Caption kAskDate{u"DATE (JJ/MM/AAAA)", u"DATE (JJ/MM/AAAA)"};
constexpr ui::Caption kButtons[] = {
    {u"ENREGISTRE", u"RECORD"}, {u"REPRENDRE", u"To TAKE"}, {u"QUITTER", u"To LEAVE"}};

enum Button { Record = 1, TakeAgain = 2, Leave = 3 };
enum Input { Choice, Label, Amount, Number, Date };
enum Column { LabelColumn, PositionColumn, AmountColumn };

QString Formatted(double amount) {
    return FormatAmount(amount) + QStringLiteral(" € ");
}

} // namespace

ModifCheque::ModifCheque(const ui::ScreenEnv& env) : ScreenBase(env) {
    QLabel* title = makeTitle(ui::TitleCaption);
    category_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("heading"));
    lines_ = makeAccountLine(QStringLiteral("Label3"), QStringLiteral("Label4"));
    prompt_ = makeLabel(QStringLiteral("Label5"), QStringLiteral("prompt"));
    value_ = makeLabel(QStringLiteral("Label6"), QStringLiteral("echo"));
    list1_ = ui::Named<ui::CategoryListBox>(this, QStringLiteral("List1"));
    grid1_ = ui::Named<ui::Grid>(this, QStringLiteral("Grid1"));
    grid1_->setDesignedColumnWidths({5200, 700, 2600});
    grid1_->horizontalHeader()->setSectionResizeMode(LabelColumn, QHeaderView::Stretch);

    QFont chosen = category_->font();
    chosen.setPointSizeF(chosen.pointSizeF() * 1.3);
    category_->setFont(chosen);
    category_->setAlignment(Qt::AlignCenter);

    // The question, the field that answers it, and the value the payment holds now.
    auto* typing = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        auto* field = new ui::InputField(this);
        field->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        field->setAccessibleName(field->objectName());
        inputs_[static_cast<std::size_t>(i)] = field;
        typing->addWidget(field, i == Choice ? 0 : 1);
    }
    inputs_[Choice]->setMaximumWidth(
        inputs_[Choice]->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMM")));
    typing->addStretch(0);
    auto* question = new QGridLayout;
    question->setHorizontalSpacing(8);
    question->setVerticalSpacing(8);
    question->addWidget(prompt_, 0, 0);
    question->addLayout(typing, 0, 1);
    question->addWidget(value_, 1, 1);
    question->setColumnStretch(1, 1);
    connect(inputs_[Choice], &ui::InputField::entered, this, &ModifCheque::onChoice);
    connect(inputs_[Label], &ui::InputField::entered, this, &ModifCheque::onLabel);
    connect(inputs_[Amount], &ui::InputField::entered, this, &ModifCheque::onAmount);
    connect(inputs_[Number], &ui::InputField::entered, this, &ModifCheque::onNumber);
    connect(inputs_[Date], &ui::InputField::entered, this, &ModifCheque::onDate);
    connect(list1_, &ui::ListBox::itemChosen, this, &ModifCheque::onCategoryChosen);
    connect(grid1_, &QTableWidget::cellClicked, this, &ModifCheque::onGridClicked);

    body()->addWidget(title);
    body()->addWidget(lines_);
    body()->addWidget(category_);
    body()->addWidget(list1_, 1, Qt::AlignHCenter);
    body()->addWidget(grid1_, 1);
    body()->addSpacing(6);
    body()->addLayout(question);
    body()->addStretch(0);

    setCaption(kCaption);
    connect(makeToolbar(kButtons), &ui::Toolbar::buttonClicked, this, &ModifCheque::onToolbar);
}

void ModifCheque::load() {
    reset();
    applyScale();
}

void ModifCheque::reset() {
    readLanguage();
    ui::Toolbar* bar = toolbar();
    bar->setButtonVisible(Record, false);
    bar->setButtonVisible(TakeAgain, false);

    list1_->clear();
    guarded([this] { LoadCategories(ctx()); });
    list1_->fill(ctx());
    list1_->show();
    list1_->setFocus();

    grid1_->hide();
    for (ui::InputField* f : inputs_) {
        f->clear();
        f->hide();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{prompt_, value_, lines_, category_})
        w->hide();
}

void ModifCheque::onCategoryChosen(int row) {
    const int index = list1_->categoryIndex(row);
    if (index < 0)
        return;
    if (!guarded([&] { WriteChosenCategory(ctx(), ctx().categoryList[index], index); }))
        return;
    list1_->hide();
    fillGrid();
}

ModifCheque::Payment ModifCheque::payment() const {
    HandOverReader reader(ctx(), handover::Modif);
    Payment p;
    p.category = reader.line();
    p.number = reader.line();
    p.date = reader.line();
    p.label = reader.line();
    p.amount = reader.line();
    return p;
}

void ModifCheque::showAccount() {
    guarded([this] {
        MonthTableName(ctx(), ctx().currentMonth);
        LoadMonth(ctx(), ctx().monthTable);
    });
    lines_->setTexts(text(ui::AccountCaption) + ctx().accountNumber,
                     FormatAmount(AmountValue(ctx().month.remainderText)) + QStringLiteral("  € "));
    lines_->show();
}

void ModifCheque::fillGrid() {
    const ChosenCategory c = ReadChosenCategory(ctx());
    QList<CategoryRow> rows;
    if (!guarded([&] { rows = CategoryRows(ctx(), c.name); }))
        return;
    showAccount();

    grid1_->clearAll();
    grid1_->setColumnCount(3);
    grid1_->setText(0, LabelColumn, text(kColLabel));
    grid1_->setText(0, PositionColumn, text(kColPosition));
    grid1_->setText(0, AmountColumn, text(kColAmount));
    grid1_->setAlignment(0, AmountColumn, Qt::AlignRight);
    int shown = 0;
    for (const CategoryRow& r : rows) {
        if (!IsPaymentKind(r.kind))
            continue;
        const int line = grid1_->addRow();
        grid1_->setText(line, LabelColumn, r.label);
        grid1_->setText(line, PositionColumn, QString::number(r.position));
        grid1_->setAlignment(line, PositionColumn, Qt::AlignCenter);
        grid1_->setText(line, AmountColumn, Formatted(AmountValue(PaymentAmountText(r.price))));
        grid1_->setAlignment(line, AmountColumn, Qt::AlignRight);
        ++shown;
    }
    category_->setText(c.name);
    category_->show();
    if (shown == 0) {
        reset();
        return;
    }
    grid1_->show();
    grid1_->setFocus();
}

void ModifCheque::onGridClicked(int row, int column) {
    Q_UNUSED(column);
    bool isNumber = false;
    const int position = grid1_->text(row, PositionColumn).trimmed().toInt(&isNumber);
    if (row < 1 || !isNumber) // the heading
        return;
    const int index = position - 1;
    const ChosenCategory c = ReadChosenCategory(ctx());
    if (!guarded([&] { WriteChosenCategory(ctx(), c.name, c.index, index); }))
        return;
    grid1_->hide();

    QList<CategoryRow> rows;
    if (!guarded([&] { rows = CategoryRows(ctx(), c.name); }))
        return;
    if (index < 0 || index >= rows.size()) { // the month changed under the grid
        reset();
        return;
    }
    const CategoryRow& r = rows[index];
    showAccount();
    if (!guarded([&] {
            WriteHandOver(ctx(), handover::Modif,
                          {c.name, r.number, r.date, r.label, PaymentAmountText(r.price)});
        })) {
        reset(); // no payment can be answered for without its description
        return;
    }
    inputs_[Choice]->setText(QStringLiteral("M"));
    ask(text(kAskChoice), text(kChoices), inputs_[Choice]);
    inputs_[Choice]->selectAll();
}

void ModifCheque::ask(const QString& prompt, const QString& value, ui::InputField* field) {
    prompt_->setText(prompt);
    value_->setText(value);
    prompt_->show();
    value_->show();
    for (ui::InputField* f : inputs_)
        f->setVisible(f == field);
    field->setFocus();
}

void ModifCheque::onChoice() {
    inputs_[Choice]->hide();
    const QString answer = inputs_[Choice]->text().trimmed().left(1).toUpper();
    if (answer == QLatin1String("F")) {
        reset();
    } else if (answer == QLatin1String("M")) {
        const Payment p = payment();
        inputs_[Label]->setText(p.label);
        ask(text(kAskLabel), p.label, inputs_[Label]);
    } else if (answer == QLatin1String("E")) {
        erase();
    }
    // Any other answer leaves only the way out.
}

void ModifCheque::onLabel() {
    const Payment p = payment();
    inputs_[Amount]->setText(p.amount);
    ask(text(kAskAmount), p.amount, inputs_[Amount]);
}

void ModifCheque::onAmount() {
    const Payment p = payment();
    inputs_[Number]->setText(p.number);
    ask(text(kAskNumber), p.number, inputs_[Number]);
}

void ModifCheque::onNumber() {
    const Payment p = payment();
    inputs_[Date]->setText(p.date);
    ask(text(kAskDate), p.date, inputs_[Date]);
}

void ModifCheque::onDate() {
    inputs_[Date]->hide();
    value_->setText(inputs_[Date]->text());
    toolbar()->setButtonVisible(Record, true);
    toolbar()->setButtonVisible(TakeAgain, true);
    toolbar()->focusButton(Record);
}

void ModifCheque::onToolbar(int index) {
    switch (index) {
    case Record:
        save();
        break;
    case TakeAgain:
        toolbar()->setButtonVisible(Record, false);
        toolbar()->setButtonVisible(TakeAgain, false);
        for (ui::InputField* f : inputs_)
            f->hide();
        prompt_->hide();
        value_->hide();
        fillGrid();
        break;
    case Leave:
        open(screen::MoisEnCours);
        break;
    default:
        break;
    }
}

void ModifCheque::save() {
    const Payment p = payment();
    const PaymentChange change{p.category,
                               p.label,
                               inputs_[Label]->text(),
                               inputs_[Amount]->text(),
                               inputs_[Number]->text(),
                               inputs_[Date]->text()};
    // A zero amount or an empty number saves nothing; the core function refuses them.
    if (guarded([&] { ModifyPayment(ctx(), change); }))
        reset();
}

void ModifCheque::erase() {
    const Payment p = payment();
    if (guarded([&] { ErasePayment(ctx(), p.category, p.label, p.amount); }))
        reset();
}

} // namespace tirelou::month
