#include "closing/rollover.h"
#include "data/errors.h"
#include "data/printdoc.h"
#include "data/workingcontext.h"
#include "support/guitest.h"
#include "ui/printer.h"
#include "ui/screenbase.h"
#include "ui/screenparts.h"
#include "ui/widgets.h"

#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

using namespace tirelou;
using namespace tirelou::test;
using namespace Qt::StringLiterals;

namespace {

constexpr ui::Caption kTitle{u"Écran d'essai", u"Test screen"};

// A small screen using each control the way the real screens do.
class Essai : public ui::ScreenBase {
public:
    using ScreenBase::ScreenBase;

    void load() override {
        readLanguage();
        setCaption(text(kTitle));
        setFrameCaption(QStringLiteral("TIRELOU"));
        echo = makeLabel(QStringLiteral("echo"), QStringLiteral("echo"));
        prompt = makeLabel(QStringLiteral("Label1"), QStringLiteral("prompt"));
        prompt->setText(QStringLiteral("Nom de la banque ?"));
        field = ui::Named<ui::InputField>(this, QStringLiteral("Text1"));
        list = new ui::ListBox(this);
        list->setObjectName(QStringLiteral("List1"));
        list->addItems({QStringLiteral("ASSURANCES"), QStringLiteral("ENERGIE"), QStringLiteral("MAISON")});
        grid = new ui::Grid(this);
        grid->setObjectName(QStringLiteral("MSFlexGrid1"));
        grid->setDesignedColumnWidths({450, 3200});
        grid->setText(0, 0, QStringLiteral("N°"));
        grid->setText(0, 1, QStringLiteral("BANQUE"));
        for (int r = 1; r <= 3; ++r) {
            grid->setText(r, 0, QString::number(r));
            grid->setText(r, 1, QStringLiteral("COMPTE %1").arg(r));
        }
        body()->addWidget(echo);
        body()->addWidget(prompt);
        body()->addWidget(field);
        body()->addWidget(list);
        body()->addWidget(grid);
        toolbar()->addButton(QStringLiteral("Un"));
        toolbar()->addSeparator();
        toolbar()->addButton(QStringLiteral("Trois"));
        toolbar()->addButton(QStringLiteral("Suivant"));
        toolbar()->addButton(QStringLiteral("Attendre"));
        connect(field, &ui::InputField::entered, this, [this] { echo->setText(field->text()); });
        connect(list, &ui::ListBox::itemChosen, this,
                [this](int i) { echo->setText(QStringLiteral("list %1 %2").arg(i).arg(list->itemText(i))); });
        connect(grid, &QTableWidget::cellClicked, this, [this](int r, int c) {
            echo->setText(QStringLiteral("cell %1,%2 %3").arg(r).arg(c).arg(grid->text(r, c)));
        });
        connect(toolbar(), &ui::Toolbar::buttonClicked, this, [this](int index) {
            echo->setText(QStringLiteral("button %1").arg(index));
            if (index == 1)
                message(QStringLiteral("Bonjour"), QStringLiteral("TIRELOU"), ui::MessageIcon::Stop);
            if (index == 4)
                open(QStringLiteral("Second"));
            if (index == 5)
                pause([this] { echo->setText(QStringLiteral("waited")); });
        });
        applyScale();
    }

    using ScreenBase::guarded;

    QLabel* echo = nullptr;
    QLabel* prompt = nullptr;
    ui::InputField* field = nullptr;
    ui::ListBox* list = nullptr;
    ui::Grid* grid = nullptr;
};

// Opens another screen while it loads, as the login screen does when there is no account.
class Chain : public ui::ScreenBase {
public:
    using ScreenBase::ScreenBase;
    void load() override { open(QStringLiteral("Second")); }
};

class Second : public ui::ScreenBase {
public:
    using ScreenBase::ScreenBase;
    void load() override { setCaption(QStringLiteral("Second")); }
};

constexpr ui::Caption kDeuxButtons[] = {{u"Garder", u"Keep"}, ui::ToolbarSeparator, {u"Partir", u"Go"}};
constexpr ui::Caption kDeuxLine{u"Ligne", u"Line"};

// Declares its texts once; they follow the language each time it is read.
class Deux : public ui::ScreenBase {
public:
    explicit Deux(const ui::ScreenEnv& env) : ScreenBase(env) {
        setCaption(kTitle);
        line = makeLabel(QStringLiteral("Label1"));
        keepCaptioned(line, kDeuxLine);
        list = ui::Named<ui::CategoryListBox>(this, QStringLiteral("List1"));
        makeToolbar(kDeuxButtons);
    }
    void load() override { readLanguage(); }
    void relabel() { readLanguage(); }

