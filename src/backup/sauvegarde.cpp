#include "backup/sauvegarde.h"

#include "data/workingcontext.h"
#include "ui/screennames.h"
#include "ui/widgets.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

namespace tirelou {
namespace {

constexpr ui::Caption kCaption{u"Sauvegarde", u"Safeguard"};
constexpr ui::Caption kButtons[] = {
    {u"Sauvegarde", u"Safeguard"},
    ui::ToolbarSeparator,
    {u"Restaurer", u"To restore"},
    ui::ToolbarSeparator,
    {u"Nettoie Archives", u"Clean Archives"},
    ui::ToolbarSeparator,
    {u"Quitter", u"To leave"},
};
enum Button { Save = 1, Restore = 3, Clean = 5, Leave = 7 };

constexpr ui::Caption kWrite{u"Ecrire la sauvegarde", u"To write the safeguard"};
constexpr ui::Caption kRead{u"Lire la sauvegarde", u"To read the safeguard"};
constexpr ui::Caption kSaving{u"JE SAUVEGARDE", u"I PROTECT"};
constexpr ui::Caption kRestoring{u"JE RESTAURE", u"I RESTORE"};
constexpr ui::Caption kSaved{u"SAUVEGARDE TERMINEE : %1 FICHIERS", u"SAFEGUARD DONE: %1 FILES"};
constexpr ui::Caption kPath{u"Chemin", u"Path"};
constexpr ui::Caption kDrives{u"Lecteurs", u"Drives"};
constexpr ui::Caption kFolders{u"Dossiers", u"Folders"};

constexpr ui::Caption kBackupInto{u"La sauvegarde ne peut pas se faire dans ",
                                  u"The safeguard cannot be written to "};
constexpr ui::Caption kRestoreFrom{u"La sauvegarde ne peut pas être lue depuis ",
                                   u"The safeguard cannot be read from "};
constexpr ui::Caption kSame{u"le dossier des comptes lui-même (%1)", u"the accounts' own folder (%1)"};
constexpr ui::Caption kInside{u"un dossier placé dans le dossier des comptes (%1)",
                              u"a folder inside the accounts' folder (%1)"};
constexpr ui::Caption kAbove{u"un dossier qui contient le dossier des comptes (%1)",
                             u"a folder that holds the accounts' folder (%1)"};
constexpr ui::Caption kChooseOther{u".\nChoisissez un autre dossier : rien n'a été effacé ni copié.",
                                   u".\nChoose another folder: nothing was deleted or copied."};
constexpr ui::Caption kNoFolder{u"Indiquez le dossier de la sauvegarde : rien n'a été effacé ni copié.",
                                u"Give the folder of the safeguard: nothing was deleted or copied."};
constexpr ui::Caption kNothingThere{u"Le dossier %1 ne contient aucune sauvegarde : rien n'a été copié.",
                                    u"The folder %1 holds no safeguard: nothing was copied."};
constexpr ui::Caption kNotSaved{u"Ces fichiers n'ont pas pu être sauvegardés ou vérifiés :\n",
                                u"These files could not be saved or checked:\n"};
constexpr ui::Caption kNotRestored{
    u"Ces fichiers n'ont pas pu être restaurés ou vérifiés ; ils sont restés tels qu'ils étaient :\n",
    u"These files could not be restored or checked; they were left as they were:\n"};
constexpr ui::Caption kNotCleaned{u"Ces archives n'ont pas pu être effacées :\n",
                                  u"These archives could not be deleted:\n"};

const QString Up = QStringLiteral("..");

// A list shows or hides with its heading.
void ShowList(QWidget* list, bool shown) {
    list->setVisible(shown);
    if (auto* heading = qobject_cast<QWidget*>(list->property("heading").value<QObject*>()))
        heading->setVisible(shown);
}

} // namespace

Sauvegarde::Sauvegarde(const ui::ScreenEnv& env) : ScreenBase(env) {
    text2_ = ui::Named<QPlainTextEdit>(this, QStringLiteral("Text2"));
    text2_->setReadOnly(true);
    text2_->setFocusPolicy(Qt::NoFocus);
    pathPrompt_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("prompt"));
    keepCaptioned(pathPrompt_, kPath);
    text1_ = ui::Named<ui::InputField>(this, QStringLiteral("Text1"));
    text1_->setUpperCase(false); // folder names keep their case
    pathPrompt_->setBuddy(text1_);

