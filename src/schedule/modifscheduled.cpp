#include "schedule/modifscheduled.h"

#include "data/handover.h"
#include "data/numbers.h"
#include "data/routines.h"
#include "data/workingcontext.h"
#include "schedule/scheduleui.h"
#include "ui/screennames.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tirelou::schedule {
namespace {

constexpr ui::Caption kRecord{u"ENREGISTRER", u"To RECORD"};
constexpr ui::Caption kRedo{u"REFAIRE", u"To REDO"};
constexpr ui::Caption kChoice{u"Effacer / Modifier / Fin (E / M / F)", u"E=To Erase / M=To Modify / F=End"};
constexpr ui::Caption kLabelPrompt{u"Libelle", u"Drawn"};
constexpr ui::Caption kAmountPrompt{u"MONTANT DU REGLEMENT", u"BRINGING UP THE REGULATION"};
constexpr ui::Caption kMonthsPrompt{u"NOMBRE DE MOIS", u"NUMBER OF MONTH"};
constexpr ui::Caption kDatePrompt{u"DATE", u"DATE"};
// The rows of the chosen item: its current values beside the new ones.
enum ChosenRow { RowLabel, RowAmount, RowMonths, RowStillToPay, RowDate, RowCount };
constexpr ui::Caption kChosenCaptions[RowCount] = {
    {u"Libelle", u"Drawn"},
    {u"Montant", u"Going up"},
    {u"Nombre de Mois", u"Number of Month"},
    {u"Reste à Regler", u"Remain to Adjust"},
    {u"Date", u"Date"},
};

QString MonthsField(std::optional<double> months) {
    return months ? TrimmedNumberText(*months) : QString();
}

} // namespace

ModifScheduled::ModifScheduled(const ui::ScreenEnv& env, const ModifTexts& texts)
    : ScreenBase(env), texts_(texts) {
    QLabel* title = makeTitle(ui::TitleCaption);
    QLabel* heading = makeLabel(QStringLiteral("Label2"), QStringLiteral("heading"));
    heading->setAlignment(Qt::AlignCenter);
    keepCaptioned(heading, texts_.heading);
    lines_ = makeAccountLine(QStringLiteral("Label3"), QStringLiteral("Label4"));
    empty_ = makeLabel(QStringLiteral("Label5"), QStringLiteral("prompt"));
    keepCaptioned(empty_, texts_.empty);
    empty_->setAlignment(Qt::AlignCenter);
    empty_->hide();
    grid_ = MakeGrid(this, {900, 5600, 3000}, 1);
    grid_->show();

    chosenBox_ = new QWidget(this);
    chosenBox_->setObjectName(QStringLiteral("Frame1"));
    auto* chosenLayout = new QGridLayout(chosenBox_);
    chosenLayout->setContentsMargins(0, 4, 0, 4);
    chosenLayout->setHorizontalSpacing(10);
    chosenLayout->setColumnStretch(1, 1);
    chosenLayout->setColumnStretch(2, 1);
    for (int r = 0; r < RowCount; ++r) {
        QLabel* caption = makeLabel(QStringLiteral("Caption%1").arg(r), QStringLiteral("heading"));
        keepCaptioned(caption, kChosenCaptions[r]);
        QLabel* now = makeLabel(QStringLiteral("Current%1").arg(r), QStringLiteral("echo"));
        QLabel* next = makeLabel(QStringLiteral("Echo%1").arg(r), QStringLiteral("echo"));
        chosenLayout->addWidget(caption, r, 0);
        chosenLayout->addWidget(now, r, 1);
        chosenLayout->addWidget(next, r, 2);
        current_ << now;
        fresh_ << next;
    }

    prompt_ = makeLabel(QStringLiteral("Label6"), QStringLiteral("prompt"));
    text1_ = MakeInput(this, QStringLiteral("Text1"));
    text2_ = MakeInput(this, QStringLiteral("Text2"));
    text3_ = MakeInput(this, QStringLiteral("Text3"));
    text4_ = MakeInput(this, QStringLiteral("Text4"));
    text5_ = MakeInput(this, QStringLiteral("Text5"));

    auto* entry = new QHBoxLayout;
    entry->addWidget(prompt_, 1);
    for (ui::InputField* t : {text1_, text2_, text3_, text4_, text5_})
        entry->addWidget(t, 1);

    body()->addWidget(title);
    body()->addWidget(heading);
    body()->addWidget(lines_);
    body()->addWidget(grid_);
    body()->addWidget(empty_);
    body()->addSpacing(8);
    body()->addWidget(chosenBox_);
    body()->addLayout(entry);
    body()->addStretch(1);

    setCaption(texts_.window);
    connect(makeToolbar({kRecord, kRedo, texts_.leave}), &ui::Toolbar::buttonClicked, this,
            &ModifScheduled::onToolbar);
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) { onGridClicked(row); });
    connect(text1_, &ui::InputField::entered, this, &ModifScheduled::onChoice);
    connect(text2_, &ui::InputField::entered, this, &ModifScheduled::onLabel);
    connect(text3_, &ui::InputField::entered, this, &ModifScheduled::onAmount);
    connect(text4_, &ui::InputField::entered, this, &ModifScheduled::onMonths);
    connect(text5_, &ui::InputField::entered, this, &ModifScheduled::onDate);
}