    QLabel* line;
    ui::CategoryListBox* list;
};

class ToolkitTest : public GuiTest {
protected:
    ToolkitTest() {
        registry.add<Essai>(QStringLiteral("Essai"));
        registry.add<Chain>(QStringLiteral("Chain"));
        registry.add<Second>(QStringLiteral("Second"));
        registry.add<Deux>(QStringLiteral("Deux"));
        data.setLanguage(French);
    }
    Essai* essai() { return dynamic_cast<Essai*>(current()); }
};

} // namespace

TEST_F(ToolkitTest, TypedKeysAreUpperCasedAndEnterCompletes) {
    open(QStringLiteral("Essai"));
    ASSERT_NE(essai(), nullptr);
    EXPECT_EQ(essai()->caption(), QStringLiteral("Écran d'essai"));
    Type(essai()->field, QStringLiteral("carte bleue é"));
    EXPECT_EQ(essai()->field->text(), QStringLiteral("CARTE BLEUE É"));
    EXPECT_EQ(essai()->echo->text(), QString());
    PressEnter(essai()->field);
    EXPECT_EQ(essai()->echo->text(), QStringLiteral("CARTE BLEUE É"));

    // Pasted text too.
    essai()->field->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("non merci"));
    QTest::keyClick(essai()->field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(essai()->field->text(), QStringLiteral("NON MERCI"));

    essai()->field->clear();
    essai()->field->setUpperCase(false);
    Type(essai()->field, QStringLiteral("Mot"));
    EXPECT_EQ(essai()->field->text(), QStringLiteral("Mot"));
}

TEST_F(ToolkitTest, ToolbarIndexesCountSeparators) {
    open(QStringLiteral("Essai"));
    ui::Toolbar* bar = toolbar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->count(), 5);
    EXPECT_EQ(bar->caption(3), QStringLiteral("Trois"));
    clickToolbar(3);
    EXPECT_EQ(essai()->echo->text(), QStringLiteral("button 3"));
    bar->setButtonVisible(3, false);
    EXPECT_FALSE(bar->isButtonVisible(3));
    bar->setButtonEnabled(1, false);
    EXPECT_FALSE(bar->isButtonEnabled(1));
    EXPECT_EQ(bar->button(0), nullptr);
    EXPECT_EQ(bar->button(6), nullptr);
}

TEST_F(ToolkitTest, GridAndListClicksGiveTheClickedCell) {
    open(QStringLiteral("Essai"));
    ClickGridCell(essai()->grid, 2, 1);
    EXPECT_EQ(essai()->echo->text(), QStringLiteral("cell 2,1 COMPTE 2"));
    EXPECT_EQ(essai()->grid->currentRow(), 2);
    ClickGridCell(essai()->grid, 0, 0); // the heading row is clickable too
    EXPECT_EQ(essai()->echo->text(), QStringLiteral("cell 0,0 N°"));
    ClickListItem(essai()->list, 2);
    EXPECT_EQ(essai()->echo->text(), QStringLiteral("list 2 MAISON"));

    ui::Grid* grid = essai()->grid;
    EXPECT_EQ(grid->rowTexts().first(), QStringLiteral("N°|BANQUE"));
    // Focus given by a screen leaves no cell marked, the heading least of all.
    grid->setCurrentIndex(QModelIndex());
    essai()->field->setFocus();
    grid->setFocus(Qt::OtherFocusReason);
    EXPECT_FALSE(grid->currentIndex().isValid());
    grid->setAlignment(1, 1, Qt::AlignRight);
    EXPECT_TRUE(grid->item(1, 1)->textAlignment() & Qt::AlignRight);
    EXPECT_EQ(grid->addRow(), 4);
    grid->clearAll();
    EXPECT_EQ(grid->rowCount(), 0);
}

