#include "support/guitest.h"

#include "data/handover.h"
#include "ui/application.h"
#include "ui/registration.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace tirelou::test {

void Type(QWidget* widget, const QString& text) {
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(widget->isVisible()) << widget->objectName().toStdString() << " is hidden";
    widget->setFocus();
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
        else // no key code for it: the event carries the character alone, as a keyboard layout would
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void PressEnter(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(widget->isVisible()) << widget->objectName().toStdString() << " is hidden";
    QTest::keyClick(widget, Qt::Key_Return);
}

void Enter(QWidget* widget, const QString& text) {
    Type(widget, text);
    PressEnter(widget);
}

void ClickToolbarButton(ui::Toolbar* toolbar, int index) {
    ASSERT_NE(toolbar, nullptr);
    QToolButton* button = toolbar->buttonWidget(index);
    ASSERT_NE(button, nullptr) << "no toolbar button " << index;
    ASSERT_TRUE(toolbar->isButtonVisible(index)) << "toolbar button " << index << " is hidden";
    ASSERT_TRUE(toolbar->isButtonEnabled(index)) << "toolbar button " << index << " is disabled";
    QTest::mouseClick(button, Qt::LeftButton);
}

namespace {

void ClickIndex(QAbstractItemView* view, const QModelIndex& index) {
    ASSERT_TRUE(index.isValid());
    ASSERT_TRUE(view->isVisible()) << view->objectName().toStdString() << " is hidden";
    view->scrollTo(index);
    const QRect rect = view->visualRect(index);
    ASSERT_FALSE(rect.isEmpty());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

void ClickGridCell(ui::Grid* grid, int row, int column) {
    ASSERT_NE(grid, nullptr);
    ClickIndex(grid, grid->model()->index(row, column));
}

void ClickListItem(ui::ListBox* list, int index) {
    ASSERT_NE(list, nullptr);
    ClickIndex(list, list->model()->index(index, 0));
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
    return QTest::qWaitFor(condition, timeoutMs);
}

GuiTest::GuiTest() {
    ui::MessageBox::clearRecorded();
    ui::Application::clearLastError();
    RegisterAllScreens(registry);
    frame = std::make_unique<ui::MainFrame>(data.ctx(), registry);
    frame->setCaption(QStringLiteral("TIRELOU"));
    frame->fitToScreen();
    frame->show();
}

GuiTest::~GuiTest() {
    frame.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ui::Application::lastError().isEmpty())
        << "a handler failed: " << ui::Application::lastError().toStdString();
}

ui::ScreenBase* GuiTest::open(const QString& name) {
    ui::ScreenBase* s = frame->open(name);
    settle(0);
    return s;
}

QString GuiTest::label(const QString& name) const {
    const QLabel* l = child<QLabel>(name);
    return l ? l->text() : QString();
}

bool GuiTest::shown(const QString& name) const {
    const QWidget* w = child<QWidget>(name);
    return w && w->isVisible();
}

QList<int> GuiTest::visibleButtons() const {
    QList<int> out;
    for (int i = 1; i <= toolbar()->count(); ++i)
        if (toolbar()->isButtonVisible(i))
            out << i;
    return out;
}

QString GuiTest::toolbarCaptions() const {
    QStringList out;
    for (int i = 1; i <= toolbar()->count(); ++i)
        out << toolbar()->caption(i);
    return out.join(QLatin1Char('|'));
}

QString GuiTest::handOver(const QString& name) {
    HandOverReader r(data.ctx(), name);
    QStringList out;
    while (!r.atEnd())
        out << r.line();
    return out.join(QLatin1Char('|'));
}

void GuiTest::blockHandOver(const QString& name) {
    QFile::remove(data.ctx().filePath(name));
    QDir().mkpath(data.ctx().filePath(name));
}

void GuiTest::unblockHandOver(const QString& name) {
    QDir(data.ctx().filePath(name)).removeRecursively();
}

void GuiTest::standIn(std::initializer_list<QString> names) {
    for (const QString& name : names)
        registry.add<StandIn>(name);
}

QStringList GuiTest::messageTexts() const {
    QStringList out;
    for (const ui::ShownMessage& m : messages())
        out << m.text;
    return out;
}

void GuiTest::settle(int ms) {
    QTest::qWait(ms);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace tirelou::test
