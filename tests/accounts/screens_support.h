#pragma once

#include "data/handover.h"
#include "data/workingcontext.h"
#include "support/guitest.h"

#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

namespace tirelou::test {

using namespace Qt::StringLiterals;

// Takes the addresses the program hands to the desktop's browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

// The account screens on a frame, with the browser and the end of the program watched.
class AccountScreensTest : public GuiTest {
protected:
    AccountScreensTest() {
        for (const char* scheme : {"file", "https", "http"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &browser, "open");
        QObject::connect(frame.get(), &ui::MainFrame::programEnded, [this] { ++ended; });
        data.ctx().clock.setToday(QDate(2026, 3, 14));
    }
    ~AccountScreensTest() override {
        for (const char* scheme : {"file", "https", "http"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    QString prompt() const { return label(u"Label2"_s); }
    ui::Grid* grid() const { return child<ui::Grid>(u"MSFlexGrid1"_s); }
    ui::InputField* field(int n) const { return child<ui::InputField>(u"Text%1"_s.arg(n)); }
    // Clicks the account's row of the login grid and types its password.
    void logInto(int row, const QString& password) {
        ClickGridCell(grid(), row, 1);
        Enter(field(1), password);
        settle();
    }

    UrlCatcher browser;
    int ended = 0;
};

} // namespace tirelou::test
