#include "month/enregisun.h"

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
#include <QLabel>

namespace tirelou::month {
namespace {

constexpr ui::Caption kCaption{u"Enregistre Paiement", u"Record Payment"};
constexpr ui::Caption kTitle{u"Tirelou Familial", u"Domestic Tirelou"};
constexpr std::array<ui::Caption, 4> kHeadings{{
    {u"Libelle", u"Drawn"},
    {u"Numéro ou Carte", u"Number or Map"},
    {u"Montant", u"Going up"},
    {u"Date", u"Date"},
}};
constexpr ui::Caption kPromptLabel{u"Libellé", u"Drawn"};
constexpr ui::Caption kPromptNumber{u"NUMERO OU CARTE", u"NUMBER OR MAP"};
constexpr ui::Caption kPromptAmount{u"MONTANT", u"GOING UP"};
constexpr ui::Caption kPromptDate{u"DATE", u"DATE"};
constexpr ui::Caption kButtons[] = {
    {u"Validez", u"Validate"}, {u"Refaire", u"To redo"}, ui::ToolbarSeparator,
    {u"Quitter", u"To leave"}, ui::ToolbarSeparator,
};

enum Button { Validate = 1, Redo = 2, Unused3 = 3, Leave = 4, Unused5 = 5 };

const QString Euro = QStringLiteral(" €");

} // namespace

EnregisUn::EnregisUn(const ui::ScreenEnv& env) : ScreenBase(env) {
    QLabel* title = makeTitle(kTitle);
    lines_ = makeAccountLine(QStringLiteral("Label2"), QStringLiteral("Label3"));
    category_ = makeLabel(QStringLiteral("Label4"), QStringLiteral("heading"));
    prompt_ = makeLabel(QStringLiteral("Label5"), QStringLiteral("prompt"));
    list1_ = ui::Named<ui::CategoryListBox>(this, QStringLiteral("List1"));

    QFont chosen = category_->font();
    chosen.setPointSizeF(chosen.pointSizeF() * 1.3);
    category_->setFont(chosen);
    category_->setAlignment(Qt::AlignCenter);

    auto* entry = new QGridLayout;
    entry->setHorizontalSpacing(8);
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        headings_[k] = makeLabel(QStringLiteral("Heading%1").arg(i), QStringLiteral("heading"));
        echoes_[k] = makeLabel(QStringLiteral("Echo%1").arg(i), QStringLiteral("echo"));
        echoes_[k]->setMinimumHeight(echoes_[k]->fontMetrics().height() + 8);
        entry->addWidget(headings_[k], 0, i);
        entry->addWidget(echoes_[k], 1, i);
    }
    entry->setColumnStretch(0, 4); // the label is the long one
    entry->setColumnStretch(1, 2);
    entry->setColumnStretch(2, 2);
    entry->setColumnStretch(3, 2);
    echoes_[2]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* typing = new QHBoxLayout;
    typing->addWidget(prompt_);
    for (int i = 0; i < 4; ++i) {
        auto* field = new ui::InputField(this);
        field->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        field->setAccessibleName(field->objectName());
        inputs_[static_cast<std::size_t>(i)] = field;
        typing->addWidget(field, 1);
    }
    connect(inputs_[0], &ui::InputField::entered, this, &EnregisUn::onLabel);
    connect(inputs_[1], &ui::InputField::entered, this, &EnregisUn::onNumber);
    connect(inputs_[2], &ui::InputField::entered, this, &EnregisUn::onAmount);
    connect(inputs_[3], &ui::InputField::entered, this, &EnregisUn::onDate);
    connect(list1_, &ui::ListBox::itemChosen, this, &EnregisUn::onCategoryChosen);

    body()->addWidget(title);
    body()->addWidget(lines_);
    body()->addSpacing(6);
    body()->addWidget(list1_, 1, Qt::AlignHCenter);
    body()->addWidget(category_);
    body()->addSpacing(6);
    body()->addLayout(entry);
    body()->addSpacing(10);
    body()->addLayout(typing);
    body()->addStretch(0);

    setCaption(kCaption);
    connect(makeToolbar(kButtons), &ui::Toolbar::buttonClicked, this, &EnregisUn::onToolbar);
}

void EnregisUn::load() {
    reset();
    applyScale();
}

