#include "accounts/menutirelou.h"

#include "accounts/accounts.h"
#include "accounts/links.h"
#include "accounts/screenlook.h"
#include "data/routines.h"
#include "data/workingcontext.h"
#include "ui/logo.h"
#include "ui/mainframe.h"
#include "ui/screennames.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"
#include "ui/yearquestion.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tirelou::accounts {
namespace {

constexpr ui::Caption kFrameCaption{u"Menu Tirelou", u"Menu Tirelou"};
constexpr ui::Caption kMonthLine{u"Mois En Cours ", u"Month in progress "};
constexpr ui::Caption kEmptyAccount{u"CE COMPTE EST VIDE, A CREER", u"THIS ACCOUNT is EMPTY, TO to CREATE"};
constexpr ui::Caption kRestart{u"RECOMMENCEZ", u"RESTART"};

constexpr ui::Caption kButtons[] = {
    {u"Mois en Cours", u"Month in progress"},
    {u"Mois Suivant", u"Following month"},
    {u"Reprendre un Mois", u"To take one Month"},
    {u"Consulter un Mois", u"To consult one Month"},
    {u"Changer Rubrique", u"To change Category"},
    {u"Changer De Compte", u"To change Account"},
    {u"Changer Mot De Passe", u"To change password"},
    {u"Voir Theme", u"To see Theme"},
    {u"Voir 12 Mois", u"To see 12 Months"},
    {u"Quitter", u"To leave"},
    {u"Convertir", u"To convert"},
    {u"Lisez Moi", u"Read Me"},
    {u"Orvane", u"Orvane"},
};

constexpr ui::Caption kTakeBackPrompt{u"MOIS A REPRENDRE", u"MONTH TO to TAKE"};
constexpr ui::Caption kConsultPrompt{u"MOIS A CONSULTER", u"MONTH TO to CONSULT"};
constexpr ui::Caption kChoicePrompt{u"E = EN COURS / A = ARCHIVE", u"E = IN PROGRESS / A = ARCHIVE"};
constexpr ui::Caption kYearPrompt{u"ANNEE CONCERNEE", u"CONCERNED YEAR"};
constexpr ui::Caption kConverterTitle{u"Montant en Francs", u"Going up in £"};

constexpr ui::Caption kNotAMonth{u"Tapez un numéro de mois de 1 à 12.", u"Type a month number from 1 to 12."};
constexpr ui::Caption kNoBrowser{u"Le navigateur n'a pas pu être ouvert.",
                                 u"The browser could not be opened."};

const QString kBoxTitle = QStringLiteral("TIRELOU");

enum Button {
    CurrentMonth = 1,
    NextMonth,
    TakeBack,
    Consult,
    Categories,
    ChangeAccount,
    ChangePassword,
    Theme,
    TwelveMonths,
    Leave,
    Convert,
    ReadMe,
    Maker
};

ui::InputField* MakeField(QWidget* parent, const QString& name) {
    auto* f = ui::Named<ui::InputField>(parent, name);
    f->setMaxLength(12);
    f->setFixedWidth(140);
    f->setAlignment(Qt::AlignCenter);
    return f;
}

} // namespace

MenuTirelou::MenuTirelou(const ui::ScreenEnv& env) : ScreenBase(env) {
    // Thirteen buttons: a column beside the menu rather than a row wider than the screen.
    toolbar1_ = makeToolbar(kButtons);
    layout()->removeWidget(toolbar1_);
    toolbar1_->setOrientation(Qt::Vertical);
    connect(toolbar1_, &ui::Toolbar::buttonClicked, this, &MenuTirelou::onToolbar);

    label1_ = makeTitle(ui::TitleCaptionCaps);
    label2_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("line"));
    label3_ = makeLabel(QStringLiteral("Label3"), QStringLiteral("line"));
    label4_ = makeLabel(QStringLiteral("Label4"), QStringLiteral("line"));
    label5_ = makeLabel(QStringLiteral("Label5"), QStringLiteral("prompt"));
    SetTitleLook(label1_);
    SetLineLook(label2_);
    SetLineLook(label3_);
    SetLineLook(label4_);
    SetPromptLook(label5_);
    picture_ = new ui::PiggyPicture(this);
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->setFixedSize(260, 195);
    text1_ = MakeField(this, QStringLiteral("Text1"));
    text2_ = MakeField(this, QStringLiteral("Text2"));
    text3_ = MakeField(this, QStringLiteral("Text3"));
    connect(text1_, &ui::InputField::entered, this, &MenuTirelou::onMonthEntered);
    yearQuestion_ = new ui::YearQuestion(label5_, text2_, text3_, this);
    connect(yearQuestion_, &ui::YearQuestion::answered, this, &MenuTirelou::finishConsult);

    auto* content = new QVBoxLayout;
    content->addSpacing(8);
    content->addWidget(label1_);
    content->addSpacing(14);
    content->addWidget(label2_);
    content->addSpacing(4);
    content->addWidget(label3_);
    content->addSpacing(4);
    content->addWidget(label4_);
    content->addStretch(1);
    content->addWidget(picture_, 0, Qt::AlignHCenter);
    content->addWidget(label5_, 0, Qt::AlignHCenter);
    content->addSpacing(8);
    content->addWidget(text1_, 0, Qt::AlignHCenter);
    content->addWidget(text2_, 0, Qt::AlignHCenter);
    content->addWidget(text3_, 0, Qt::AlignHCenter);
    content->addStretch(2);

    auto* row = new QHBoxLayout;
    row->addWidget(toolbar1_);
    row->addSpacing(16);
    row->addLayout(content, 1);
    body()->addLayout(row, 1);
    setCaption(kFrameCaption);
}

