#include "month/banqueun.h"

#include "data/numbers.h"
#include "data/routines.h"
#include "data/workingcontext.h"
#include "month/payments.h"
#include "ui/screennames.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"

#include <QGridLayout>
#include <QLabel>

namespace tirelou::month {
namespace {

constexpr ui::Caption kCaption{u"Entree / Sortie", u"Entered / Exit"};
constexpr ui::Caption kPromptLabel{u"INTITULE", u"TITLED"};
constexpr ui::Caption kPromptAmount{u"MONTANT", u"GOING UP"};
constexpr ui::Caption kButtons[] = {
    {u"Enregistrez", u"Record"}, {u"Refaire", u"To redo"}, {u"Quiter", u"End"}};

enum Button { Record = 1, Redo = 2, Leave = 3 };

} // namespace

BanqueUn::BanqueUn(const ui::ScreenEnv& env) : ScreenBase(env) {
    QLabel* title = makeTitle(ui::TitleCaption);
    lines_ = makeAccountLine(QStringLiteral("Label2"), QStringLiteral("Label3"));
    prompt_ = makeLabel(QStringLiteral("Label4"), QStringLiteral("prompt"));
    labelEcho_ = makeLabel(QStringLiteral("Echo0"), QStringLiteral("echo"));
    amountEcho_ = makeLabel(QStringLiteral("Echo1"), QStringLiteral("echo"));
    text1_ = ui::Named<ui::InputField>(this, QStringLiteral("Text1"));
    text2_ = ui::Named<ui::InputField>(this, QStringLiteral("Text2"));
    amountEcho_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // The typing and its echoes stand in a block of reading width in the middle.
    auto* block = new QWidget(this);
    block->setFixedWidth(640);
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(12);
    grid->addWidget(prompt_, 0, 0);
    grid->addWidget(text1_, 0, 1, 1, 2);
    grid->addWidget(text2_, 0, 1, 1, 2);
    grid->addWidget(labelEcho_, 1, 0, 1, 2);
    grid->addWidget(amountEcho_, 1, 2);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);

    body()->addWidget(title);
    body()->addWidget(lines_);
    body()->addStretch(1);
    body()->addWidget(block, 0, Qt::AlignHCenter);
    body()->addStretch(3);

    setCaption(kCaption);
    connect(makeToolbar(kButtons), &ui::Toolbar::buttonClicked, this, &BanqueUn::onToolbar);
    connect(text1_, &ui::InputField::entered, this, &BanqueUn::onLabel);
    connect(text2_, &ui::InputField::entered, this, &BanqueUn::onAmount);
}

void BanqueUn::load() {
    reset();
    applyScale();
}

void BanqueUn::reset() {
    readLanguage();
    ui::Toolbar* bar = toolbar();
    bar->setButtonVisible(Record, false);
    bar->setButtonVisible(Redo, false);
    bar->setButtonVisible(Leave, true);
    labelEcho_->hide();
    amountEcho_->hide();

    // The balance shown is the stored one, whichever screen came before.
    guarded([this] {
        MonthTableName(ctx(), ctx().currentMonth);
        LoadMonth(ctx(), ctx().monthTable);
    });
    showLines(QStringLiteral(" €"));
    prompt_->setText(text(kPromptLabel));
    prompt_->show();
    text1_->setText(DefaultDepositLabel(french()));
    text1_->show();
    text1_->setFocus();
    text1_->selectAll();
    text2_->clear();
    text2_->hide();
}

void BanqueUn::showLines(const QString& euro) {
    lines_->setTexts(text(ui::AccountCaption) + ctx().accountNumber,
                     FormatAmount(AmountValue(ctx().month.remainderText)) + euro);
}

void BanqueUn::onLabel() {
    text1_->hide();
    prompt_->setText(text(kPromptAmount));
    text2_->show();
    text2_->setFocus();
}

void BanqueUn::onAmount() {
    text2_->hide();
    if (text2_->text().trimmed().isEmpty()) {
        open(screen::MoisEnCours);
        return;
    }
    const QString amount = StoredAmountText(text2_->text());
    text2_->setText(amount);
    labelEcho_->setText(text1_->text().trimmed().toUpper());
    amountEcho_->setText(FormatNumber(AmountValue(amount), u"### ### ### ##00.00") + QStringLiteral("  €"));
    labelEcho_->show();
    amountEcho_->show();
    prompt_->hide();
    showLines(QStringLiteral("  €"));
    ui::Toolbar* bar = toolbar();
    bar->setButtonVisible(Record, true);
    bar->setButtonVisible(Redo, true);
    bar->setButtonVisible(Leave, false);
    bar->focusButton(Record);
}

void BanqueUn::onToolbar(int index) {
    switch (index) {
    case Record:
        save();
        break;
    case Redo:
        reset();
        break;
    case Leave:
        open(screen::MoisEnCours);
        break;
    default:
        break;
    }
}

void BanqueUn::save() {
    if (guarded([this] { RecordDeposit(ctx(), text1_->text(), text2_->text()); }))
        reset();
}

} // namespace tirelou::month
