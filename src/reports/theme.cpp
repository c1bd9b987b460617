#include "reports/theme.h"

#include "data/handover.h"
#include "data/numbers.h"
#include "data/routines.h"
#include "data/workingcontext.h"
#include "ui/screennames.h"
#include "ui/widgets.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace tirelou::reports {
namespace {

constexpr ui::Caption kCaption{u"Voir Theme", u"To see Theme"};
constexpr ui::Caption kTitle{u" Tirelou Familial ", u" Domestic Tirelou "};
constexpr ui::Caption kHeading{u"Thème de Recherche", u"Theme of Research"};
constexpr std::array<ui::Caption, 4> kKinds{{
    {u"Par Numero de Paiement", u"By Number of Payment"},
    {u"Par Date", u"By Date"},
    {u"Par Intitulé", u"By Titled"},
    {u"Par Montant", u"By Amount"},
}};
constexpr std::array<ui::Caption, 4> kColumns{{
    {u"INTITULE", u"TITLED"},
    {u"NUMERO PAIEMENT", u"NUMBER PAYMENT"},
    {u"DATE", u"DATE"},
    {u"MONTANT", u"GOING UP"},
}};
constexpr ui::Caption kMonthOf{u"MOIS DE  ", u"MONTH OF  "};
constexpr ui::Caption kTotal{u"  Total Des Dépenses", u"  Total Of Expenses"};

const SearchScreen::Texts kThemeTexts{
    {u"COMPTE  ", u"Account  "},
    {{{u"PAR NUMERO", u"BY NUMBER"},
      {u"PAR DATE", u"BY DATE"},
      {u"PAR INTITULE", u"BY TITLED"},
      {u"PAR MONTANT", u"BY AMOUNT"},
      {u"SUITE", u"FOLLOWING"},
      {u"QUITTER", u"To LEAVE"}}},
    {{{u"Carte ou 000 00 000", u"Map or 000 00 000"},
      {u"JJ/MM/AAAA ou 00", u"MM/DD/YYYY or 00"},
      {u"MOI", u"ME"},
      {u"524.14", u"524.14"}}},
};

const SearchScreen::Texts kYearTexts{
    {u"Compte  ", u"Account  "},
    {{{u"NUMERO", u"NUMBER"},
      {u"DATE", u"DATE"},
      {u"INTITULE", u"TITLED"},
      {u"MONTANT", u"AMOUNT"},
      {u"SUITE", u"FOLLOWING"},
      {u"QUITTER", u"To LEAVE"}}},
    {{{u"CARTE ou 0000 00 00", u"MAP or 0000 00 00"},
      {u"JJ/MM/AAAA", u"MM/DD/YYYY"},
      {u"MOI", u"ME"},
      {u"524.25", u"524.25"}}},
};

enum Button { ByNumber = 1, ByDate, ByLabel, ByAmount, Following, Leave };

QString Amount(double value) {
    return FormatAmount(value) + QStringLiteral(" €");
}

} // namespace

void SearchScreen::showHeading() {
    grid_->clearAll();
    for (int c = 0; c < 4; ++c) {
        grid_->setText(0, c, text(kColumns[static_cast<std::size_t>(c)]));
        grid_->setAlignment(0, c, Qt::AlignCenter);
    }
}

void SearchScreen::showMonthHeading(const QString& monthTable) {
    grid_->setText(grid_->addRow(), 0, text(kMonthOf) + monthTable.toUpper());
}

void SearchScreen::showFound(const std::vector<FoundEntry>& found) {
    for (const FoundEntry& e : found) {
        const int head = grid_->addRow();
        grid_->setText(head, 0, e.category);
        grid_->setAlignment(head, 0, Qt::AlignCenter);
        const int r = grid_->addRow();
        grid_->setText(r, 0, e.label + QStringLiteral("  "));
        grid_->setText(r, 1, e.number);
        grid_->setText(r, 2, e.date);
        grid_->setText(r, 3, Amount(e.amount));
        for (int c = 1; c < 4; ++c)
            grid_->setAlignment(r, c, Qt::AlignRight);
    }
}

void SearchScreen::showTotal(double total) {
    grid_->addRow();
    const int r = grid_->addRow();
    grid_->setText(r, 0, text(kTotal));
    grid_->setText(r, 3, Amount(total));
    grid_->setAlignment(r, 3, Qt::AlignRight);
}

namespace {} // namespace

