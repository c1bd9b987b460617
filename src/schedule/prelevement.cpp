#include "schedule/prelevement.h"

#include "data/handover.h"
#include "data/numbers.h"
#include "data/routines.h"
#include "data/workingcontext.h"
#include "schedule/schedule.h"
#include "schedule/scheduleui.h"
#include "ui/screennames.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tirelou::schedule {
namespace {

// ---- Entry
constexpr ui::Caption kEntryWindow{u"Enregistrer Prelevement", u"To record Taking"};
constexpr ui::Caption kEntryHeading{u"CREATION DE PRELEVEMENT", u"CREATION OF TAKING"};
constexpr ui::Caption kChoiceHeading{u"CHOIX DE LA RUBRIQUE POUR LE PRELEVEMENT",
                                     u"CHOICE OF THE CATEGORY FOR THE TAKING"};
constexpr ui::Caption kChosen{u"La Rubrique Choisi est ", u"The Chosen Category is "};
constexpr ui::Caption kLabelOrEnd{u"Libelle   ou Fin", u"Draw Thin either"};
constexpr ui::Caption kLabel{u"Libelle   ", u"Libelle   "};
constexpr ui::Caption kAmount{u"Montant  ", u"Going up  "};
constexpr ui::Caption kMonths{u"Nombre de Mois", u"Number of Month"};
constexpr ui::Caption kTotal{u"Reste à Regler ", u"Remain to Adjust "};
constexpr ui::Caption kDateTyping{u"Date (jj/mm/aaaa) ", u"Date (mm/dd/yyyy) "};
constexpr ui::Caption kDateDone{u"Date (jj/mm/aaaa)  ", u"Date (mm/dd/yyyy)  "};
constexpr ui::Caption kEntryButtons[3] = {
    {u"Enregistrer", u"To record"},
    {u"Reprendre", u"To take"},
    {u"Quitter", u"To leave"},
};
const QString kEnd = QStringLiteral("FIN");

// ---- List
constexpr ui::Caption kListWindow{u"Voir Prelevement", u"To see Taking"};
constexpr ui::Caption kListTitle{u" Tirelou Familial ", u" Tirelou Familial "};
constexpr ui::Caption kListHeading{u"VOIR PRELEVEMENT", u"To SEE TAKING"};
constexpr ui::Caption kListButtons[4] = {
    {u"CREER UN PRELEVEMENT", u"To CREATE A TAKING"},
    {u"VOIR UN PRELEVEMENT", u"To SEE A TAKING"},
    {u"MODIF D'UN PRELEVEMENT", u"MODIFI. OF A TAKING"},
    {u"RETOUR", u"RETURN"},
};
constexpr ui::Caption kKind{u"  PRELEVEMENT", u"  TAKING"};
constexpr ui::Caption kListTotal{u"Total des Prélèvements", u"Total of Taking"};

} // namespace

// ---- EnregisPrelev

EnregisPrelev::EnregisPrelev(const ui::ScreenEnv& env) : ScreenBase(env) {
    QLabel* title = makeTitle(ui::TitleCaption);
    heading_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("heading"));
    heading_->setAlignment(Qt::AlignCenter);
    keepCaptioned(heading_, kEntryHeading);
    lines_ = makeAccountLine(QStringLiteral("Label3"), QStringLiteral("Label4"));
    choiceHeading_ = makeLabel(QStringLiteral("Label5"), QStringLiteral("heading"));
    chosen_ = makeLabel(QStringLiteral("Label6"), QStringLiteral("heading"));
    list1_ = ui::Named<ui::CategoryListBox>(this, QStringLiteral("List1"));
    list1_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    text1_ = MakeInput(this, QStringLiteral("Text1"));
    text2_ = MakeInput(this, QStringLiteral("Text2"));
    text3_ = MakeInput(this, QStringLiteral("Text3"));
    text4_ = MakeInput(this, QStringLiteral("Text4"));
    form_ = new ui::FormRows(this);
    ui::InputField* const inputs[4] = {text1_, text2_, text3_, text4_};
    for (int i = 0; i < 4; ++i)
        form_->addRow(QStringLiteral("Prompt%1").arg(i), QStringLiteral("Echo%1").arg(i), inputs[i]);

    body()->addWidget(title);
    body()->addWidget(heading_);
    body()->addWidget(lines_);
    body()->addWidget(choiceHeading_);
    body()->addWidget(list1_, 0, Qt::AlignHCenter);
    body()->addWidget(chosen_);
    body()->addWidget(form_);
    body()->addStretch(1);

    setCaption(kEntryWindow);
    connect(makeToolbar(kEntryButtons), &ui::Toolbar::buttonClicked, this, &EnregisPrelev::onToolbar);
    connect(list1_, &ui::ListBox::itemChosen, this, &EnregisPrelev::onCategoryChosen);
    connect(text1_, &ui::InputField::entered, this, &EnregisPrelev::onLabel);
    connect(text2_, &ui::InputField::entered, this, &EnregisPrelev::onAmount);
    connect(text3_, &ui::InputField::entered, this, &EnregisPrelev::onMonths);
    connect(text4_, &ui::InputField::entered, this, &EnregisPrelev::onDate);
}

void EnregisPrelev::load() {
    readLanguage();
    MonthTableName(ctx(), ctx().currentMonth);
    start();
    applyScale();
}

