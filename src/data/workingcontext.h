#pragma once

#include "data/clock.h"
#include "data/database.h"
#include "data/recordset.h"

#include <QString>
#include <QStringList>
#include <array>

namespace tirelou {

inline const QString French = QStringLiteral("Français");
inline const QString English = QStringLiteral("English");

// A month table in memory, as LoadMonth leaves it: six parallel entry columns indexed by
// the row's position (0 for the first row), with one slot more than there are rows.
struct LoadedMonth {
    QStringList entryCategory;  // Rubriques
    QStringList entryLabel;     // Libelle
    QStringList entryNumber;    // NumCheque
    QStringList entryPrice;     // Prix
    QStringList entryDate;      // Date
    QStringList entryKind;      // Poste
    QStringList extraA, extraB; // empty, for the calling screen to fill
    int monthRowCount = 0;
    int usedRowCount = 0; // rows that are not free
    double depositTotal = 0;
    double previousAmount = 0;
    QString remainderText;               // Reste of the first row, as stored
    std::array<QString, 3> reserveTexts; // Reserve of rows 1, 2 and 3, as stored
};

// The window scaling factors, in percent; 0 until the frame has measured the screen.
struct ScaleState {
    int factor = 0;
    int widthFactor = 0;
};

// Caller codes a screen leaves in `modeCode` for the screen it opens (the code's other
// roles are counts: failed password attempts, rows written).
namespace modecode {
inline constexpr int CreationWithoutAccount = 22; // account creation: no account exists yet
inline constexpr int LanguageAtStart = 33;        // language screen opened by the start-up
inline constexpr int LanguageFromLogin = 44;      // language screen opened by the login screen
} // namespace modecode

// The state the screens share: one instance, made by the program (or by a test) and
// handed to every screen. Screens pass everything else through the hand-over files.
class WorkingContext {
public:
    explicit WorkingContext(QString dataDir);
    WorkingContext(const WorkingContext&) = delete;
    WorkingContext& operator=(const WorkingContext&) = delete;

    // The data folder (the program folder of the account files and hand-over files).
    const QString& dataDir() const { return dataDir_; }
    QString filePath(const QString& name) const;
    QString archiveDir() const;
    QString archivePath(const QString& name) const;

    bool french() const { return language == French; }
    // Picks the French or English text by the working language.
    const QString& pick(const QString& fr, const QString& en) const { return french() ? fr : en; }

    Clock clock;

    QString language; // "Français", anything else means English
    QStringList accountFiles;
    QString chosenAccount;
    QString accountFile;
    QString accountNumber;
    Database accountDb;
    Database targetDb;
    RecordSet workRs;
    int currentMonth = 0;
    QString monthTable;
    QString yearText;
    QString consultFile;
    QString modeWord;
    QString chosenItem; // the category (or other text) chosen on the last list
    int loopIndex = 0;
    QStringList categoryList;
    int categoryCount = 0;
    int modeCode = 0;
    LoadedMonth month;
    ScaleState scale;
    QString backupPath; // the backup destination last chosen

    // How long Pause waits; five seconds for the user, shorter in tests.
    int pauseMs = 5000;

private:
    QString dataDir_;
};

// Opens `accountFile` of the data folder as the account database.
void OpenAccountDb(WorkingContext& ctx);

} // namespace tirelou