void EnregisUn::reset() {
    readLanguage();
    for (std::size_t i = 0; i < 4; ++i)
        headings_[i]->setText(text(kHeadings[i]));
    ui::Toolbar* bar = toolbar();
    for (int b : {Validate, Redo, Unused3, Unused5})
        bar->setButtonVisible(b, false);
    bar->setButtonVisible(Leave, true);

    for (std::size_t i = 0; i < 4; ++i) {
        inputs_[i]->clear();
        inputs_[i]->hide();
        echoes_[i]->clear();
        echoes_[i]->hide();
        headings_[i]->hide();
    }
    prompt_->hide();
    category_->hide();

    list1_->clear();
    guarded([this] {
        WorkingContext& c = ctx();
        LoadCategories(c);
        MonthTableName(c, c.currentMonth);
        LoadMonth(c, c.monthTable);
    });
    lines_->account()->setText(text(ui::AccountCaption) + ctx().accountNumber);
    showBalance(ctx().month.remainderText);
    list1_->fill(ctx());
    list1_->show();
    list1_->setFocus();
}

void EnregisUn::showBalance(const QString& remainderText) {
    lines_->balance()->setText(FormatAmount(AmountValue(remainderText)) + Euro);
}

void EnregisUn::onCategoryChosen(int row) {
    const int index = list1_->categoryIndex(row);
    if (index < 0)
        return;
    if (!guarded([&] { WriteChosenCategory(ctx(), ctx().categoryList[index], index); }))
        return;
    list1_->hide();
    startTyping();
}

QString EnregisUn::chosenCategory() const {
    const ChosenCategory c = ReadChosenCategory(ctx());
    const QStringList& list = ctx().categoryList;
    return c.index >= 0 && c.index < list.size() && !list[c.index].isEmpty() ? list[c.index] : c.name;
}

void EnregisUn::startTyping() {
    for (std::size_t i = 0; i < 4; ++i) {
        headings_[i]->show();
        echoes_[i]->show();
    }
    category_->setText(chosenCategory());
    category_->show();
    prompt_->setText(text(kPromptLabel));
    prompt_->show();
    showOnly(inputs_[0]);
}

void EnregisUn::showOnly(ui::InputField* field) {
    for (ui::InputField* f : inputs_)
        f->setVisible(f == field);
    if (field)
        field->setFocus();
}

bool EnregisUn::leftEmpty(const ui::InputField* field) {
    if (!field->text().trimmed().isEmpty())
        return false;
    open(screen::MoisEnCours);
    return true;
}

void EnregisUn::onLabel() {
    if (leftEmpty(inputs_[0]))
        return;
    echoes_[0]->setText(inputs_[0]->text().trimmed().toUpper());
    prompt_->setText(text(kPromptNumber));
    showOnly(inputs_[1]);
}

void EnregisUn::onNumber() {
    if (leftEmpty(inputs_[1]))
        return;
    echoes_[1]->setText(inputs_[1]->text().trimmed().toUpper());
    prompt_->setText(text(kPromptAmount));
    showOnly(inputs_[2]);
}

void EnregisUn::onAmount() {
    if (leftEmpty(inputs_[2]))
        return;
    inputs_[2]->setText(StoredAmountText(inputs_[2]->text()));
    echoes_[2]->setText(FormatAmount(AmountValue(inputs_[2]->text())) + Euro);
    inputs_[3]->setText(TodayField(ctx()));
    prompt_->setText(text(kPromptDate));
    showOnly(inputs_[3]);
}

void EnregisUn::onDate() {
    if (leftEmpty(inputs_[3]))
        return;
    echoes_[3]->setText(inputs_[3]->text().trimmed());
    showOnly(nullptr);
    prompt_->hide();
    toolbar()->setButtonVisible(Validate, true);
    toolbar()->setButtonVisible(Redo, true);
    toolbar()->focusButton(Validate);
}

void EnregisUn::onToolbar(int index) {
    switch (index) {
    case Validate:
        save();
        break;
    case Redo:
        // The fields keep what was typed, to be corrected one after the other; the echoes
        // fill again as each is confirmed.
        for (QLabel* echo : echoes_)
            echo->clear();
        toolbar()->setButtonVisible(Validate, false);
        toolbar()->setButtonVisible(Redo, false);
        startTyping();
        break;
    case Leave:
        open(screen::MoisEnCours);
        break;
    default:
        break;
    }
}

void EnregisUn::save() {
    const PaymentInput in{chosenCategory(), inputs_[0]->text(), inputs_[1]->text(), inputs_[2]->text(),
                          inputs_[3]->text()};
    BookResult result;
    if (!guarded([&] { result = RecordPayment(ctx(), in); }))
        return;
    showBalance(result.remainderText);
    prompt_->clear();
    reset();
}

} // namespace tirelou::month