TEST_F(ToolkitTest, GridsListsAndToolbarWorkWithTheKeyboardAlone) {
    open(QStringLiteral("Essai"));
    ui::Grid* grid = essai()->grid;
    ClickGridCell(grid, 0, 1); // a clicked heading is reported but never shown as chosen
    EXPECT_EQ(essai()->echo->text(), QStringLiteral("cell 0,1 BANQUE"));
    EXPECT_TRUE(grid->selectedItems().isEmpty());

    grid->setCurrentIndex(QModelIndex());
    grid->setFocus(Qt::TabFocusReason);
    QTest::keyClick(grid, Qt::Key_Down); // the first arrow lands below the heading
    EXPECT_EQ(grid->currentRow(), 1);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(essai()->echo->text(), QStringLiteral("cell 2,1 COMPTE 2"));
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(essai()->echo->text(), QStringLiteral("cell 1,1 COMPTE 1"));
    QTest::keyClick(grid, Qt::Key_Tab); // Tab leaves the grid, its row kept
    EXPECT_FALSE(grid->hasFocus());
    EXPECT_EQ(grid->currentRow(), 1);

    essai()->list->setFocus();
    essai()->list->setCurrentRow(0);
    QTest::keyClick(essai()->list, Qt::Key_Down);
    QTest::keyClick(essai()->list, Qt::Key_Return);
    EXPECT_EQ(essai()->echo->text(), QStringLiteral("list 1 ENERGIE"));

    // Tab goes on to the toolbar's buttons, and Space presses the one with the focus.
    QToolButton* first = toolbar()->buttonWidget(1);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->focusPolicy() & Qt::TabFocus);
    first->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(WaitFor([&] { return first->hasFocus(); }));
    QTest::keyClick(first, Qt::Key_Space);
    EXPECT_TRUE(essai()->echo->text().startsWith(QStringLiteral("button 1")));
}

TEST_F(ToolkitTest, MessageBoxesAreAnsweredByTheTest) {
    open(QStringLiteral("Essai"));
    clickToolbar(1);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text, QStringLiteral("Bonjour"));
    EXPECT_EQ(messages()[0].title, QStringLiteral("TIRELOU"));
    EXPECT_EQ(messages()[0].icon, ui::MessageIcon::Stop);
}

TEST_F(ToolkitTest, ScreenReadersHearLabelTextsAndFieldPrompts) {
    open(QStringLiteral("Essai"));
    const auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    essai()->echo->setText(QStringLiteral("Reste 1 234,56"));
    EXPECT_EQ(name(essai()->echo), QStringLiteral("Reste 1 234,56"));
    EXPECT_EQ(essai()->echo->objectName(), QStringLiteral("echo"));
    EXPECT_EQ(name(essai()->field), QStringLiteral("Nom de la banque ?"));
    EXPECT_EQ(essai()->field->accessibleDescription(), QStringLiteral("Text1"));

    // The prompt asked when the field takes the focus is the one heard; a buddy comes first.
    essai()->prompt->setText(QStringLiteral("Montant ?"));
    essai()->field->clearFocus();
    essai()->field->setFocus();
    EXPECT_EQ(name(essai()->field), QStringLiteral("Montant ?"));
    essai()->echo->setBuddy(essai()->field);
    essai()->list->setFocus();
    essai()->field->setFocus();
    EXPECT_EQ(name(essai()->field), QStringLiteral("Reste 1 234,56"));
}

TEST_F(ToolkitTest, NoTextWidensTheFramePastTheScreen) {
    frame->resize(800, 600);
    open(QStringLiteral("Essai"));
    const int screenWidth = frame->screen()->availableGeometry().width();
    auto* byHand = new QLabel(essai());
    essai()->layout()->addWidget(byHand);
    ui::KeepLabelsNarrow(essai()); // as the frame does for the labels a screen made itself
    essai()->echo->setText(QString(u'9').repeated(309) + QStringLiteral(",00"));
    essai()->prompt->setText(
        QStringLiteral("CE LIBELLE DE SOIXANTE-DIX CARACTERES NE DOIT PAS ELARGIR LE CADRE"));
    byHand->setText(QString(u'X').repeated(90));
    settle();
    EXPECT_LE(frame->width(), std::min(screenWidth, 800));
    EXPECT_LE(essai()->field->geometry().right(), frame->width());
    open(QStringLiteral("Second"));
    settle();
    EXPECT_LE(frame->width(), std::min(screenWidth, 800));
}

