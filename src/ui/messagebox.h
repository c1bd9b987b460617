#pragma once

#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace tirelou::ui {

enum class MessageIcon { None, Information, Stop };

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
};

// Every message box of the program goes through here, so that a test can take the boxes
// instead of the user: while recording, nothing is shown and each box is kept in a list.
class MessageBox {
public:
    static void show(QWidget* parent, const QString& text, const QString& title,
                     MessageIcon icon = MessageIcon::None);

    static void setRecording(bool on);
    static bool recording();
    static const QList<ShownMessage>& recorded();
    static void clearRecorded();
    // Called with each box as it is recorded, for a test to look at the files at that moment.
    static void setOnRecorded(std::function<void(const ShownMessage&)> observer);
};

// Folder choice, answerable in advance by a test.
class FileChooser {
public:
    // The chosen folder, or an empty text when the user cancels.
    static QString existingDirectory(QWidget* parent, const QString& title, const QString& start);
    static void setNextDirectory(const QString& path);
};

} // namespace tirelou::ui
