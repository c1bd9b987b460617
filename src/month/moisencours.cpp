#include "month/moisencours.h"

#include "data/numbers.h"
#include "data/workingcontext.h"
#include "month/overview.h"
#include "ui/logo.h"
#include "ui/screennames.h"
#include "ui/widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <algorithm>
#include <array>

namespace tirelou::month {
namespace {

constexpr ui::Caption kCaption{u"Mois En Cours", u"Month in progress"};
constexpr ui::Caption kTitle{u" TIRELOU FAMILIAL ", u" DOMESTIC TIRELOU "};
constexpr ui::Caption kMonth{u"Mois En Cours  ", u"Month in progress  "};
constexpr ui::Caption kConverted{u"Montant en €", u"Going up in £"};

constexpr std::array<ui::Caption, 12> kButtons{{
    {u"VOIR COMPTE", u"To SEE ACCOUNT"},
    {u"VOIR THEME", u"To SEE THEME"},
    {u"VOIR RUBRIQUES", u"To SEE CATEGORIES"},
    {u"ENTREE / SORTIE", u"ENTERED / EXIT"},
    {u"ENREG. PAIEMENT", u"To RECORD PAYMENT"},
    {u"PRELEVEMENT", u"TAKING"},
    {u"MODIF. PAIEMENT", u"MODIF. PAYMENT"},
    {u"TRANSFERT", u"TRANSFER"},
    {u"SAUVE", u"SAVE"},
    {u"QUITTER", u"To LEAVE"},
    {u"CONVERTISSEUR", u"CONVERTER"},
    {u"RESERVE", u"RESERVE"},
}};

enum Button {
    SeeAccount = 1,
    SeeTheme,
    SeeCategories,
    Deposits,
    RecordPayment,
    Forecasts,
    ModifyPayment,
    Transfer,
    Save,
    Leave,
    Converter,
    Reserves
};

} // namespace

MoisEnCours::MoisEnCours(const ui::ScreenEnv& env) : ScreenBase(env) {
    title_ = makeLabel(QStringLiteral("Label1"), QStringLiteral("title"));
    account_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("line"));
    monthName_ = makeLabel(QStringLiteral("Label3"), QStringLiteral("line"));
    dateLine_ = makeLabel(QStringLiteral("Label4"), QStringLiteral("line"));
    monthWord_ = makeLabel(QStringLiteral("Label5"), QStringLiteral("line"));

    // Twelve buttons do not fit across the window: here they stand in a column beside the
    // figures of the month.
    ui::Toolbar* bar = makeToolbar(kButtons);
    layout()->removeWidget(bar);
    bar->setOrientation(Qt::Vertical);
    connect(bar, &ui::Toolbar::buttonClicked, this, &MoisEnCours::onToolbar);

    auto* figures = new QVBoxLayout;
    figures->setSpacing(14);
    figures->addStretch(2);
    auto* month = new QHBoxLayout;
    month->setSpacing(0);
    month->addStretch(1);
    month->addWidget(monthName_);
    month->addWidget(monthWord_);
    month->addStretch(1);
    for (QLabel* l : {title_, account_, dateLine_})
        l->setAlignment(Qt::AlignCenter);
    figures->addWidget(title_);
    figures->addWidget(account_);
    figures->addLayout(month);
    figures->addWidget(dateLine_);
    figures->addSpacing(24);
    auto* picture = new ui::PiggyPicture(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setFixedSize(260, 195);
    figures->addWidget(picture, 0, Qt::AlignHCenter);
    figures->addStretch(3);

    auto* row = new QHBoxLayout;
    row->addWidget(bar);
    row->addLayout(figures, 1);
    body()->addLayout(row, 1);
    setCaption(kCaption);
    keepCaptioned(title_, kTitle);
}

void MoisEnCours::load() {
    readLanguage(); // first: the month table is named in the working language
    // A hand-over file that cannot be written is shown; the month still opens.
    guarded([this] { MarkCurrentMonth(ctx()); });
    LoadCurrentMonth(ctx());

    const WorkingContext& c = ctx();
    account_->setText(c.accountNumber + QStringLiteral("   ") +
                      FormatAmount(BalanceOf(c.month.remainderText)) + QStringLiteral(" €"));
    monthName_->setText(c.monthTable);
    monthWord_->setText(text(kMonth));
    dateLine_->setText(HubDateLine(c.clock.today(), french()));
    applyScale();
    // The month's name and the words after it, a blank apart in the font as scaled.
    monthWord_->setIndent(monthWord_->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    // One width for the column of buttons, the widest caption's.
    int widest = 0;
    for (int i = 1; i <= toolbar()->count(); ++i) {
        toolbar()->buttonWidget(i)->setMinimumWidth(0);
        widest = std::max(widest, toolbar()->buttonWidget(i)->sizeHint().width());
    }
    for (int i = 1; i <= toolbar()->count(); ++i)
        toolbar()->buttonWidget(i)->setMinimumWidth(widest);
}

void MoisEnCours::onToolbar(int index) {
    switch (index) {
    case SeeAccount:
        open(screen::CompteEncours);
        break;
    case SeeTheme:
        open(screen::Theme);
        break;
    case SeeCategories:
        open(screen::LireRubriques);
        break;
    case Deposits:
        open(screen::BanqueUn);
        break;
    case RecordPayment:
        open(screen::EnregisUn);
        break;
    case Forecasts:
        open(screen::Prevision);
        break;
    case ModifyPayment:
        open(screen::ModifCheque);
        break;
    case Transfer:
        open(screen::Mouvement);
        break;
    case Save:
        open(screen::Sauvegarde);
        break;
    case Leave:
        leave();
        break;
    case Converter:
        convert();
        break;
    case Reserves:
        open(screen::Reserve);
        break;
    default:
        break;
    }
}

void MoisEnCours::leave() {
    open(BackupDue(ctx()) ? screen::Sauvegarde : screen::MenuTirelou);
}

void MoisEnCours::convert() {
    message(ConvertedBalance(ctx().month.remainderText, french()), text(kConverted));
}

} // namespace tirelou::month
