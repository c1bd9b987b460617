#include "reports/theme.h"

#include "closing/consult.h"
#include "data/handover.h"
#include "data/routines.h"
#include "data/workingcontext.h"
#include "reports/yearfile.h"
#include "ui/reportgrid.h"
#include "ui/screennames.h"
#include "ui/widgets.h"
#include "ui/yearquestion.h"

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
constexpr ui::Caption kSourcePrompt{u"E = En Cours  /  A = Archives", u"E = In progress  /  A = Archives"};
constexpr ui::Caption kYearPrompt{u"ANNEE DE L'ARCHIVE", u"YEAR OF THE ARCHIVE"};

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

} // namespace

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
    keepCaptioned(title_, kTitle);
    keepCaptioned(heading_, kHeading);
    setCaption(kCaption);

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

    connect(makeToolbar(texts_.buttons), &ui::Toolbar::buttonClicked, this, &SearchScreen::onToolbar);
    connect(text1_, &ui::InputField::entered, this, &SearchScreen::onEntered);
}

void SearchScreen::setUp() {
    readLanguage();
    account_->setText(text(texts_.account) + ctx().accountNumber);
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
    text1_->setAccessibleName(prompt_->text()); // a reader announces the field by its question
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
    grid_->setFocus();
    toolbar()->setButtonVisible(Following, true);
}

void SearchScreen::showReport(const Report& report) {
    ui::FillReportGrid(*grid_, report);
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
    Consultation c;
    std::vector<FoundEntry> found;
    if (!guarded([&] {
            c = OpenConsultedMonth(ctx());
            if (c.open == YearOpen::Opened)
                found = SearchMonth(ctx().month, request.kind, request.text);
        }))
        return;
    if (c.open == YearOpen::Missing)
        message(MissingYearMessage(ctx(), c.archive, c.encour.yearText), QStringLiteral("TIRELOU"),
                ui::MessageIcon::Stop);
    showReport(SearchMonthReport(found, french()));
}

void Theme::leave() {
    HandOverReader encour(ctx(), handover::Encour);
    open(encour.item() == QLatin1String("ENCOUR") ? screen::MoisEnCours : screen::MoisConsulter);
}

// ---- MoisThem

MoisThem::MoisThem(const ui::ScreenEnv& env) : SearchScreen(env, kYearTexts) {
    source_prompt_ = makeLabel(QStringLiteral("Label6"), QStringLiteral("prompt"));
    source_prompt_->setAlignment(Qt::AlignCenter);
    text2_ = ui::Named<ui::InputField>(this, QStringLiteral("Text2"));
    text3_ = ui::Named<ui::InputField>(this, QStringLiteral("Text3"));
    for (ui::InputField* f : {text2_, text3_}) {
        f->setFixedWidth(f->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 8);
        f->setMaxLength(8);
        f->setAlignment(Qt::AlignCenter);
    }
    extra()->addWidget(source_prompt_);
    extra()->addWidget(text2_, 0, Qt::AlignHCenter);
    extra()->addWidget(text3_, 0, Qt::AlignHCenter);
    question_ = new ui::YearQuestion(source_prompt_, text2_, text3_, this);
    question_->setRule(YearAnswer::CurrentOnE);
    connect(question_, &ui::YearQuestion::answered, this, &MoisThem::onSource);
}

void MoisThem::load() {
    setFrameCaption(QStringLiteral("TIRELOU"));
    setUp();
    applyScale();
}

void MoisThem::setUp() {
    SearchScreen::setUp();
    showKindButtons(false);
    question_->setTexts({text(kSourcePrompt), text(kYearPrompt)});
    question_->ask(QStringLiteral("E"), CurrentYearText(ctx()));
}

void MoisThem::onSource(bool archive, const QString& year) {
    source_ = {archive, archive ? year : CurrentYearText(ctx())};
    question_->hide();
    showKindButtons(true);
}

SearchRequest MoisThem::handOver(const QString& typed, SearchKind kind) {
    return HandSearchOver(ctx(), typed, kind, source_);
}

void MoisThem::search(const SearchRequest& request) {
    YearOpen opened = YearOpen::Missing;
    YearFindings year;
    if (!guarded([&] {
            opened = OpenYear(ctx(), source_.archive, source_.year);
            if (opened == YearOpen::Opened) {
                LoadCategories(ctx());
                year = SearchYear(ctx(), request.kind, request.text);
            }
        }))
        return;
    if (opened == YearOpen::Missing)
        message(MissingYearMessage(ctx(), source_.archive, source_.year), QStringLiteral("TIRELOU"),
                ui::MessageIcon::Stop);
    showReport(SearchYearReport(year, french()));
}

void MoisThem::leave() {
    if (guarded([this] { ReopenCurrentYear(ctx()); }))
        open(screen::MenuTirelou);
}

} // namespace tirelou::reports