void MenuTirelou::load() {
    showMenu();
    applyScale();
    // One width for the whole column of buttons, the widest caption's.
    int widest = 0;
    for (int i = CurrentMonth; i <= Maker; ++i)
        if (QToolButton* b = toolbar1_->buttonWidget(i))
            widest = std::max(widest, b->sizeHint().width());
    for (int i = CurrentMonth; i <= Maker; ++i)
        if (QToolButton* b = toolbar1_->buttonWidget(i))
            b->setFixedWidth(widest);
}

void MenuTirelou::showMenu() {
    dialogue_ = Dialogue::None;
    readLanguage();
    setFrameCaption(text(kFrameCaption));

    picture_->show();
    label5_->hide();
    label5_->clear();
    for (ui::InputField* f : {text1_, text2_, text3_})
        f->hide();
    for (int i = CurrentMonth; i <= ReadMe; ++i) {
        toolbar1_->setButtonVisible(i, true);
        toolbar1_->setButtonEnabled(i, true);
    }

    label2_->setText(MenuDateLine(ctx().clock.today(), QLocale::system()));
    MonthTableName(ctx(), ctx().currentMonth);
    label3_->setText(text(kMonthLine) + ctx().monthTable);
    ReadRemainder(ctx());

    if (ctx().accountNumber.trimmed().isEmpty()) {
        for (int i = CurrentMonth; i <= ReadMe; ++i)
            toolbar1_->setButtonVisible(i, false);
        label4_->setText(text(kEmptyAccount));
        label5_->setText(text(kRestart));
        label5_->show();
    } else {
        label4_->setText(AccountLine(ctx()));
    }
}

void MenuTirelou::openNext(const QString& screen) {
    open(screen);
    if (frame().current() == this) // not built yet: the frame said so, the menu stays
        showMenu();
}

void MenuTirelou::showField(ui::InputField* field, const QString& value) {
    field->setText(value);
    field->show();
    field->setFocus();
    field->selectAll(); // typing replaces the value offered
}

void MenuTirelou::onToolbar(int index) {
    switch (index) {
    case CurrentMonth:
        if (!guarded([this] { WriteCurrentMonthHandOver(ctx()); }))
            return;
        openNext(screen::MoisEnCours);
        break;
    case NextMonth:
        openNext(screen::MoisSuivant);
        break;
    case TakeBack:
        startDialogue(Dialogue::TakeBack);
        break;
    case Consult:
        startDialogue(Dialogue::Consult);
        break;
    case Categories:
        openNext(screen::RubriqueVoir);
        break;
    case ChangeAccount:
        CloseAccountDb(ctx());
        open(screen::MotDePasse);
        break;
    case ChangePassword:
        CloseAccountDb(ctx());
        open(screen::Code);
        break;
    case Theme:
        openNext(screen::MoisThem);
        break;
    case TwelveMonths:
        openNext(screen::VoirDouze);
        break;
    case Leave:
        endProgram();
        break;
    case Convert:
        message(FrancsText(ctx().month.remainderText, french(), QLocale::system().decimalPoint()),
                text(kConverterTitle), ui::MessageIcon::Information);
        break;
    case ReadMe:
        if (!OpenHelp(ctx(), &frame(), screen::MenuTirelou))
            message(text(kNoBrowser), kBoxTitle, ui::MessageIcon::Stop);
        break;
    case Maker:
        if (!OpenMakerSite(&frame()))
            message(text(kNoBrowser), kBoxTitle, ui::MessageIcon::Stop);
        break;
    default:
        break;
    }
}

void MenuTirelou::startDialogue(Dialogue dialogue) {
    dialogue_ = dialogue;
    picture_->hide();
    text2_->hide();
    text3_->hide();
    label5_->setText(text(dialogue == Dialogue::TakeBack ? kTakeBackPrompt : kConsultPrompt));
    label5_->show();
    showField(text1_, QStringLiteral("1"));
}

void MenuTirelou::onMonthEntered() {
    const QString typed = text1_->text().trimmed();
    if (dialogue_ == Dialogue::TakeBack && typed.isEmpty()) {
        showMenu();
        return;
    }
    const std::optional<int> month = TypedMonth(typed);
    if (!month) {
        message(text(kNotAMonth), kBoxTitle, ui::MessageIcon::Stop);
        showField(text1_, text1_->text());
        return;
    }
    if (dialogue_ == Dialogue::TakeBack) {
        if (guarded([&] { SetCurrentMonth(ctx(), *month); }))
            open(screen::MotDePasse);
        return;
    }
    text1_->hide();
    yearQuestion_->setTexts({text(kChoicePrompt), text(kYearPrompt)});
    yearQuestion_->ask(QStringLiteral("E"), LastYearText(ctx()));
}

void MenuTirelou::finishConsult(bool archive, const QString& year) {
    label5_->clear();
    const int month = TypedMonth(text1_->text()).value_or(1);
    if (!guarded([&] { WriteConsultHandOver(ctx(), month, archive, year); })) {
        showMenu();
        return;
    }
    openNext(screen::MoisConsulter);
}

} // namespace tirelou::accounts
