#include "month/enregisun.h"

#include "data/handover.h"
#include "data/numbers.h"
#include "data/routines.h"
#include "data/workingcontext.h"
#include "month/payments.h"
#include "ui/screennames.h"
#include "ui/widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace tirelou::month {
namespace {

constexpr ui::Caption kCaption{u"Enregistre Paiement", u"Record Payment"};
constexpr ui::Caption kTitle{u"Tirelou Familial", u"Domestic Tirelou"};
constexpr ui::Caption kAccount{u"Compte     ", u"Account     "};
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
constexpr ui::Caption kValidate{u"Validez", u"Validate"};
constexpr ui::Caption kRedo{u"Refaire", u"To redo"};
constexpr ui::Caption kLeave{u"Quitter", u"To leave"};

enum Button { Validate = 1, Redo = 2, Unused3 = 3, Leave = 4, Unused5 = 5 };

const QString Euro = QStringLiteral(" €");

} // namespace

EnregisUn::EnregisUn(const ui::ScreenEnv& env) : ScreenBase(env) {
    title_ = makeLabel(QStringLiteral("Label1"), QStringLiteral("title"));
    account_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("line"));
    balance_ = makeLabel(QStringLiteral("Label3"), QStringLiteral("line"));
    category_ = makeLabel(QStringLiteral("Label4"), QStringLiteral("heading"));
    prompt_ = makeLabel(QStringLiteral("Label5"), QStringLiteral("prompt"));
    list1_ = ui::Named<ui::ListBox>(this, QStringLiteral("List1"));

    QFont chosen = category_->font();
    chosen.setPointSizeF(chosen.pointSizeF() * 1.3);
    category_->setFont(chosen);
    category_->setAlignment(Qt::AlignCenter);

    auto* lines = new QHBoxLayout;
    lines->addWidget(account_);
    lines->addStretch(1);
    lines->addWidget(balance_);

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

    body()->addWidget(title_);
    body()->addLayout(lines);
    body()->addSpacing(6);
    body()->addWidget(list1_, 1, Qt::AlignHCenter);
    body()->addWidget(category_);
    body()->addSpacing(6);
    body()->addLayout(entry);
    body()->addSpacing(10);
    body()->addLayout(typing);
    body()->addStretch(0);

    ui::Toolbar* bar = toolbar();
    bar->addButton(text(kValidate));
    bar->addButton(text(kRedo));
    bar->addSeparator();
    bar->addButton(text(kLeave));
    bar->addSeparator();
    connect(bar, &ui::Toolbar::buttonClicked, this, &EnregisUn::onToolbar);
}

void EnregisUn::load() {
    setFrameCaption(QStringLiteral("TIRELOU"));
    reset();
    applyScale();
}

void EnregisUn::reset() {
    readLanguage();
    setCaption(text(kCaption));
    title_->setText(text(kTitle));
    for (std::size_t i = 0; i < 4; ++i)
        headings_[i]->setText(text(kHeadings[i]));
    ui::Toolbar* bar = toolbar();
    bar->setCaption(Validate, text(kValidate));
    bar->setCaption(Redo, text(kRedo));
    bar->setCaption(Leave, text(kLeave));
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
    listCategory_.clear();
    guarded([this] {
        WorkingContext& c = ctx();
        LoadCategories(c);
        MonthTableName(c, c.currentMonth);
        LoadMonth(c, c.monthTable);
    });
    const WorkingContext& c = ctx();
    account_->setText(text(kAccount) + c.accountNumber);
    showBalance(c.month.remainderText);
    for (int i = 0; i < c.categoryList.size(); ++i) {
        if (c.categoryList[i].trimmed().isEmpty())
            continue; // the empty slot after the last category
        list1_->addItem(c.categoryList[i]);
        listCategory_ << i;
    }
    list1_->show();
    list1_->setFocus();
}

void EnregisUn::showBalance(const QString& remainderText) {
    balance_->setText(FormatAmount(AmountValue(remainderText)) + Euro);
}

void EnregisUn::onCategoryChosen(int row) {
    if (row < 0 || row >= listCategory_.size())
        return;
    const int index = listCategory_[row];
    const auto mark = [&] {
        WriteHandOver(ctx(), handover::Lire, {ctx().categoryList[index], static_cast<double>(index)});
    };
    if (!guarded(mark))
        return;
    list1_->hide();
    startTyping();
}

QString EnregisUn::chosenCategory() const {
    // Read line by line: a category holding a comma comes back whole.
    HandOverReader reader(ctx(), handover::Lire);
    const QString name = reader.line();
    const int index = static_cast<int>(NumberValue(reader.line()));
    const QStringList& list = ctx().categoryList;
    return index >= 0 && index < list.size() && !list[index].isEmpty() ? list[index] : name;
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
