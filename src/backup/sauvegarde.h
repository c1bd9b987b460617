#pragma once

#include "backup/backup.h"
#include "ui/screenbase.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace tirelou::ui {
class InputField;
class ListBox;
} // namespace tirelou::ui

namespace tirelou {

// Backs the data files up to a folder, reads them back from there, and cleans the old
// archives of the backup. The account database is closed while it is open; leaving it
// goes to the login screen.
class Sauvegarde final : public ui::ScreenBase {
    Q_OBJECT
public:
    explicit Sauvegarde(const ui::ScreenEnv& env);
    void load() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Mode { Idle, Backup, Restore };

    void showIdle();
    void prepare(Mode mode);
    void onToolbar(int index);
    void onFolderEntered();
    void onDriveChosen(int row);
    void onFolderChosen(int row);
    void pointFolderList(const QString& folder);
    void writeBackup();
    void restore();
    void clean();
    // Shows the copying: the file in the frame caption, the bar, at once.
    void showProgress(const QString& name, int done, int total);
    void startCopying(const ui::Caption& status);
    bool refused(Refusal refusal, bool backup);
    void reportFailures(const QStringList& failed, const ui::Caption& what);

    Mode mode_ = Mode::Idle;
    ui::InputField* text1_;
    QPlainTextEdit* text2_;
    ui::ListBox* drive1_;
    ui::ListBox* dir1_;
    QGroupBox* frame1_;
    QProgressBar* progress_;
    QLabel* status_;
    QLabel* pathPrompt_;
    QPushButton* command1_;
    QPushButton* command2_;
    std::vector<Volume> volumes_;
    QString dirFolder_; // the folder the folder list shows
    QStringList dirEntries_;
};

} // namespace tirelou
