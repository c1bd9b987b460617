#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The tables and fields of an account file, and the file names built from them.
namespace tirelou {

namespace field {
inline const QString NumCompte = QStringLiteral("NumCompte");
inline const QString Passe = QStringLiteral("Passe");
inline const QString Encour = QStringLiteral("Encour");
inline const QString Rubrique = QStringLiteral("Rubrique");
// Month tables
inline const QString Rubriques = QStringLiteral("Rubriques");
inline const QString Libelle = QStringLiteral("Libelle");
inline const QString NumCheque = QStringLiteral("NumCheque");
inline const QString Prix = QStringLiteral("Prix");
inline const QString Date = QStringLiteral("Date");
inline const QString Poste = QStringLiteral("Poste");
inline const QString Depot = QStringLiteral("Depot");
inline const QString Montant = QStringLiteral("Montant");
inline const QString Reste = QStringLiteral("Reste");
inline const QString MontPrecedent = QStringLiteral("MontPrecedent");
inline const QString Reserve = QStringLiteral("Reserve");
} // namespace field

namespace table {
inline const QString Usager = QStringLiteral("Usager");
inline const QString Mois = QStringLiteral("Mois");
inline const QString Rubriques = QStringLiteral("Rubriques");
inline const QString Rubriqueseng = QStringLiteral("Rubriqueseng");
} // namespace table

// Every field of a month table, in table order.
const QStringList& MonthFields();

// The six fields of an entry, in the order the entry screens write them.
const QStringList& EntryFields();

// Month table names, 1 = January. No accents in the French names.
const std::array<QString, 12>& FrenchMonthTables();
const std::array<QString, 12>& EnglishMonthTables();

inline const QString TemplateFileName = QStringLiteral("Base.xfr");
inline const QString ArchiveFolderName = QStringLiteral("Archives");
inline const QString AccountFileSuffix = QStringLiteral(".acd");

// "12026.acd" for account "1" in 2026.
QString AccountFileName(const QString& accountNumber, int year);
// The account number of a file name: everything before its last 8 characters.
QString AccountNumberOfFile(const QString& fileName);
// The 4 characters before ".acd", read leniently (0 when they are not digits), held to
// 0-9999. The year change's purge and the archive cleaning both judge a file by it.
int YearOfFile(const QString& fileName);

// Writes an empty template with every table at `path` (which must not exist).
void CreateTemplate(const QString& path);

// Makes sure "Base.xfr" exists in `dataDir`; built under a temporary name and renamed, so
// a crash never leaves half a template behind. Returns false when it cannot be written.
bool EnsureTemplate(const QString& dataDir);

} // namespace tirelou
