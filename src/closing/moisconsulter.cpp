#include "closing/moisconsulter.h"

#include "closing/consult.h"
#include "data/handover.h"
#include "data/numbers.h"
#include "data/workingcontext.h"
#include "month/overview.h"
#include "ui/reportgrid.h"
#include "ui/screennames.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace tirelou {
namespace {

constexpr ui::Caption kConsultCaption{u"Mois Consulté", u"Consulted month"};
constexpr ui::Caption kConsultBanner{u" TIRELOU FAMILIAL ", u" DOMESTIC TIRELOU "};
constexpr ui::Caption kConsultMonth{u"Mois Consulter  ", u"Month to Consult  "};
constexpr ui::Caption kConsultButtons[] = {
    {u"VOIR COMPTE", u"To SEE ACCOUNT"},
    {u"VOIR THEME", u"To SEE THEME"},
    {u"VOIR RUBRIQUES", u"To SEE CATEGORIES"},
    {u"QUITTER", u"To LEAVE"},
};
enum ConsultButton { SeeAccount = 1, SeeTheme, SeeCategories, LeaveConsult };

constexpr ui::Caption kReadCaption{u"Voir Rubriques", u"To see Categories"};
constexpr ui::Caption kReadBanner{u" Tirelou Familial ", u" Domestic Tirelou "};
constexpr ui::Caption kReadAccount{u"Compte ", u"Account "};
constexpr ui::Caption kReadMonth{u"Mois ", u"Month "};
constexpr ui::Caption kReadCategory{u"  Rubrique ", u"  Category "};
constexpr ui::Caption kReadButtons[] = {
    {u"SUITE", u"FOLLOWING"},
    {u"QUITTER", u"To LEAVE"},
};
enum ReadButton { Following = 1, LeaveRead };

} // namespace

// ---- MoisConsulter

MoisConsulter::MoisConsulter(const ui::ScreenEnv& env) : ScreenBase(env) {
    label1_ = makeLabel(QStringLiteral("Label1"), QStringLiteral("title"));
    label7_ = makeLabel(QStringLiteral("Label7"), QStringLiteral("heading"));
    label6_ = makeLabel(QStringLiteral("Label6"), QStringLiteral("line"));
    label8_ = makeLabel(QStringLiteral("Label8"), QStringLiteral("line"));
    for (QLabel* l : {label1_, label7_, label6_, label8_})
        l->setAlignment(Qt::AlignCenter);
    list1_ = ui::Named<ui::CategoryListBox>(this, QStringLiteral("List1"));
    keepCaptioned(label1_, kConsultBanner);
    setCaption(kConsultCaption);

    body()->addWidget(label1_);
    body()->addWidget(label7_);
    body()->addWidget(label6_);
    body()->addWidget(label8_);
    body()->addSpacing(8);
    body()->addWidget(list1_, 1, Qt::AlignHCenter);
    body()->addStretch(0);

    connect(makeToolbar(kConsultButtons), &ui::Toolbar::buttonClicked, this, &MoisConsulter::onToolbar);
}

void MoisConsulter::load() {
    setFrameCaption(QStringLiteral("TIRELOU"));
    readLanguage();
    label6_->setText(HubDateLine(ctx().clock.today(), french()));

    Consultation c;
    const bool opened = guarded([&] {
        c = OpenConsultedMonth(ctx());
        if (c.open == YearOpen::Opened)
            HandConsultationOver(ctx(), c);
    });
    const bool shown = opened && c.open == YearOpen::Opened;
    for (int i = SeeAccount; i <= SeeCategories; ++i)
        toolbar()->setButtonVisible(i, shown);
    list1_->clear();
    if (!shown) {
        label7_->setText(text(kConsultMonth));
        label8_->setText(ctx().accountNumber);
        if (opened)
            message(MissingYearMessage(ctx(), c.archive, c.encour.yearText), QStringLiteral("TIRELOU"),
                    ui::MessageIcon::Stop);
        applyScale();
        return;
    }
    // The year follows the month: an archived month is told from the current year's.
    label7_->setText(text(kConsultMonth) + ctx().monthTable + QStringLiteral("  ") + c.yearText);
    label8_->setText(ctx().accountNumber + QStringLiteral("   ") +
                     FormatAmount(BalanceOf(ctx().month.remainderText)) + QStringLiteral(" €"));
    list1_->fill(ctx(), true);
    applyScale();
    list1_->setFocus();
}

