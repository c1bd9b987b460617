#include "schedule/reserve.h"

#include "data/handover.h"
#include "data/numbers.h"
#include "data/routines.h"
#include "data/workingcontext.h"
#include "schedule/scheduleui.h"
#include "ui/screennames.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

namespace tirelou::schedule {
namespace {

// ---- View
constexpr ui::Caption kViewWindow{u"Reserve", u"Reserve"};
constexpr ui::Caption kViewHeading{u"VOIR RESERVE", u"To SEE RESERVE"};
constexpr ui::Caption kViewButtons[2] = {
    {u"CREER RESERVE", u"To CREATE RESERVE"},
    {u"RETOUR", u"RETURN"},
};
constexpr ui::Caption kBank{u"Reste en Banque ", u"Remain in Bank "};
constexpr ui::Caption kKindCell{u"Prélèvement", u"Taking"};
constexpr ui::Caption kTotal{u"Total des Réserves", u"Total of Reserves"};

// ---- Entry
constexpr ui::Caption kEntryWindow{u"Creer une Reserve", u"To create a Reserve"};
constexpr ui::Caption kEntryHeading{u"CREATION DE RESERVE", u"CREATION OF RESERVE"};
constexpr ui::Caption kKindLine{u"Réserve", u"Reserve"};
constexpr ui::Caption kPrompt0{u"Reserve ", u"Reserve "};
constexpr ui::Caption kAmountPrompt{u"Montant de la reserve", u"Bringing up the reserve"};
constexpr ui::Caption kMonthsPrompt{u"Nombre de Mois ", u"Number of Month "};
constexpr ui::Caption kDatePrompt{u"Date (jj/mm/yyyy) ", u"Date (mm/dd/yyyy) "};
constexpr ui::Caption kToCash{u"Reste à Encaisser ", u"Remain to Cash "};
constexpr ui::Caption kToReserve{u"Reste à Réserver ", u"Remain to Reserve "};
constexpr ui::Caption kDateDone{u"Date (jj/mm/yyyy)  ", u"Date (jj/mm/yyyy)  "};
constexpr ui::Caption kEntryButtons[3] = {
    {u"Enregistrer", u"To record"},
    {u"Reprendre", u"To take"},
    {u"Quitter", u"To leave"},
};
enum FormRow { RowAmount, RowMonths, RowDate };

QString MonthsField(std::optional<double> months) {
    return months ? TrimmedNumberText(*months) : QString();
}

} // namespace

// ---- Reserve

Reserve::Reserve(const ui::ScreenEnv& env) : ScreenBase(env) {
    QLabel* title = makeTitle(ui::TitleCaption);
    QLabel* heading = makeLabel(QStringLiteral("Label2"), QStringLiteral("heading"));
    heading->setAlignment(Qt::AlignCenter);
    keepCaptioned(heading, kViewHeading);
    ui::AccountLine* lines = makeAccountLine(QStringLiteral("Label3"), QStringLiteral("Label4"));
    account_ = lines->account();
    bank_ = lines->balance();
    grid_ = MakeGrid(this, {3400, 2400, 2900, 2300}, 0);
    body()->addWidget(title);
    body()->addWidget(heading);
    body()->addWidget(lines);
    body()->addWidget(grid_);
    body()->addStretch(1);
    setCaption(kViewWindow);
    connect(makeToolbar(kViewButtons), &ui::Toolbar::buttonClicked, this, &Reserve::onToolbar);
}

void Reserve::load() {
    readLanguage();
    MonthTableName(ctx(), ctx().currentMonth);
    account_->setText(text(kListAccount) + ctx().accountNumber);

    StoredReserve r;
    guarded([&] { r = ReadReserve(ctx()); });
    if (r.present) {
        bank_->setText(text(kBank) + RemainderDisplay(r.remainderText));
        FillScheduleGrid(grid_, french(), ctx().monthTable,
                         {ListLine{QStringLiteral("Reserve"), text(kKindCell), EuroAmount(r.monthly),
                                   MonthsCell(r.monthsLeft)}},
                         text(kTotal), EuroAmount(r.reserved));
    }
    bank_->setVisible(r.present);
    grid_->setVisible(r.present);
    applyScale();
}

void Reserve::onToolbar(int index) {
    if (index == 1)
        open(screen::EnregisReserve);
    else if (index == 2)
        open(screen::MoisEnCours);
}

// ---- EnregisReserve

EnregisReserve::EnregisReserve(const ui::ScreenEnv& env) : ScreenBase(env) {
    QLabel* title = makeTitle(ui::TitleCaption);
    QLabel* heading = makeLabel(QStringLiteral("Label2"), QStringLiteral("heading"));
    heading->setAlignment(Qt::AlignCenter);
    keepCaptioned(heading, kEntryHeading);
    account_ = makeLabel(QStringLiteral("Label3"), QStringLiteral("line"));
    kind_ = makeLabel(QStringLiteral("Label4"), QStringLiteral("line"));
    kind_->setAlignment(Qt::AlignCenter);
    remainder_ = makeLabel(QStringLiteral("Label5"), QStringLiteral("line"));
    remainder_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    prompt0_ = makeLabel(QStringLiteral("Prompt0"), QStringLiteral("heading"));
    text1_ = MakeInput(this, QStringLiteral("Text1"));
    text2_ = MakeInput(this, QStringLiteral("Text2"));
    text3_ = MakeInput(this, QStringLiteral("Text3"));
    form_ = new ui::FormRows(this);
    form_->addRow(QStringLiteral("Prompt1"), QStringLiteral("Echo1"), text1_);
    form_->addRow(QStringLiteral("Prompt2"), QStringLiteral("Echo2"), text2_);
    form_->addRow(QStringLiteral("Prompt3"), QStringLiteral("Echo3"), text3_);

    auto* lines = new QHBoxLayout;
    lines->addWidget(account_, 1);
    lines->addWidget(kind_, 1);
    lines->addWidget(remainder_, 1);
    body()->addWidget(title);
    body()->addWidget(heading);
    body()->addLayout(lines);
    body()->addSpacing(12);
    body()->addWidget(prompt0_);
    body()->addWidget(form_);
    body()->addStretch(1);

    setCaption(kEntryWindow);
    connect(makeToolbar(kEntryButtons), &ui::Toolbar::buttonClicked, this, &EnregisReserve::onToolbar);
    connect(text1_, &ui::InputField::entered, this, &EnregisReserve::onAmount);
    connect(text2_, &ui::InputField::entered, this, &EnregisReserve::onMonths);
    connect(text3_, &ui::InputField::entered, this, &EnregisReserve::onDate);
}

void EnregisReserve::load() {
    readLanguage();
    MonthTableName(ctx(), ctx().currentMonth);
    toolbar()->setButtonVisible(1, false);
    toolbar()->setButtonVisible(2, false);
    // The entry reads this file back at each start and save: without it only the way out stays.
    if (guarded([this] { WriteHandOver(ctx(), handover::Lire, {QStringLiteral("Reserve")}); }))
        start();
    applyScale();
}

void EnregisReserve::start() {
    toolbar()->setButtonVisible(1, false);
    toolbar()->setButtonVisible(2, false);
    for (ui::InputField* t : {text1_, text2_, text3_}) {
        t->clear();
        t->hide();
    }
    form_->clearAll();
    HandOverReader(ctx(), handover::Lire).line();
    guarded([this] { current_ = ReadReserve(ctx()); });

    account_->setText(text(ui::AccountCaption) + ctx().accountNumber);
    kind_->setText(text(kKindLine));
    remainder_->setText(RemainderDisplay(current_.remainderText));
    prompt0_->setText(text(kPrompt0));
    form_->setPrompt(RowAmount, text(kAmountPrompt));
    form_->setPrompt(RowMonths, text(kMonthsPrompt));
    form_->setPrompt(RowDate, text(kDatePrompt));
    form_->setEcho(RowAmount, current_.amountText.trimmed());
    form_->setEcho(RowMonths, MonthsField(current_.monthsLeft));
    form_->setEcho(RowDate, current_.date);
    ui::ShowInput(text1_, QString());
}

void EnregisReserve::onAmount() {
    form_->setEcho(RowAmount, FormatAmount(TypedNumber(text1_->text())));
    text1_->hide();
    ui::ShowInput(text2_, MonthsField(current_.monthsLeft));
}

void EnregisReserve::onMonths() {
    const double months = std::trunc(TypedNumber(text2_->text()));
    form_->answer(RowMonths, text(kToCash), FormatAmount(TypedNumber(text1_->text()) * months));
    // The reserve's date is always offered month first.
    ui::ShowInput(text3_, ctx().clock.today().toString(QStringLiteral("MM/dd/yyyy")));
}

void EnregisReserve::onDate() {
    form_->answer(RowDate, text(kDateDone), text3_->text());
    toolbar()->setButtonVisible(1, true);
    toolbar()->setButtonVisible(2, true);
    toolbar()->focusButton(1);
}

void EnregisReserve::save() {
    HandOverReader(ctx(), handover::Lire).line();
    MonthTableName(ctx(), ctx().currentMonth);
    const ReserveInput in{text1_->text(), text2_->text(), text3_->text()};
    const bool saved = guarded([&] {
        form_->setPrompt(RowMonths, text(kToReserve) + FormatAmount(ComposeReserve(in).total));
        SaveReserve(ctx(), in);
    });
    if (saved)
        open(screen::Reserve);
}

void EnregisReserve::onToolbar(int index) {
    switch (index) {
    case 1:
        save();
        break;
    case 2:
        start();
        break;
    case 3:
        open(screen::Reserve);
        break;
    default:
        break;
    }
}

} // namespace tirelou::schedule