    QLabel* drives = makeLabel(QStringLiteral("Label3"), QStringLiteral("heading"));
    keepCaptioned(drives, kDrives);
    QLabel* folders = makeLabel(QStringLiteral("Label4"), QStringLiteral("heading"));
    keepCaptioned(folders, kFolders);
    drive1_ = ui::Named<ui::ListBox>(this, QStringLiteral("Drive1"));
    dir1_ = ui::Named<ui::ListBox>(this, QStringLiteral("Dir1"));
    drives->setBuddy(drive1_);
    folders->setBuddy(dir1_);
    connect(drive1_, &ui::ListBox::itemChosen, this, &Sauvegarde::onDriveChosen);
    connect(dir1_, &ui::ListBox::itemChosen, this, &Sauvegarde::onFolderChosen);

    command1_ = ui::Named<QPushButton>(this, QStringLiteral("Command1"));
    command2_ = ui::Named<QPushButton>(this, QStringLiteral("Command2"));
    frame1_ = ui::Named<QGroupBox>(this, QStringLiteral("Frame1"));
    progress_ = ui::Named<QProgressBar>(frame1_, QStringLiteral("ProgressBar1"));
    progress_->setTextVisible(true);
    auto* frameLayout = new QVBoxLayout(frame1_);
    frameLayout->addWidget(progress_);
    status_ = makeLabel(QStringLiteral("Label1"), QStringLiteral("prompt"));
    status_->setAlignment(Qt::AlignCenter);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathPrompt_);
    pathRow->addWidget(text1_, 1);

    const auto column = [](QLabel* heading, QWidget* list) {
        auto* c = new QVBoxLayout;
        heading->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        c->addWidget(heading);
        c->addWidget(list);
        c->addStretch(1);
        return c;
    };
    auto* lists = new QHBoxLayout;
    lists->addLayout(column(drives, drive1_), 1);
    lists->addLayout(column(folders, dir1_), 1);

    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    commands->addWidget(command1_);
    commands->addWidget(command2_);
    commands->addStretch(1);

    body()->addWidget(text2_);
    body()->addLayout(pathRow);
    body()->addLayout(lists);
    body()->addLayout(commands);
    body()->addStretch(1);
    body()->addWidget(frame1_);
    body()->addWidget(status_);

    connect(makeToolbar(kButtons), &ui::Toolbar::buttonClicked, this, &Sauvegarde::onToolbar);
    connect(text1_, &ui::InputField::entered, this, &Sauvegarde::onFolderEntered);
    connect(command1_, &QPushButton::clicked, this, &Sauvegarde::writeBackup);
    connect(command2_, &QPushButton::clicked, this, &Sauvegarde::restore);

    // Each list's heading goes with it.
    drive1_->setProperty("heading", QVariant::fromValue<QObject*>(drives));
    dir1_->setProperty("heading", QVariant::fromValue<QObject*>(folders));
}

void Sauvegarde::load() {
    readLanguage();
    setCaption(kCaption);
    command1_->setText(text(kWrite));
    command2_->setText(text(kRead));
    // Screen readers name each control by its prompt or caption.
    text1_->setAccessibleName(text(kPath));
    text2_->setAccessibleName(text(kCaption));
    drive1_->setAccessibleName(text(kDrives));
    dir1_->setAccessibleName(text(kFolders));
    command1_->setAccessibleName(command1_->text());
    command2_->setAccessibleName(command2_->text());
    // The account files are copied whole: nothing may hold them open.
    ctx().workRs.close();
    ctx().accountDb.close();
    showIdle();
    applyScale();
    // Sized in the scaled font: the information's lines, the bar's percentage.
    text2_->setFixedHeight(text2_->fontMetrics().lineSpacing() * 4 + 16);
    progress_->setMinimumHeight(progress_->fontMetrics().height() + 8);
}