SearchScreen::SearchScreen(const ui::ScreenEnv& env, const Texts& texts) : ScreenBase(env), texts_(texts) {
    title_ = makeLabel(QStringLiteral("Label1"), QStringLiteral("title"));
    heading_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("heading"));
    account_ = makeLabel(QStringLiteral("Label3"), QStringLiteral("line"));
    prompt_ = makeLabel(QStringLiteral("Label4"), QStringLiteral("prompt"));
    example_ = makeLabel(QStringLiteral("Label5"), QStringLiteral("line"));
    text1_ = ui::Named<ui::InputField>(this, QStringLiteral("Text1"));
    text1_->setFixedWidth(text1_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 20);
    grid_ = ui::Named<ui::Grid>(this, QStringLiteral("MSFlexGrid1"));
    grid_->setColumnCount(4);
    grid_->setDesignedColumnWidths({4950, 3000, 2200, 1280});
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (QLabel* l : {title_, heading_, prompt_, example_})
        l->setAlignment(Qt::AlignCenter);

    extra_ = new QVBoxLayout;
    body()->addWidget(title_);
    body()->addWidget(heading_);
    body()->addWidget(account_);
    body()->addLayout(extra_);
    body()->addWidget(prompt_);
    body()->addWidget(text1_, 0, Qt::AlignHCenter);
    body()->addWidget(example_);
    body()->addWidget(grid_, 1);
    body()->addStretch(0);

    for (const ui::Caption& c : texts_.buttons)
        toolbar()->addButton(c.french());
    connect(toolbar(), &ui::Toolbar::buttonClicked, this, &SearchScreen::onToolbar);
    connect(text1_, &ui::InputField::entered, this, &SearchScreen::onEntered);
}

void SearchScreen::setUp() {
    readLanguage();
    setCaption(text(kCaption));
    title_->setText(text(kTitle));
    heading_->setText(text(kHeading));
    account_->setText(text(texts_.account) + ctx().accountNumber);
    for (int i = 0; i < 6; ++i)
        toolbar()->setCaption(i + 1, text(texts_.buttons[static_cast<std::size_t>(i)]));
    showKindButtons(true);
    toolbar()->setButtonVisible(Following, false);
    toolbar()->setButtonVisible(Leave, true);
    for (QWidget* w : std::initializer_list<QWidget*>{prompt_, example_, text1_, grid_})
        w->hide();
}

void SearchScreen::showKindButtons(bool shown) {
    for (int i = ByNumber; i <= ByAmount; ++i)
        toolbar()->setButtonVisible(i, shown);
}

void SearchScreen::onToolbar(int index) {
    switch (index) {
    case ByNumber:
    case ByDate:
    case ByLabel:
    case ByAmount:
        askFor(static_cast<SearchKind>(index));
        break;
    case Following:
        setUp();
        break;
    case Leave:
        leave();
        break;
    default:
        break;
    }
}

void SearchScreen::askFor(SearchKind kind) {
    kind_ = kind;
    const auto i = static_cast<std::size_t>(kind) - 1;
    showKindButtons(false);
    prompt_->setText(text(kKinds[i]));
    example_->setText(text(texts_.examples[i]));
    prompt_->show();
    example_->show();
    text1_->setText(kind == SearchKind::Amount ? QStringLiteral("0") : QString());
    text1_->show();
    text1_->setFocus();
    text1_->selectAll();
}

void SearchScreen::onEntered() {
    SearchRequest request;
    if (!guarded([&] { request = handOver(text1_->text(), kind_); }))
        return;
    text1_->hide();
    prompt_->hide();
    example_->hide();
    search(request);
    grid_->show();
    toolbar()->setButtonVisible(Following, true);
}

// ---- Theme

Theme::Theme(const ui::ScreenEnv& env) : SearchScreen(env, kThemeTexts) {}

void Theme::load() {
    setFrameCaption(QStringLiteral("TIRELOU"));
    setUp();
    applyScale();
}

SearchRequest Theme::handOver(const QString& typed, SearchKind kind) {
    return HandSearchOver(ctx(), typed, kind);
}

void Theme::search(const SearchRequest& request) {
    showHeading();
    std::vector<FoundEntry> found;
    guarded([&] {
        LoadCategories(ctx());
        MonthTableName(ctx(), ctx().currentMonth);
        LoadMonth(ctx(), ctx().monthTable);
        found = SearchMonth(ctx().month, request.kind, request.text);
    });
    showFound(found);
    showTotal(TotalOf(found));
}

void Theme::leave() {
    HandOverReader encour(ctx(), handover::Encour);
    open(encour.item() == QLatin1String("ENCOUR") ? screen::MoisEnCours : screen::MoisConsulter);
}

// ---- MoisThem

MoisThem::MoisThem(const ui::ScreenEnv& env) : SearchScreen(env, kYearTexts) {}

void MoisThem::load() {
    setFrameCaption(QStringLiteral("TIRELOU"));
    setUp();
    applyScale();
}

void MoisThem::setUp() {
    SearchScreen::setUp();
}

SearchRequest MoisThem::handOver(const QString& typed, SearchKind kind) {
    return HandSearchOver(ctx(), typed, kind, source_);
}

void MoisThem::search(const SearchRequest& request) {
    showHeading();
    YearFindings year;
    guarded([&] {
        LoadCategories(ctx());
        year = SearchYear(ctx(), request.kind, request.text);
    });
    for (const MonthFindings& m : year.months) {
        showMonthHeading(m.monthTable);
        showFound(m.entries);
    }
    showTotal(year.total);
}

void MoisThem::leave() {
    open(screen::MenuTirelou);
}

} // namespace tirelou::reports
