#include "data/schema.h"

#include "data/database.h"
#include "data/numbers.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace tirelou {

const QStringList& MonthFields() {
    static const QStringList fields{field::Rubriques, field::Libelle,       field::NumCheque, field::Prix,
                                    field::Date,      field::Poste,         field::Depot,     field::Montant,
                                    field::Reste,     field::MontPrecedent, field::Reserve};
    return fields;
}

const QStringList& EntryFields() {
    static const QStringList fields{field::Rubriques, field::Libelle, field::NumCheque,
                                    field::Prix,      field::Date,    field::Poste};
    return fields;
}

const std::array<QString, 12>& FrenchMonthTables() {
    static const std::array<QString, 12> names{
        QStringLiteral("Janvier"), QStringLiteral("Fevrier"),  QStringLiteral("Mars"),
        QStringLiteral("Avril"),   QStringLiteral("Mai"),      QStringLiteral("Juin"),
        QStringLiteral("Juillet"), QStringLiteral("Aout"),     QStringLiteral("Septembre"),
        QStringLiteral("Octobre"), QStringLiteral("Novembre"), QStringLiteral("Decembre")};
    return names;
}

const std::array<QString, 12>& EnglishMonthTables() {
    static const std::array<QString, 12> names{
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return names;
}

QString AccountFileName(const QString& accountNumber, int year) {
    return accountNumber.trimmed() + QString::number(year).rightJustified(4, QLatin1Char('0')) +
           AccountFileSuffix;
}

QString AccountNumberOfFile(const QString& fileName) {
    return fileName.left(fileName.size() - 8).trimmed();
}

int YearOfFile(const QString& fileName) {
    // The lenient reading takes an exponent ("1e10"), which no int holds: a year beyond
    // four digits is taken as the last one, a negative one as 0.
    const double year = NumberValue(fileName.trimmed().right(8).left(4));
    if (!(year > 0))
        return 0;
    return static_cast<int>(std::min(year, 9999.0));
}

void CreateTemplate(const QString& path) {
    Database db;
    db.create(path);
    const auto textTable = [](const QString& name, const QStringList& fields) {
        QStringList cols;
        for (const QString& f : fields)
            cols << QuoteIdentifier(f) + QStringLiteral(" TEXT");
        return QStringLiteral("CREATE TABLE ") + QuoteIdentifier(name) + QStringLiteral(" (") +
               cols.join(QStringLiteral(", ")) + QStringLiteral(");\n");
    };
    QString sql = QStringLiteral("BEGIN;\n");
    sql += textTable(table::Usager, {field::NumCompte, field::Passe});
    sql += textTable(table::Mois, {field::Encour});
    sql += textTable(table::Rubriques, {field::Rubrique});
    sql += textTable(table::Rubriqueseng, {field::Rubrique});
    for (const QString& month : FrenchMonthTables())
        sql += textTable(month, MonthFields());
    for (const QString& month : EnglishMonthTables())
        sql += textTable(month, MonthFields());
    sql += QStringLiteral("COMMIT;");
    db.exec(sql);
}

bool EnsureTemplate(const QString& dataDir) {
    const QDir dir(dataDir);
    const QString target = dir.filePath(TemplateFileName);
    if (QFile::exists(target))
        return true;
    const QString temp = dir.filePath(TemplateFileName + QStringLiteral(".new"));
    QFile::remove(temp);
    try {
        CreateTemplate(temp);
    } catch (const DbError&) {
        QFile::remove(temp);
        return false;
    }
    return QFile::rename(temp, target);
}

} // namespace tirelou