void ModifScheduled::load() {
    readLanguage();
    MonthTableName(ctx(), ctx().currentMonth);
    rebuild();
    applyScale();
}

void ModifScheduled::rebuild() {
    LoadMonth(ctx(), ctx().monthTable);
    lines_->setTexts(text(kListAccount) + ctx().accountNumber, RemainderDisplay(ctx().month.remainderText));

    grid_->clearAll();
    grid_->setColumnCount(3);
    const QString titles[3] = {QStringLiteral("N°"), QStringLiteral("Intitulé"), QStringLiteral("Montant")};
    for (int c = 0; c < 3; ++c) {
        grid_->setText(0, c, titles[c]);
        grid_->setAlignment(0, c, Qt::AlignCenter);
    }
    const QList<ScheduledItem> items = listed();
    listedCount_ = static_cast<int>(items.size());
    for (const ScheduledItem& item : items) {
        const int r = grid_->addRow();
        grid_->setText(r, 0, NumberText(item.index + 1));
        grid_->setText(r, 1, item.label);
        grid_->setText(r, 2, FormatAmount(item.monthly));
        grid_->setAlignment(r, 0, Qt::AlignCenter);
        grid_->setAlignment(r, 2, Qt::AlignRight);
    }
    const bool showEmpty = items.isEmpty() && !empty_->text().isEmpty();
    grid_->setVisible(!showEmpty);
    empty_->setVisible(showEmpty);
    chosen_.reset();
    hideChoice();
    if (grid_->isVisibleTo(this))
        grid_->setFocus(); // the arrows and Enter choose an item
}

void ModifScheduled::hideChoice() {
    toolbar()->setButtonVisible(1, false);
    toolbar()->setButtonVisible(2, false);
    toolbar()->setButtonVisible(3, true);
    for (ui::InputField* t : {text1_, text2_, text3_, text4_, text5_}) {
        t->clear();
        t->hide();
    }
    prompt_->clear();
    prompt_->hide();
    chosenBox_->hide();
}

void ModifScheduled::onGridClicked(int row) {
    if (row < 1 || row > listedCount_)
        return; // the titles, or no item there
    // Whatever was chosen before goes: a choice that fails must not leave it answerable.
    chosen_.reset();
    hideChoice();
    std::optional<ScheduledItem> item;
    if (!guarded([&] { item = choose(row); }) || !item)
        return;
    chosen_ = item;
    showChosen();
}

void ModifScheduled::showChosen() {
    hideChoice();
    // The steps that follow read the item back from the hand-over file.
    if (!chosen_ || !guarded([this] { WriteChosenItem(ctx(), *chosen_); }))
        return;
    const ScheduledItem& c = *chosen_;
    current_[RowLabel]->setText(c.label);
    current_[RowAmount]->setText(FormatAmount(c.monthly));
    current_[RowMonths]->setText(MonthsField(c.monthsLeft));
    current_[RowStillToPay]->setText(FormatAmount(c.stillToPay));
    current_[RowDate]->setText(c.date);
    for (QLabel* l : fresh_)
        l->clear();
    chosenBox_->show();
    prompt_->setText(text(kChoice));
    prompt_->show();
    ui::ShowInput(text1_, QStringLiteral("M"));
}

void ModifScheduled::onChoice() {
    const QString answer = text1_->text().trimmed().left(1).toUpper();
    if (answer == QLatin1String("F")) {
        open(backScreen());
        return;
    }
    if (answer == QLatin1String("E")) {
        const QString label = eraseLabel();
        guarded([&] { EraseByLabel(ctx(), label); });
        rebuild();
        return;
    }
    if (answer == QLatin1String("M")) {
        text1_->hide();
        prompt_->setText(text(kLabelPrompt));
        ui::ShowInput(text2_, ReadChosenItem(ctx()).label);
        return;
    }
    text1_->selectAll(); // another letter: the question stays
}

void ModifScheduled::onLabel() {
    fresh_[RowLabel]->setText(text2_->text().trimmed().toUpper());
    text2_->hide();
    prompt_->setText(text(kAmountPrompt));
    ui::ShowInput(text3_, TrimmedNumberText(ReadChosenItem(ctx()).monthly));
}

