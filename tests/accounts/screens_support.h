#pragma once

#include "data/handover.h"
#include "data/workingcontext.h"
#include "support/guitest.h"

#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

namespace tirelou::test {

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

    QString label(const QString& name) const {
        const QLabel* l = child<QLabel>(name);
        return l ? l->text() : QString();
    }
    bool shown(const QString& name) const {
        const QWidget* w = child<QWidget>(name);
        return w && w->isVisible();
    }
    QStringList handOverLines(const QString& name) {
        HandOverReader r(data.ctx(), name);
        QStringList out;
        while (!r.atEnd())
            out << r.line();
        return out;
    }
    QStringList messageTexts() const {
        QStringList out;
        for (const ui::ShownMessage& m : messages())
            out << m.text;
        return out;
    }
    QStringList toolbarCaptions() const {
        QStringList out;
        if (ui::Toolbar* bar = toolbar())
            for (int i = 1; i <= bar->count(); ++i)
                out << bar->caption(i);
        return out;
    }

    UrlCatcher browser;
    int ended = 0;
};

} // namespace tirelou::test