void Sauvegarde::showIdle() {
    mode_ = Mode::Idle;
    ui::Toolbar* bar = toolbar();
    for (int b : {Save, Restore, Clean, Leave})
        bar->setButtonEnabled(b, true);
    ShowList(drive1_, false);
    command1_->hide();
    command2_->hide();
    frame1_->hide();
    status_->hide();
    text2_->show();
    ShowList(dir1_, true);

    const BackupSettings settings = LoadBackupSettings(ctx());
    text1_->setText(settings.backupDir);
    text2_->setPlainText(
        BackupInfoText(settings, french()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    pointFolderList(settings.backupDir);
    text1_->setFocus();
}

void Sauvegarde::prepare(Mode mode) {
    mode_ = mode;
    ui::Toolbar* bar = toolbar();
    for (int b : {Save, Restore, Clean, Leave})
        bar->setButtonEnabled(b, false);
    status_->hide();
    // A restore reads the last backup: the field shows the folder the lists point at.
    if (mode == Mode::Restore)
        text1_->setText(LoadBackupSettings(ctx()).backupDir);
    const QString folder = BackupFolder(ctx(), text1_->text());

    volumes_ = MountedVolumes(ctx());
    drive1_->clear();
    for (const Volume& v : volumes_) {
        const bool named = !v.name.isEmpty() && v.name != v.rootPath;
        drive1_->addItem(named ? v.rootPath + QStringLiteral("  (") + v.name + QLatin1Char(')') : v.rootPath);
    }
    if (const auto volume = VolumeOf(volumes_, folder)) {
        for (std::size_t i = 0; i < volumes_.size(); ++i)
            if (volumes_[i].rootPath == volume->rootPath)
                drive1_->setCurrentRow(static_cast<int>(i));
    }
    pointFolderList(folder);
    ShowList(drive1_, true);
    ShowList(dir1_, true);
    command1_->setVisible(mode == Mode::Backup);
    command2_->setVisible(mode == Mode::Restore);
    text1_->setFocus();
}

void Sauvegarde::keyPressEvent(QKeyEvent* event) {
    // Escape gives up a prepared backup or restore.
    if (event->key() == Qt::Key_Escape && mode_ != Mode::Idle) {
        event->accept();
        showIdle();
        return;
    }
    ScreenBase::keyPressEvent(event);
}

void Sauvegarde::onToolbar(int index) {
    switch (index) {
    case Save:
        prepare(Mode::Backup);
        return;
    case Restore:
        prepare(Mode::Restore);
        return;
    case Clean:
        clean();
        return;
    case Leave:
        open(screen::MotDePasse);
        return;
    default:
        return;
    }
}

void Sauvegarde::onFolderEntered() {
    if (mode_ == Mode::Restore)
        restore(); // never a backup over the one about to be read
    else
        writeBackup();
}

void Sauvegarde::onDriveChosen(int row) {
    if (row >= 0 && row < static_cast<int>(volumes_.size()))
        pointFolderList(volumes_[static_cast<std::size_t>(row)].rootPath);
}

void Sauvegarde::onFolderChosen(int row) {
    const QString entry = dirEntries_.value(row);
    if (entry.isEmpty())
        return;
    const QString folder = entry == Up ? QFileInfo(dirFolder_).path() : QDir(dirFolder_).filePath(entry);
    pointFolderList(folder);
    text1_->setText(WithSlash(dirFolder_));
}

void Sauvegarde::pointFolderList(const QString& folder) {
    dirFolder_ = ExistingFolder(folder);
    dirEntries_.clear();
    if (dirFolder_ != QDir::rootPath() && !QDir(dirFolder_).isRoot())
        dirEntries_ << Up;
    dirEntries_ << SubFolders(dirFolder_);
    dir1_->clear();
    dir1_->addItems(dirEntries_);
    dir1_->setToolTip(dirFolder_);
}

void Sauvegarde::startCopying(const ui::Caption& status) {
    for (int b : {Save, Restore, Clean, Leave})
        toolbar()->setButtonEnabled(b, false);
    status_->setText(status.fr ? text(status) : QString());
    status_->setVisible(status.fr != nullptr);
    ShowList(drive1_, false);
    ShowList(dir1_, false);
    command1_->hide();
    command2_->hide();
    frame1_->setTitle(QString());
    progress_->setValue(0);
    frame1_->show();
    status_->repaint();
}

void Sauvegarde::showProgress(const QString& name, int done, int total) {
    progress_->setMaximum(std::max(total, 1));
    progress_->setValue(done);
    if (!name.isEmpty())
        frame1_->setTitle(name);
    // Painted at once: the copying runs in this handler, without the event loop.
    frame1_->repaint();
}

bool Sauvegarde::refused(Refusal refusal, bool backup) {
    if (refusal == Refusal::None)
        return false;
    const QString dataDir = WithSlash(ctx().dataDir());
    QString why;
    switch (refusal) {
    case Refusal::NoFolder:
        why = text(kNoFolder);
        break;
    case Refusal::NoBackupThere:
        why = text(kNothingThere).arg(BackupFolder(ctx(), text1_->text()));
        break;
    case Refusal::SameAsData:
    case Refusal::InsideData:
    case Refusal::AboveData: {
        const ui::Caption& where = refusal == Refusal::SameAsData   ? kSame
                                   : refusal == Refusal::InsideData ? kInside
                                                                    : kAbove;
        why = text(backup ? kBackupInto : kRestoreFrom) + text(where).arg(dataDir) + text(kChooseOther);
        break;
    }
    case Refusal::None:
        break;
    }
    message(why, text(kCaption), ui::MessageIcon::Stop);
    return true;
}

void Sauvegarde::reportFailures(const QStringList& failed, const ui::Caption& what) {
    if (!failed.isEmpty())
        message(text(what) + failed.join(QLatin1Char('\n')), text(kCaption), ui::MessageIcon::Stop);
}

void Sauvegarde::writeBackup() {
    const QString folder = BackupFolder(ctx(), text1_->text());
    status_->hide();
    if (refused(CheckBackupFolder(ctx().dataDir(), folder), true)) {
        if (mode_ != Mode::Idle)
            prepare(mode_);
        return;
    }
    startCopying(kSaving);
    const CopyReport report = WriteBackup(
        ctx(), folder, [this](const QString& name, int done, int total) { showProgress(name, done, total); });
    reportFailures(report.failed, kNotSaved);
    showIdle();
    if (report.ok()) {
        // The date alone does not change after a second backup the same day.
        status_->setText(text(kSaved).arg(report.copied.size()));
        status_->show();
    }
}

void Sauvegarde::restore() {
    const QString folder = BackupFolder(ctx(), text1_->text());
    if (refused(CheckBackupFolder(ctx().dataDir(), folder), false))
        return;
    startCopying(kRestoring);
    const CopyReport report = RestoreBackup(
        ctx(), folder, [this](const QString& name, int done, int total) { showProgress(name, done, total); });
    if (refused(report.refusal, false)) {
        status_->clear();
        frame1_->hide();
        prepare(Mode::Restore);
        return;
    }
    reportFailures(report.failed, kNotRestored);
    open(screen::MotDePasse);
}

void Sauvegarde::clean() {
    const QString folder = BackupFolder(ctx(), text1_->text());
    if (folder.isEmpty()) {
        refused(Refusal::NoFolder, true);
        return;
    }
    startCopying({nullptr, nullptr});
    const CleanReport report = CleanArchives(
        ctx(), folder, [this](const QString& name, int done, int total) { showProgress(name, done, total); });
    reportFailures(report.failed, kNotCleaned);
    showIdle();
}

} // namespace tirelou
