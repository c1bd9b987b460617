#include "data/recordset.h"
#include "data/schema.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tirelou;

namespace {

class RecordSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("12026.acd"));
        CreateTemplate(path);
        db.open(path);
    }

    void add(const QString& rubrique, const QString& libelle = QStringLiteral("L")) {
        RecordSet rs;
        rs.open(db, QStringLiteral("Mars"));
        rs.addNew();
        rs.setValue(field::Rubriques, rubrique);
        rs.setValue(field::Libelle, libelle);
        rs.update();
    }

    QStringList column(const QString& field, const Filters& filters = {}) {
        RecordSet rs;
        rs.open(db, QStringLiteral("Mars"), filters);
        QStringList out;
        for (; !rs.eof(); rs.moveNext())
            out << rs.value(field);
        return out;
    }

    QTemporaryDir dir;
    QString path;
    Database db;
};

} // namespace

TEST_F(RecordSetTest, TemplateHoldsEveryTableEmpty) {
    for (const QString& t :
         {QStringLiteral("Usager"), QStringLiteral("Mois"), QStringLiteral("Rubriques"),
          QStringLiteral("Rubriqueseng"), QStringLiteral("Janvier"), QStringLiteral("Decembre"),
          QStringLiteral("January"), QStringLiteral("December"), QStringLiteral("Aout")}) {
        EXPECT_TRUE(db.hasTable(t)) << t.toStdString();
        RecordSet rs;
        rs.open(db, t);
        EXPECT_EQ(rs.recordCount(), 0);
        EXPECT_TRUE(rs.eof());
    }
    RecordSet rs;
    rs.open(db, QStringLiteral("Juin"));
    EXPECT_EQ(rs.fieldNames(), MonthFields());
}

TEST_F(RecordSetTest, RowsKeepInsertionOrderThroughDeletesAndAdditions) {
    for (const char* r : {"A", "B", "C", "D"})
        add(QString::fromLatin1(r));
    {
        RecordSet rs;
        rs.open(db, QStringLiteral("Mars"));
        rs.moveTo(1);
        rs.deleteCurrent();
        EXPECT_THROW(rs.value(field::Rubriques), DbError);
        rs.moveNext(); // lands on the record that followed the deleted one
        EXPECT_EQ(rs.value(field::Rubriques), QStringLiteral("C"));
        EXPECT_EQ(rs.recordCount(), 3);
    }
    add(QStringLiteral("E"));
    EXPECT_EQ(column(field::Rubriques), (QStringList{"A", "C", "D", "E"}));

    // Emptying a table and refilling it keeps the new order too.
    RecordSet rs;
    rs.open(db, QStringLiteral("Mars"));
    const int n = rs.recordCount();
    rs.moveFirst();
    for (int i = 0; i < n; ++i) {
        rs.deleteCurrent();
        rs.moveNext();
    }
    EXPECT_EQ(rs.recordCount(), 0);
    add(QStringLiteral("Z"));
    add(QStringLiteral("Y"));
    EXPECT_EQ(column(field::Rubriques), (QStringList{"Z", "Y"}));
}

TEST_F(RecordSetTest, FiltersMatchStoredTextsExactlyQuotesAndCommasIncluded) {
    add(QStringLiteral("MAISON"), QStringLiteral("L'EPICERIE, RUE \"HAUTE\""));
    add(QStringLiteral("MAISON"), QStringLiteral("AUTRE"));
    add(QStringLiteral("SANTE"), QStringLiteral("L'EPICERIE, RUE \"HAUTE\""));
    add(QStringLiteral("X' OR '1'='1"), QStringLiteral("Y"));

    EXPECT_EQ(column(field::Libelle, {{field::Rubriques, QStringLiteral("MAISON")}}),
              (QStringList{"L'EPICERIE, RUE \"HAUTE\"", "AUTRE"}));
    EXPECT_EQ(column(field::Rubriques, {{field::Rubriques, QStringLiteral("MAISON")},
                                        {field::Libelle, QStringLiteral("L'EPICERIE, RUE \"HAUTE\"")}}),
              QStringList{"MAISON"});
    EXPECT_EQ(column(field::Libelle, {{field::Rubriques, QStringLiteral("X' OR '1'='1")}}), QStringList{"Y"});
    EXPECT_TRUE(column(field::Libelle, {{field::Rubriques, QStringLiteral("maison")}}).isEmpty());
}