void MoisConsulter::onToolbar(int index) {
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
    case LeaveConsult:
        leave();
        break;
    default:
        break;
    }
}

void MoisConsulter::leave() {
    if (guarded([this] { EndConsultation(ctx()); }))
        open(screen::MenuTirelou);
}

// ---- LireRubriques

LireRubriques::LireRubriques(const ui::ScreenEnv& env) : ScreenBase(env) {
    label1_ = makeLabel(QStringLiteral("Label1"), QStringLiteral("title"));
    account_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("line"));
    month_ = makeLabel(QStringLiteral("Label3"), QStringLiteral("line"));
    category_ = makeLabel(QStringLiteral("Label4"), QStringLiteral("line"));
    label1_->setAlignment(Qt::AlignCenter);
    list1_ = ui::Named<ui::CategoryListBox>(this, QStringLiteral("List1"));
    keepCaptioned(label1_, kReadBanner);
    setCaption(kReadCaption);
    grid_ = ui::Named<ui::Grid>(this, QStringLiteral("MSFlexGrid1"));
    grid_->setColumnCount(4);
    grid_->setDesignedColumnWidths({4900, 2400, 1800, 2200});
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    auto* headings = new QHBoxLayout;
    headings->addWidget(account_);
    headings->addStretch(1);
    headings->addWidget(month_);
    headings->addStretch(1);
    headings->addWidget(category_);
    body()->addWidget(label1_);
    body()->addLayout(headings);
    body()->addWidget(list1_, 1, Qt::AlignHCenter);
    body()->addWidget(grid_, 1);
    body()->addStretch(0);

    connect(makeToolbar(kReadButtons), &ui::Toolbar::buttonClicked, this, &LireRubriques::onToolbar);
    connect(list1_, &ui::ListBox::itemChosen, this, &LireRubriques::onCategoryChosen);
}

void LireRubriques::load() {
    setFrameCaption(QStringLiteral("TIRELOU"));
    showList();
    applyScale();
}

void LireRubriques::showList() {
    readLanguage();
    grid_->clearAll();
    grid_->hide();
    for (QLabel* l : {account_, month_, category_})
        l->hide();
    list1_->clear();
    Consultation c;
    const bool opened = guarded([&] { c = OpenConsultedMonth(ctx()); });
    if (opened && c.open == YearOpen::Missing)
        message(MissingYearMessage(ctx(), c.archive, c.encour.yearText), QStringLiteral("TIRELOU"),
                ui::MessageIcon::Stop);
    if (opened && c.open == YearOpen::Opened)
        list1_->fill(ctx(), true);
    list1_->show();
    list1_->setFocus();
}

void LireRubriques::onCategoryChosen(int row) {
    const int index = list1_->categoryIndex(row);
    if (index < 0)
        return;
    const QString name = ctx().categoryList.value(index);
    Consultation c;
    const bool done = guarded([&] {
        WriteChosenCategory(ctx(), list1_->itemText(row), index);
        c = OpenConsultedMonth(ctx());
    });
    if (!done || c.open != YearOpen::Opened)
        return;
    list1_->hide();
    account_->setText(text(kReadAccount) + ctx().accountNumber);
    month_->setText(text(kReadMonth) + ctx().monthTable.toUpper());
    category_->setText(text(kReadCategory) + name);
    for (QLabel* l : {account_, month_, category_})
        l->show();
    ui::FillReportGrid(*grid_,
                       CategoryReport(ViewCategory(ctx().month, name), ctx().monthTable, name, french()));
    grid_->show();
    grid_->setFocus();
}

void LireRubriques::onToolbar(int index) {
    switch (index) {
    case Following:
        showList();
        break;
    case LeaveRead: {
        const YearHandOver encour = ReadYearHandOver(ctx(), handover::Encour);
        open(encour.modeWord == mode::Encour ? screen::MoisEnCours : screen::MoisConsulter);
        break;
    }
    default:
        break;
    }
}

} // namespace tirelou
