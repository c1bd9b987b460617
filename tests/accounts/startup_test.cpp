#include "accounts/startup.h"
#include "screens_support.h"
#include "ui/screennames.h"
#include "version.h"

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
        QObject::connect(startUp, &accounts::StartUp::splashShown, [this] {
            QObject::connect(startUp->splash()->findChild<QProgressBar*>(QStringLiteral("ProgressBar1")),
                             &QProgressBar::valueChanged, [this](int v) { progress << v; });
        });
        QObject::connect(startUp, &accounts::StartUp::frameOpened, [this] {
            openedAtCount = startUp->splash() ? startUp->splash()->counter() : -1;
            screenAtOpening = currentName();
        });
    }

    bool frameOpened() const { return !screenAtOpening.isEmpty(); }
    QString splashText(const QString& name) const {
        const QLabel* l = startUp->splash() ? startUp->splash()->findChild<QLabel*>(name) : nullptr;
        return l ? l->text() : QString();
    }
    static QList<int> oneTo(int n) {
        QList<int> out;
        for (int i = 1; i <= n; ++i)
            out << i;
        return out;
    }

    accounts::StartUp* startUp = nullptr; // owned by the frame
    QList<int> progress;
    int openedAtCount = 0;
    QString screenAtOpening;
};

} // namespace

TEST_F(StartUpTest, TheFirstRunAsksTheLanguageThenShowsTheSplashThenCreation) {
    ASSERT_FALSE(QFile::exists(data.path(handover::Langue)));
    startUp->begin();
    ASSERT_NE(startUp->background(), nullptr);
    EXPECT_TRUE(startUp->background()->isVisible());
    EXPECT_EQ(startUp->splash(), nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(currentName(), screen::Language);
    EXPECT_EQ(frame->caption(), QStringLiteral("Language"));
    EXPECT_EQ(data.ctx().modeCode, 33);

    auto* combo = child<QComboBox>(QStringLiteral("Combo1"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("Français"));
    EXPECT_EQ(combo->itemText(1), QStringLiteral("English"));
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Return); // Enter confirms as the button does

    EXPECT_EQ(handOverLines(handover::Langue), QStringList{QStringLiteral("English")});
    ASSERT_NE(startUp->splash(), nullptr);
    EXPECT_TRUE(startUp->splash()->isVisible());
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(splashText(QStringLiteral("Label1")), QStringLiteral("DADUDOR"));

    ASSERT_TRUE(WaitFor([this] { return frameOpened(); }, 10000));
    EXPECT_EQ(progress, oneTo(99));
    EXPECT_EQ(openedAtCount, 100);
    // No account yet: creation, alone in the frame.
    EXPECT_EQ(screenAtOpening, screen::Creer);
    EXPECT_EQ(frame->findChildren<ui::ScreenBase*>().size(), 1);
    EXPECT_EQ(data.ctx().modeCode, 0);
    EXPECT_EQ(current()->caption(), QStringLiteral("To create an Account"));
    EXPECT_TRUE(frame->isVisible());
    settle();
    EXPECT_EQ(startUp->splash(), nullptr);
    EXPECT_EQ(startUp->background(), nullptr);
}

TEST_F(StartUpTest, LaterRunsGoFromTheSplashToTheLogin) {
    data.setLanguage(French);
    data.addAccount(QStringLiteral("1"), 2026);
    startUp->begin();
    ASSERT_NE(startUp->splash(), nullptr);
    EXPECT_TRUE(startUp->background()->isVisible());
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(startUp->splash()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(splashText(QStringLiteral("Label1")), QStringLiteral("TIRELOU"));
    EXPECT_EQ(
        splashText(QStringLiteral("Label2")),
        QStringLiteral("Version %1.%2.%3").arg(version::major).arg(version::minor).arg(version::revision));
    EXPECT_EQ(splashText(QStringLiteral("Label3")), QStringLiteral("Entreprise Virtuelle ") +
                                                        QString::fromUtf8(version::company) +
                                                        QStringLiteral("  "));
    EXPECT_EQ(splashText(QStringLiteral("Label4")),
              QStringLiteral("Copyright ") + QString::fromUtf8(version::rightsHolder) + QStringLiteral("  "));
    EXPECT_EQ(splashText(QStringLiteral("Label5")), QStringLiteral("Chargement Des paramètres, Patientez"));
    EXPECT_EQ(splashText(QStringLiteral("Label6")), QString());

    ASSERT_TRUE(WaitFor([this] { return frameOpened(); }, 10000));
    EXPECT_EQ(progress, oneTo(99));
    EXPECT_EQ(screenAtOpening, screen::MotDePasse);
    EXPECT_EQ(frame->caption(), QStringLiteral("TIRELOU"));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_GT(data.ctx().scale.factor, 0);
    settle();
    EXPECT_EQ(startUp->splash(), nullptr);
    EXPECT_EQ(startUp->background(), nullptr);
}

TEST_F(StartUpTest, TheSplashSpeaksTheLanguageOfTheFile) {
    data.setLanguage(QStringLiteral("Deutsch")); // anything but French is English
    startUp->begin();
    EXPECT_EQ(splashText(QStringLiteral("Label1")), QStringLiteral("DADUDOR"));
    EXPECT_EQ(splashText(QStringLiteral("Label3")), QStringLiteral("Virtual enterprise ") +
                                                        QString::fromUtf8(version::company) +
                                                        QStringLiteral("  "));
    EXPECT_EQ(splashText(QStringLiteral("Label5")),
              QStringLiteral("Loading Of parameters, Exercise patience"));
}

TEST_F(StartUpTest, ClosingTheFrameDuringTheLanguageChoiceEndsTheProgram) {
    startUp->begin();
    ASSERT_EQ(currentName(), screen::Language);
    frame->close();
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(QFile::exists(data.path(handover::Langue)));
}
