#include "schedule/prevision.h"

#include "data/handover.h"
#include "data/numbers.h"
#include "data/routines.h"
#include "data/workingcontext.h"
#include "schedule/schedule.h"
#include "schedule/scheduleui.h"
#include "ui/screennames.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tirelou::schedule {
namespace {

constexpr ui::Caption kWindow{u"Prevision / Prelevement", u"Forecasting / Taking"};
constexpr ui::Caption kWindowForecasts{u"Prevision", u"Prevision"};
constexpr ui::Caption kButtons[7] = {
    {u"PREVISION", u"FORECASTING"},
    {u"PRELEVEMENT", u"TAKING"},
    {u"CREER PREVISION", u"To CREATE FORECASTING"},
    {u"VOIR PREVISION", u"To SEE FORECASTING"},
    {u"MODIF PREVISION", u"MODIFI. FORECASTING"},
    {u"QUITTER", u"To LEAVE"},
    {u"RETOUR", u"RETURN"},
};
constexpr ui::Caption kAccountList{u"Compte ", u"Account "};
constexpr ui::Caption kCategory{u"RUBRIQUE", u"CATEGORY"};
constexpr ui::Caption kLabelPrompt{u"Libelle", u"Drawn"};
constexpr ui::Caption kLabelEcho{u"Libelle   ", u"Drawn   "};
constexpr ui::Caption kAmountPrompt{u"MONTANT DU REGLEMENT", u"BRINGING UP THE REGULATION"};
constexpr ui::Caption kAmountEcho{u"Montant  ", u"Going up  "};
constexpr ui::Caption kMonthsPrompt{u"NOMBRE DE MOIS", u"NUMBER OF MONTH"};
constexpr ui::Caption kTotalEcho{u"Reste à Regler ", u"Remain to Adjust "};
constexpr ui::Caption kDatePrompt{u"DATE (JJ/MM/AAAA)", u"DATE (MM/DD/YYYY)"};
constexpr ui::Caption kCurrency{u" €", u" £"};
constexpr ui::Caption kKind{u"  PREVISION", u"  FORECASTING"};
constexpr ui::Caption kTotal{u"  Total Des Prévisions", u"  Total Of Forecastings"};

// An echo shows only once it has something to show.
void SetEcho(QLabel* echo, const QString& text) {
    echo->setText(text);
    echo->setVisible(!text.isEmpty());
}

enum Button { ShowForecasts = 1, DirectDebits, Create, List, Modify, Leave, Back };
enum Echo { EchoLabel, EchoAmount, EchoTotal, EchoCount };

} // namespace

Prevision::Prevision(const ui::ScreenEnv& env) : ScreenBase(env) {
    QLabel* title = makeTitle(ui::TitleCaption);
    ui::AccountLine* lines = makeAccountLine(QStringLiteral("Label2"), QStringLiteral("Label3"));
    account_ = lines->account();
    remainder_ = lines->balance();
    list1_ = ui::Named<ui::CategoryListBox>(this, QStringLiteral("List1"));
    list1_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    grid_ = MakeGrid(this, {3400, 2400, 2900, 2300}, 0);

    entryBox_ = new QWidget(this);
    auto* entry = new QVBoxLayout(entryBox_);
    entry->setContentsMargins(0, 0, 0, 0);
    categoryHeading_ = makeLabel(QStringLiteral("Label4"), QStringLiteral("heading"));
    categoryName_ = makeLabel(QStringLiteral("Label5"), QStringLiteral("echo"));
    auto* category = new QHBoxLayout;
    category->addWidget(categoryHeading_);
    category->addWidget(categoryName_, 1);
    entry->addLayout(category);
    for (int i = 0; i < EchoCount; ++i) {
        QLabel* echo = makeLabel(QStringLiteral("Echo%1").arg(i), QStringLiteral("echo"));
        entry->addWidget(echo);
        echoes_ << echo;
    }
    prompt_ = makeLabel(QStringLiteral("Label6"), QStringLiteral("prompt"));
    text1_ = MakeInput(this, QStringLiteral("Text1"));
    text2_ = MakeInput(this, QStringLiteral("Text2"));
    text3_ = MakeInput(this, QStringLiteral("Text3"));
    text4_ = MakeInput(this, QStringLiteral("Text4"));
    auto* typing = new QHBoxLayout;
    typing->addWidget(prompt_, 1);
    for (ui::InputField* t : {text1_, text2_, text3_, text4_})
        typing->addWidget(t, 1);
    entry->addLayout(typing);

    body()->addWidget(title);
    body()->addWidget(lines);
    body()->addWidget(list1_, 0, Qt::AlignHCenter);
    body()->addWidget(entryBox_);
    body()->addWidget(grid_);
    body()->addStretch(1);

    connect(makeToolbar(kButtons), &ui::Toolbar::buttonClicked, this, &Prevision::onToolbar);
    connect(list1_, &ui::ListBox::itemChosen, this, &Prevision::onCategoryChosen);
    connect(list1_, &ui::ListBox::cancelled, this, &Prevision::firstState);
    connect(text1_, &ui::InputField::entered, this, &Prevision::onLabel);
    connect(text2_, &ui::InputField::entered, this, &Prevision::onAmount);
    connect(text3_, &ui::InputField::entered, this, &Prevision::onMonths);
    connect(text4_, &ui::InputField::entered, this, &Prevision::onDate);
}

void Prevision::load() {
    firstState();
    applyScale();
}