TEST_F(RecordSetTest, EditsAndAdditionsAreWrittenAtOnce) {
    add(QStringLiteral("A"));
    add(QStringLiteral("B"));
    RecordSet rs;
    rs.open(db, QStringLiteral("Mars"));
    rs.moveLast();
    EXPECT_EQ(rs.recordCount(), 2);
    rs.moveFirst();
    rs.edit();
    rs.setValue(QStringLiteral("reste"), QStringLiteral("100")); // names are not case-sensitive
    EXPECT_EQ(rs.value(field::Reste), QStringLiteral("100"));
    rs.update();
    EXPECT_EQ(rs.value(field::Reste), QStringLiteral("100"));
    EXPECT_EQ(rs.value(field::Prix), QString()); // a field holding no value reads as empty

    // The current record stays where it was after an addition.
    rs.addNew();
    rs.setValue(field::Rubriques, QStringLiteral("C"));
    rs.update();
    EXPECT_EQ(rs.value(field::Rubriques), QStringLiteral("A"));
    EXPECT_EQ(rs.recordCount(), 3);

    EXPECT_EQ(column(field::Reste), (QStringList{"100", "", ""}));
    EXPECT_EQ(column(field::Rubriques), (QStringList{"A", "B", "C"}));
}

TEST_F(RecordSetTest, MisuseIsReportedNotFatal) {
    RecordSet rs;
    EXPECT_THROW(rs.moveFirst(), DbError);
    EXPECT_THROW(rs.open(db, QStringLiteral("Nowhere")), DbError);
    EXPECT_THROW(rs.open(db, QStringLiteral("Mars"), {{QStringLiteral("Nofield"), QStringLiteral("x")}}),
                 DbError);
    rs.open(db, QStringLiteral("Mars"));
    rs.moveFirst(); // an empty set: moving is allowed, reading is not
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.value(field::Reste), DbError);
    EXPECT_THROW(rs.edit(), DbError);
    EXPECT_THROW(rs.setValue(field::Reste, QStringLiteral("1")), DbError);
    rs.addNew();
    EXPECT_THROW(rs.setValue(QStringLiteral("Nofield"), QStringLiteral("1")), DbError);
    rs.cancelUpdate();
    EXPECT_EQ(rs.recordCount(), 0);
}

TEST_F(RecordSetTest, TransactionsAreAllOrNothing) {
    {
        Transaction tx(db);
        add(QStringLiteral("KEPT"));
        tx.commit();
    }
    {
        Transaction tx(db);
        add(QStringLiteral("LOST"));
        {
            Transaction inner(db);
            add(QStringLiteral("LOST TOO"));
            inner.commit();
        }
        // no commit: everything since the guard was made goes
    }
    {
        Transaction outer(db);
        add(QStringLiteral("OUTER"));
        {
            Transaction inner(db);
            add(QStringLiteral("INNER ROLLED BACK"));
        }
        outer.commit();
    }
    EXPECT_EQ(column(field::Rubriques), (QStringList{"KEPT", "OUTER"}));

    // Committed work survives closing and reopening the file.
    db.close();
    db.open(path);
    EXPECT_EQ(column(field::Rubriques), (QStringList{"KEPT", "OUTER"}));
}

TEST(Database, OpensOnlyRealAccountFiles) {
    QTemporaryDir dir;
    Database db;
    EXPECT_THROW(db.open(dir.filePath(QStringLiteral("missing.acd"))), DbError);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing.acd"))));

    QFile junk(dir.filePath(QStringLiteral("junk.acd")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    EXPECT_THROW(db.open(junk.fileName()), DbError);
    EXPECT_FALSE(db.isOpen());

    const QString made = dir.filePath(QStringLiteral("made.acd"));
    CreateTemplate(made);
    EXPECT_THROW(CreateTemplate(made), DbError); // never over an existing file
}

TEST(Schema, AccountFileNames) {
    EXPECT_EQ(AccountFileName(QStringLiteral(" 1 "), 2026), QStringLiteral("12026.acd"));
    EXPECT_EQ(AccountNumberOfFile(QStringLiteral("12026.acd")), QStringLiteral("1"));
    EXPECT_EQ(AccountNumberOfFile(QStringLiteral("CCP442026.acd")), QStringLiteral("CCP44"));
    EXPECT_EQ(AccountNumberOfFile(QStringLiteral("2026.acd")), QString());
    EXPECT_EQ(YearOfFile(QStringLiteral("CCP442025.acd")), 2025);
    EXPECT_EQ(YearOfFile(QStringLiteral("old.acd")), 0);
    // An exponent or a sign in the year's place is held to a year, never beyond an int.
    EXPECT_EQ(YearOfFile(QStringLiteral("71e10.acd")), 9999);
    EXPECT_EQ(YearOfFile(QStringLiteral("19e99.acd")), 9999);
    EXPECT_EQ(YearOfFile(QStringLiteral("1-202.acd")), 0);
}