TEST_F(ToolkitTest, AFailureIsToldInTheWorkingLanguageOnly) {
    open(QStringLiteral("Essai"));
    EXPECT_FALSE(essai()->guarded([] { throw std::range_error("amount too large to be kept"); }));
    EXPECT_FALSE(essai()->guarded([] { throw DbError("no such table: Banque"); }));
    ASSERT_EQ(messages().size(), 2);
    EXPECT_EQ(messages()[0].text, QStringLiteral("L'opération n'a pas pu se faire, rien n'a été modifié :\n"
                                                 "le montant est trop grand pour être gardé."));
    EXPECT_FALSE(messages()[1].text.contains(QStringLiteral("table")));
}

TEST_F(ToolkitTest, OpeningAScreenClosesThePreviousOne) {
    open(QStringLiteral("Essai"));
    QPointer<ui::ScreenBase> first = current();
    clickToolbar(4);
    settle();
    EXPECT_EQ(currentName(), QStringLiteral("Second"));
    EXPECT_TRUE(first.isNull());

    // A screen that opens another while loading leaves only the other one.
    open(QStringLiteral("Chain"));
    settle();
    EXPECT_EQ(currentName(), QStringLiteral("Second"));
    EXPECT_EQ(frame->findChildren<ui::ScreenBase*>().size(), 1);

    // A screen not built yet: the current one stays and the user is told.
    open(QStringLiteral("Nowhere"));
    EXPECT_EQ(currentName(), QStringLiteral("Second"));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text, QStringLiteral("Cet écran n'est pas encore disponible."));
}

TEST_F(ToolkitTest, PauseDisablesTheScreenThenGoesOn) {
    open(QStringLiteral("Essai"));
    clickToolbar(5);
    EXPECT_FALSE(essai()->isEnabled());
    EXPECT_TRUE(WaitFor([this] { return essai()->echo->text() == QStringLiteral("waited"); }));
    EXPECT_TRUE(essai()->isEnabled());
}

TEST_F(ToolkitTest, FontsAndGridColumnsFollowTheScaleFactor) {
    data.ctx().scale.factor = 100;
    open(QStringLiteral("Essai"));
    const double designed = essai()->field->font().pointSizeF();
    const int column = essai()->grid->columnWidth(1);
    EXPECT_EQ(column, 3200 / 15);
    data.ctx().scale.factor = 150;
    open(QStringLiteral("Essai"));
    EXPECT_NEAR(essai()->field->font().pointSizeF(), designed * 1.5, 0.01);
    EXPECT_EQ(essai()->grid->columnWidth(1), 4800 / 15);
    EXPECT_NEAR(essai()->grid->item(0, 1)->font().pointSizeF(), designed * 1.5, 0.01); // heading too
    EXPECT_TRUE(essai()->grid->item(0, 1)->font().bold());
}

TEST_F(ToolkitTest, EndingTheProgramIsReported) {
    open(QStringLiteral("Essai"));
    bool ended = false;
    QObject::connect(frame.get(), &ui::MainFrame::programEnded, [&ended] { ended = true; });
    frame->endProgram();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(frame->isVisible());
}

TEST(Printer, TextsLandAtTheirColumnsInThePdf) {
    TestData data;
    PrintDocument doc;
    doc.title = QStringLiteral("Essai");
    doc.emptyLines(2)
        .line({{50, QStringLiteral("PRELEVEMENT")}})
        .line({{5, QStringLiteral("LOYER")}, {60, QStringLiteral("500 €")}});
    doc.newPage().line({{5, QStringLiteral("Page deux")}});
    const QString pdf = data.path(QStringLiteral("essai.pdf"));
    ASSERT_TRUE(ui::PrintToPdf(doc, pdf));
    ASSERT_TRUE(QFile::exists(pdf));

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed: the text of the page is not checked";
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished());
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("PRELEVEMENT")));
    EXPECT_TRUE(text.contains(QStringLiteral("500 €")));
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Page deux")));
    // LOYER at column 5 stands left of the amount at column 60
    const QString loyer = text.section(QLatin1Char('\n'), 0, -1)
                              .split(QLatin1Char('\n'))
                              .filter(QStringLiteral("LOYER"))
                              .value(0);
    EXPECT_LT(loyer.indexOf(QStringLiteral("LOYER")), loyer.indexOf(QStringLiteral("500")));
}