void EnregisPrelev::start() {
    toolbar()->setButtonVisible(1, false);
    toolbar()->setButtonVisible(2, false);
    toolbar()->setButtonVisible(3, true);
    for (ui::InputField* t : {text1_, text2_, text3_, text4_}) {
        t->clear();
        t->hide();
    }
    form_->clearAll();
    form_->hide();
    heading_->hide();
    chosen_->hide();
    QString reste;
    guarded([&] {
        reste = ReadRemainderText(ctx());
        LoadCategories(ctx());
        WriteHandOver(ctx(), handover::Lire, {QStringLiteral("PRELEVEMENT")});
    });
    lines_->setTexts(text(ui::AccountCaption) + ctx().accountNumber, RemainderDisplay(reste));
    list1_->fill(ctx());
    choiceHeading_->setText(text(kChoiceHeading));
    choiceHeading_->show();
    list1_->show();
    list1_->setFocus();
}

void EnregisPrelev::onCategoryChosen(int row) {
    const int index = list1_->categoryIndex(row);
    if (index < 0)
        return;
    // The save takes the category from the hand-over file: without it, no entry.
    if (!guarded([&] { WriteHandOver(ctx(), handover::Lire, {static_cast<double>(index)}); }))
        return;
    list1_->hide();
    choiceHeading_->hide();
    form_->show();
    heading_->show();
    chosen_->setText(text(kChosen) + list1_->itemText(row));
    chosen_->show();
    form_->setPrompt(0, text(kLabelOrEnd));
    ui::ShowInput(text1_, QString());
}

void EnregisPrelev::onLabel() {
    const QString label = text1_->text().toUpper();
    if (label.trimmed() == kEnd) {
        open(screen::VoirPrelev);
        return;
    }
    form_->answer(0, text(kLabel), label.trimmed());
    form_->setPrompt(1, text(kAmount));
    ui::ShowInput(text2_, QString());
}

void EnregisPrelev::onAmount() {
    form_->answer(1, text(kAmount), FormatAmount(TypedNumber(text2_->text())));
    form_->setPrompt(2, text(kMonths));
    ui::ShowInput(text3_, QString());
}

void EnregisPrelev::onMonths() {
    const double total = TypedNumber(text2_->text()) * TypedNumber(text3_->text());
    form_->answer(2, text(kTotal), FormatAmount(total));
    form_->setPrompt(3, text(kDateTyping));
    ui::ShowInput(text4_, TodayField(ctx()));
}

void EnregisPrelev::onDate() {
    form_->answer(3, text(kDateDone), text4_->text());
    toolbar()->setButtonVisible(1, true);
    toolbar()->setButtonVisible(2, true);
    toolbar()->focusButton(1);
}

void EnregisPrelev::save() {
    const int index = static_cast<int>(HandOverReader(ctx(), handover::Lire).numberItem());
    const ScheduledInput in{ctx().categoryList.value(index), text1_->text(), text2_->text(), text3_->text(),
                            text4_->text()};
    if (in.category.trimmed().isEmpty()) {
        start(); // the category was lost: choose it again
        return;
    }
    if (guarded([&] { AddDirectDebit(ctx(), in); }))
        open(screen::VoirPrelev);
}

void EnregisPrelev::onToolbar(int index) {
    switch (index) {
    case 1:
        save();
        break;
    case 2:
        start();
        break;
    case 3:
        open(screen::VoirPrelev);
        break;
    default:
        break;
    }
}

// ---- VoirPrelev

VoirPrelev::VoirPrelev(const ui::ScreenEnv& env) : ScreenBase(env) {
    QLabel* title = makeTitle(kListTitle);
    heading_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("heading"));
    heading_->setAlignment(Qt::AlignCenter);
    lines_ = makeAccountLine(QStringLiteral("Label3"), QStringLiteral("Label4"));
    grid_ = MakeGrid(this, {3400, 2400, 2900, 2300}, 0);
    body()->addWidget(title);
    body()->addWidget(heading_);
    body()->addWidget(lines_);
    body()->addWidget(grid_);
    body()->addStretch(1);
    setCaption(kListWindow);
    connect(makeToolbar(kListButtons), &ui::Toolbar::buttonClicked, this, &VoirPrelev::onToolbar);
}

void VoirPrelev::load() {
    readLanguage();
    MonthTableName(ctx(), ctx().currentMonth);
    for (int i = 1; i <= 4; ++i)
        toolbar()->setButtonVisible(i, true);
    grid_->hide();
    heading_->hide();
    lines_->hide();
    applyScale();
}

void VoirPrelev::showList() {
    toolbar()->setButtonVisible(1, false);
    toolbar()->setButtonVisible(2, false);
    heading_->setText(text(kListHeading));
    heading_->show();
    WriteHandOver(ctx(), handover::Lire, {QStringLiteral("6")});
    LoadMonth(ctx(), ctx().monthTable);
    HandOverReader(ctx(), handover::Lire).item();
    lines_->setTexts(text(kListAccount) + ctx().accountNumber, RemainderDisplay(ctx().month.remainderText));
    lines_->show();

    FillScheduledGrid(grid_, french(), ctx().monthTable, ListScheduled(ctx().month, DirectDebitKind),
                      text(kKind), text(kListTotal));
    grid_->show();
}

void VoirPrelev::onToolbar(int index) {
    switch (index) {
    case 1:
        open(screen::EnregisPrelev);
        break;
    case 2:
        guarded([this] { showList(); });
        break;
    case 3:
        open(screen::ModifPrel);
        break;
    case 4:
        open(screen::Prevision);
        break;
    default:
        break;
    }
}

} // namespace tirelou::schedule