void ModifScheduled::onAmount() {
    fresh_[RowAmount]->setText(FormatAmount(TypedNumber(text3_->text())));
    text3_->hide();
    prompt_->setText(text(kMonthsPrompt));
    const ChosenItem c = ReadChosenItem(ctx());
    const double still = AmountValue(c.stillToPayText);
    ui::ShowInput(text4_, c.monthly == 0 ? QString() : TrimmedNumberText(still / c.monthly));
}

void ModifScheduled::onMonths() {
    const double months = TypedNumber(text4_->text());
    fresh_[RowMonths]->setText(TrimmedNumberText(months));
    fresh_[RowStillToPay]->setText(FormatAmount(TypedNumber(text3_->text()) * months));
    text4_->hide();
    prompt_->setText(text(kDatePrompt));
    ui::ShowInput(text5_, ReadChosenItem(ctx()).date);
}

void ModifScheduled::onDate() {
    fresh_[RowDate]->setText(text5_->text().trimmed());
    text5_->hide();
    prompt_->clear();
    prompt_->hide();
    toolbar()->setButtonVisible(1, true);
    toolbar()->setButtonVisible(2, true);
    toolbar()->focusButton(1);
}

void ModifScheduled::onToolbar(int index) {
    switch (index) {
    case 1: {
        const ScheduledEdit edit{text2_->text(), text3_->text(), text4_->text(), text5_->text()};
        guarded([&] { save(edit); });
        rebuild();
        break;
    }
    case 2:
        showChosen();
        break;
    case 3:
        open(backScreen());
        break;
    default:
        break;
    }
}

// ---- Forecasts

namespace {
const ModifTexts kForecastTexts{
    {u"Modif Prevision", u"To modify Forecasting"},
    {u"MODIFICATION DE PREVISION", u"MODIFICATION OF FORECASTING"},
    {u"RETOUR", u"RETURN"},
    {u"PAS DE MODIF POSSIBLE RUBRIQUE VIDE", u"NOT OF MODIFICATION POSSIBLE EMPTY CATEGORY"},
};
const ModifTexts kDirectDebitTexts{
    {u"Modif Prelevement", u"To modify Taking"},
    {u"MODIFICATION DE PRELEVEMENT", u"MODIFICATION OF TAKING"},
    {u"QUITTER", u"To LEAVE"},
    {u"", u""},
};

// Only items with a monthly amount can be changed: the months are worked out from it.
QList<ScheduledItem> WithAmount(const ScheduledList& list) {
    QList<ScheduledItem> out;
    for (const ScheduledItem& item : list.items)
        if (item.monthly > 0)
            out << item;
    return out;
}
} // namespace

ModifPrevi::ModifPrevi(const ui::ScreenEnv& env) : ModifScheduled(env, kForecastTexts) {}

QList<ScheduledItem> ModifPrevi::listed() const {
    return WithAmount(ListScheduled(ctx().month, ForecastKind));
}

std::optional<ScheduledItem> ModifPrevi::choose(int gridRow) {
    const int index = static_cast<int>(NumberValue(grid()->text(gridRow, 0))) - 1;
    WriteHandOver(ctx(), handover::Ecrire, {static_cast<double>(index)});
    HandOverReader r(ctx(), handover::Ecrire);
    return ScheduledAt(ctx().month, static_cast<int>(r.numberItem()), ForecastKind);
}

bool ModifPrevi::save(const ScheduledEdit& edit) {
    HandOverReader r(ctx(), handover::Ecrire);
    return ModifyForecast(ctx(), static_cast<int>(r.numberItem()), edit);
}

QString ModifPrevi::eraseLabel() {
    return ReadChosenItem(ctx()).label;
}

QString ModifPrevi::backScreen() const {
    return screen::Prevision;
}

// ---- Direct debits

ModifPrel::ModifPrel(const ui::ScreenEnv& env) : ModifScheduled(env, kDirectDebitTexts) {}

QList<ScheduledItem> ModifPrel::listed() const {
    return WithAmount(ListScheduled(ctx().month, DirectDebitKind));
}

std::optional<ScheduledItem> ModifPrel::choose(int gridRow) {
    WriteHandOver(ctx(), handover::Ecrire, {grid()->text(gridRow, 1)});
    const QString label = HandOverReader(ctx(), handover::Ecrire).line();
    std::optional<ScheduledItem> item = FindDirectDebit(ctx(), label);
    if (item)
        WriteHandOver(ctx(), handover::Ecrire,
                      {item->label, static_cast<double>(item->index), QStringLiteral("Prelevement")});
    return item;
}

bool ModifPrel::save(const ScheduledEdit& edit) {
    HandOverReader r(ctx(), handover::Ecrire);
    r.line(); // the label as it was
    return ModifyDirectDebit(ctx(), static_cast<int>(r.numberItem()), edit);
}

QString ModifPrel::eraseLabel() {
    return HandOverReader(ctx(), handover::Ecrire).line();
}

QString ModifPrel::backScreen() const {
    return screen::VoirPrelev;
}

} // namespace tirelou::schedule