TEST(Printer, ATextReachingTheNextColumnIsPrintedAfterItNotOverIt) {
    TestData data;
    CarryForward cf;
    // 70 characters: wider than the 55 columns before the amount
    const QString label = u"ABONNEMENT TELEPHONE MOBILE ET INTERNET DE LA MAISON FAMILIALE DU NORD"_s;
    ASSERT_EQ(label.size(), 70);
    cf.debits = {{label, u"12"_s, 12}};
    cf.debitTotal = 12;
    const QString pdf = data.path(u"report.pdf"_s);
    ASSERT_TRUE(ui::PrintToPdf(CarriedItemsPrintout(cf, true), pdf));
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed: the text of the page is not checked";
    QProcess p;
    p.start(pdftotext, {u"-layout"_s, pdf, u"-"_s});
    ASSERT_TRUE(p.waitForFinished());
    const QString line =
        QString::fromUtf8(p.readAllStandardOutput()).split(u'\n').filter(u"ABONNEMENT"_s).value(0);
    // the whole label, then the amount after it on the same line
    EXPECT_TRUE(line.trimmed().startsWith(label + u' ')) << line.toStdString();
    EXPECT_TRUE(line.trimmed().endsWith(u"12 €"_s)) << line.toStdString();
}

TEST(Printer, WithoutAPrinterThePagesGoToAPdfInTheDataFolder) {
    TestData data;
    PrintDocument doc;
    doc.title = QStringLiteral("Releve");
    doc.line({{1, QStringLiteral("X")}});
    data.ctx().clock.setNow(QDateTime(QDate(2026, 12, 6), QTime(10, 30, 0)));
    const ui::PrintResult r = ui::Print(doc, data.ctx());
    if (r.pdfPath.isEmpty())
        GTEST_SKIP() << "this machine has a printer";
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.pdfPath, data.path(QStringLiteral("Releve-20261206-103000.pdf")));
    EXPECT_TRUE(QFile::exists(r.pdfPath));
}

TEST_F(ToolkitTest, DeclaredCaptionsFollowTheLanguageRead) {
    frame->setCaption(QStringLiteral("Menu Tirelou"));
    open(QStringLiteral("Deux"));
    auto* deux = dynamic_cast<Deux*>(current());
    ASSERT_NE(deux, nullptr);
    EXPECT_EQ(frame->caption(), QStringLiteral("TIRELOU")); // unless the screen says otherwise
    EXPECT_EQ(toolbar()->count(), 3);
    EXPECT_EQ(toolbar()->caption(3), QStringLiteral("Partir"));
    data.setLanguage(English);
    deux->relabel();
    EXPECT_EQ(deux->caption(), QStringLiteral("Test screen"));
    EXPECT_EQ(deux->line->text(), QStringLiteral("Line"));
    EXPECT_EQ(toolbar()->caption(1), QStringLiteral("Keep"));
    EXPECT_EQ(toolbar()->caption(3), QStringLiteral("Go"));
}

TEST_F(ToolkitTest, CategoryListSkipsEmptySlotsAndKnowsEachIndex) {
    open(QStringLiteral("Deux"));
    auto* deux = dynamic_cast<Deux*>(current());
    ASSERT_NE(deux, nullptr);
    data.ctx().categoryList = {
        QStringLiteral("Assurances"), QStringLiteral(" "), QStringLiteral("Maison"), {}};
    deux->list->fill(data.ctx(), true);
    EXPECT_EQ(deux->list->count(), 2);
    EXPECT_EQ(deux->list->itemText(1), QStringLiteral("MAISON"));
    EXPECT_EQ(deux->list->categoryIndex(1), 2);
    EXPECT_EQ(deux->list->categoryIndex(2), -1);
}
