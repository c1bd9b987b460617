#pragma once

#include "data/database.h"
#include "data/recordset.h"
#include "data/schema.h"
#include "support/testdata.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

// Month rows as the entry screens leave them, and snapshots of the data folder.
namespace tirelou::test {

using namespace Qt::StringLiterals;
using Fields = std::initializer_list<std::pair<const QString, QString>>;

inline Row With(Row row, Fields more) {
    for (const auto& [k, v] : more)
        row.insert(k, v);
    return row;
}

// A month row; every field not given holds "0".
inline Row MonthRow(Fields given) {
    Row r;
    for (const QString& f : MonthFields())
        r.insert(f, u"0"_s);
    return With(r, given);
}

// Kinds: "P" direct debit, "R" forecast, anything else a payment.
inline Row Item(const QString& kind, const QString& label, const QString& price, Fields more = {}) {
    const QString number = kind == u"P"_s ? u"PRELEVEMENT"_s : kind == u"R"_s ? u"PREVISION"_s : u"CARTE"_s;
    return With(MonthRow({{field::Rubriques, u"MAISON"_s},
                          {field::Libelle, label},
                          {field::NumCheque, number},
                          {field::Prix, price},
                          {field::Date, u"05/03/2026"_s},
                          {field::Poste, kind}}),
                more);
}

// The files of the data folder and its archive folder. An account file counts as the
// rows of its tables (the engine moves a change counter in the file even for an undone
// transaction); any other file byte for byte.
using FolderSnapshot = QMap<QString, QByteArray>;

inline FolderSnapshot SnapshotFolder(const QString& dataDir) {
    QStringList tables{table::Usager, table::Mois, table::Rubriques, table::Rubriqueseng};
    for (std::size_t m = 0; m < 12; ++m)
        tables << FrenchMonthTables()[m] << EnglishMonthTables()[m];
    FolderSnapshot out;
    for (const QString& sub : {QString(), ArchiveFolderName}) {
        const QDir dir(QDir(dataDir).filePath(sub));
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
            QByteArray content;
            try {
                Database db;
                db.open(dir.filePath(name));
                for (const QString& t : tables) {
                    RecordSet rs;
                    rs.open(db, t);
                    for (content += t.toUtf8() + '\n'; !rs.eof(); rs.moveNext())
                        for (const QString& f : rs.fieldNames())
                            content += f.toUtf8() + '=' + rs.value(f).toUtf8() + '|';
                }
            } catch (const DbError&) {
                QFile f(dir.filePath(name));
                EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
                content = f.readAll();
            }
            out.insert(sub.isEmpty() ? name : sub + u'/' + name, content);
        }
    }
    return out;
}

} // namespace tirelou::test