void Prevision::firstState() {
    readLanguage();
    MonthTableName(ctx(), ctx().currentMonth);
    setCaption(kWindow);
    toolbar()->show();
    for (int b = ShowForecasts; b <= Back; ++b)
        toolbar()->setButtonVisible(b, b == ShowForecasts || b == DirectDebits || b == Leave);
    for (ui::InputField* t : {text1_, text2_, text3_, text4_}) {
        t->clear();
        t->hide();
    }
    for (QLabel* l : echoes_)
        SetEcho(l, QString());
    prompt_->clear();
    entryBox_->hide();
    grid_->clearAll();
    grid_->hide();
    list1_->hide();
    account_->hide();
    remainder_->hide();
    guarded([this] { fillCategories(); });
}

void Prevision::showLines(const QString& resteText) {
    account_->setText(text(ui::AccountCaption) + ctx().accountNumber);
    remainder_->setText(RemainderDisplay(resteText) + QStringLiteral(" €"));
    account_->show();
    remainder_->show();
}

void Prevision::fillCategories() {
    LoadCategories(ctx());
    list1_->fill(ctx(), true);
}

void Prevision::showForecastButtons() {
    setCaption(kWindowForecasts);
    for (int b = ShowForecasts; b <= Back; ++b)
        toolbar()->setButtonVisible(b, b >= Create);
    toolbar()->setButtonVisible(Leave, false);
}

void Prevision::startEntry() {
    if (!guarded([this] { fillCategories(); }))
        return;
    grid_->hide();
    list1_->show();
    list1_->setFocus();
    // No toolbar while the entry runs; an empty answer (or Escape in the list) leaves it.
    toolbar()->hide();
}

void Prevision::onCategoryChosen(int row) {
    const int index = list1_->categoryIndex(row);
    if (index < 0)
        return;
    const QString name = list1_->itemText(row);
    // The save takes the category from the hand-over file: without it, no entry.
    if (!guarded([&] { WriteChosenCategory(ctx(), name, index); }))
        return;
    list1_->hide();
    account_->setText(text(ui::AccountCaption) + ctx().accountNumber);
    account_->show();
    categoryHeading_->setText(text(kCategory));
    categoryName_->setText(name);
    entryBox_->show();
    prompt_->setText(text(kLabelPrompt));
    ui::ShowInput(text1_, QString());
}

void Prevision::onLabel() {
    const QString label = text1_->text().trimmed().toUpper();
    if (label.isEmpty()) {
        firstState();
        return;
    }
    SetEcho(echoes_[EchoLabel], text(kLabelEcho) + label);
    text1_->hide();
    prompt_->setText(text(kAmountPrompt));
    ui::ShowInput(text2_, QString());
}

void Prevision::onAmount() {
    if (text2_->text().trimmed().isEmpty()) {
        firstState();
        return;
    }
    SetEcho(echoes_[EchoAmount],
            text(kAmountEcho) + FormatAmount(TypedNumber(text2_->text())) + text(kCurrency));
    text2_->hide();
    prompt_->setText(text(kMonthsPrompt));
    ui::ShowInput(text3_, QString());
}

void Prevision::onMonths() {
    if (text3_->text().trimmed().isEmpty()) {
        firstState();
        return;
    }
    const double total = TypedNumber(text2_->text()) * TypedNumber(text3_->text());
    SetEcho(echoes_[EchoTotal], text(kTotalEcho) + FormatAmount(total) + text(kCurrency));
    text3_->hide();
    prompt_->setText(text(kDatePrompt));
    ui::ShowInput(text4_, TodayField(ctx()));
}

void Prevision::onDate() {
    if (text4_->text().trimmed().isEmpty()) {
        firstState();
        return;
    }
    saveForecast();
}

void Prevision::saveForecast() {
    const int index = ReadChosenCategory(ctx()).index;
    const ScheduledInput in{ctx().categoryList.value(index), text1_->text(), text2_->text(), text3_->text(),
                            text4_->text()};
    if (in.category.trimmed().isEmpty()) {
        firstState();
        return;
    }
    guarded([&] {
        showLines(ReadRemainderText(ctx()));
        AddForecast(ctx(), in);
    });
    firstState();
}

void Prevision::showList() {
    toolbar()->show();
    for (int b = ShowForecasts; b <= List; ++b)
        toolbar()->setButtonVisible(b, false);
    toolbar()->setButtonVisible(Modify, true);
    toolbar()->setButtonVisible(Back, true);
    list1_->hide();
    entryBox_->hide();

    LoadMonth(ctx(), ctx().monthTable);
    showLines(ctx().month.remainderText);
    account_->setText(text(kAccountList) + ctx().accountNumber);

    FillScheduledGrid(grid_, french(), ctx().monthTable, ListScheduled(ctx().month, ForecastKind),
                      text(kKind), text(kTotal));
    grid_->show();
}

void Prevision::onToolbar(int index) {
    switch (index) {
    case ShowForecasts:
        showForecastButtons();
        break;
    case DirectDebits:
        open(screen::VoirPrelev);
        break;
    case Create:
    case List:
        guarded([&] {
            WriteHandOver(ctx(), handover::Ecrire,
                          {index == Create ? QStringLiteral("ECRIRE") : QStringLiteral("VOIR")});
            ctx().modeWord = HandOverReader(ctx(), handover::Ecrire).item();
            if (ctx().modeWord == QLatin1String("ECRIRE"))
                startEntry();
            else
                showList();
        });
        break;
    case Modify:
        open(screen::ModifPrevi);
        break;
    case Leave:
        open(screen::MoisEnCours);
        break;
    case Back:
        firstState();
        break;
    default:
        break;
    }
}

} // namespace tirelou::schedule
