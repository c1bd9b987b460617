#include "accounts/startup.h"
#include "screens_support.h"
#include "ui/screennames.h"

#include <QComboBox>
#include <QFile>
#include <QProgressBar>
#include <QTest>

using namespace tirelou;
using namespace tirelou::test;

namespace {

class StartUpTest : public AccountScreensTest {
protected:
    StartUpTest() {
        frame->hide(); // the start-up shows it when its turn comes
        startUp = new accounts::StartUp(data.ctx(), *frame, 1);
        QObject::connect(startUp, &accounts::StartUp::frameOpened, [this] {
            if (accounts::Copyright* splash = startUp->splash()) {
                countAtOpening = splash->counter();
                barAtOpening = splash->findChild<QProgressBar*>(u"ProgressBar1"_s)->value();
            }
            screenAtOpening = currentName();
        });
    }

    QString splashText(const char* name) const {
        const QLabel* l =
            startUp->splash() ? startUp->splash()->findChild<QLabel*>(QString::fromLatin1(name)) : nullptr;
        return l ? l->text() : QString();
    }
    // Waits for the splash to hand over to the frame, then for the splash to go.
    void finishSplash() {
        ASSERT_TRUE(WaitFor([this] { return !screenAtOpening.isEmpty(); }, 10000));
        EXPECT_EQ(countAtOpening, 100);
        EXPECT_EQ(barAtOpening, 99);
        EXPECT_TRUE(frame->isVisible());
        settle();
        EXPECT_EQ(startUp->splash(), nullptr);
        EXPECT_EQ(startUp->background(), nullptr);
    }

    accounts::StartUp* startUp = nullptr; // owned by the frame
    int countAtOpening = 0;
    int barAtOpening = 0;
    QString screenAtOpening;
};

} // namespace

TEST_F(StartUpTest, TheFirstRunAsksTheLanguageThenShowsTheSplashThenCreation) {
    startUp->begin();
    ASSERT_NE(startUp->background(), nullptr);
    EXPECT_EQ(startUp->splash(), nullptr);
    EXPECT_EQ(currentName(), screen::Language);
    EXPECT_EQ(frame->caption(), u"Language"_s);
    EXPECT_EQ(data.ctx().modeCode, 33);

    auto* combo = child<QComboBox>(u"Combo1"_s);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->itemText(0), u"Français"_s);
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Return); // Enter confirms as the button does

    EXPECT_EQ(handOver(handover::Langue), u"English"_s);
    ASSERT_NE(startUp->splash(), nullptr);
    EXPECT_TRUE(startUp->splash()->isVisible());
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(splashText("Label1"), u"DADUDOR"_s);
    EXPECT_EQ(splashText("Label5"), u"Loading Of parameters, Exercise patience"_s);

    finishSplash();
    // No account yet: creation, alone in the frame.
    EXPECT_EQ(screenAtOpening, screen::Creer);
    EXPECT_EQ(frame->findChildren<ui::ScreenBase*>().size(), 1);
    EXPECT_EQ(data.ctx().modeCode, 0);
    EXPECT_EQ(current()->caption(), u"To create an Account"_s);
}

TEST_F(StartUpTest, LaterRunsGoFromTheSplashToTheLogin) {
    data.setLanguage(French);
    data.addAccount(u"1"_s, 2026);
    startUp->begin();
    ASSERT_NE(startUp->splash(), nullptr);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(startUp->splash()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(splashText("Label1"), u"TIRELOU"_s);
    EXPECT_EQ(splashText("Label5"), u"Chargement Des paramètres, Patientez"_s);

    finishSplash();
    EXPECT_EQ(screenAtOpening, screen::MotDePasse);
    EXPECT_EQ(frame->caption(), u"TIRELOU"_s);
    EXPECT_GT(data.ctx().scale.factor, 0);
}

TEST_F(StartUpTest, ClosingTheFrameDuringTheLanguageChoiceEndsTheProgram) {
    startUp->begin();
    ASSERT_EQ(currentName(), screen::Language);
    frame->close();
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(QFile::exists(data.path(handover::Langue)));
}
