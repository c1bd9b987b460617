#include "ui/messagebox.h"

#include <QFileDialog>
#include <QMessageBox>
#include <optional>

namespace tirelou::ui {
namespace {

bool g_recording = false;
QList<ShownMessage> g_recorded;
std::optional<QString> g_nextDirectory;
std::function<void(const ShownMessage&)> g_onRecorded;

} // namespace

void MessageBox::show(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) {
    if (g_recording) {
        g_recorded.append({text, title, icon});
        if (g_onRecorded)
            g_onRecorded(g_recorded.back());
        return;
    }
    QMessageBox box(icon == MessageIcon::Stop          ? QMessageBox::Critical
                    : icon == MessageIcon::Information ? QMessageBox::Information
                                                       : QMessageBox::NoIcon,
                    title, text, QMessageBox::Ok, parent);
    box.exec();
}

void MessageBox::setRecording(bool on) {
    g_recording = on;
}
bool MessageBox::recording() {
    return g_recording;
}
const QList<ShownMessage>& MessageBox::recorded() {
    return g_recorded;
}
void MessageBox::clearRecorded() {
    g_recorded.clear();
}
void MessageBox::setOnRecorded(std::function<void(const ShownMessage&)> observer) {
    g_onRecorded = std::move(observer);
}

QString FileChooser::existingDirectory(QWidget* parent, const QString& title, const QString& start) {
    if (g_nextDirectory) {
        const QString answer = *g_nextDirectory;
        g_nextDirectory.reset();
        return answer;
    }
    return QFileDialog::getExistingDirectory(parent, title, start);
}

void FileChooser::setNextDirectory(const QString& path) {
    g_nextDirectory = path;
}

} // namespace tirelou::ui
