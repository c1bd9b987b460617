#include "accounts/accounts.h"
#include "data/handover.h"
#include "data/recordset.h"
#include "data/routines.h"
#include "data/schema.h"
#include "support/testdata.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace tirelou;
using tirelou::test::Row;
using tirelou::test::TestData;

namespace {

class AccountsTest : public ::testing::Test {
protected:
    AccountsTest() { ctx().clock.setToday(QDate(2026, 3, 14)); }
    WorkingContext& ctx() { return data.ctx(); }

    QByteArray fileBytes(const QString& name) const {
        QFile f(data.path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList leftovers() const {
        return QDir(data.dir()).entryList({QStringLiteral("*.new")}, QDir::Files);
    }
    // Rewrites Encour of the open account file; with no value the month row is removed.
    void setEncour(const std::optional<QString>& value) {
        RecordSet rs;
        rs.open(ctx().accountDb, table::Mois);
        if (!value) {
            rs.deleteCurrent();
            return;
        }
        rs.edit();
        rs.setValue(field::Encour, *value);
        rs.update();
    }
    QStringList column(const QList<Row>& rows, const QString& field) const {
        QStringList out;
        for (const Row& r : rows)
            out << r.value(field);
        return out;
    }

    TestData data;
};

} // namespace

// ---- Account creation

TEST_F(AccountsTest, ANewAccountIsWholeOnlyOnceItsPasswordIsStored) {
    QList<CreationStage> stages;
    ASSERT_EQ(BuildAccountDatabase(ctx(), QStringLiteral(" B7 "), [&](CreationStage s) { stages << s; }),
              NewAccountRefusal::None);
    EXPECT_EQ(stages,
              (QList<CreationStage>{CreationStage::FrenchCategories, CreationStage::EnglishCategories}));
    EXPECT_EQ(ctx().accountFile, QStringLiteral("B72026.acd"));
    EXPECT_TRUE(NewAccountPending(ctx()));
    // Until the password is given, no account list shows it.
    EXPECT_TRUE(ListAccountFiles(data.dir()).isEmpty());
    EXPECT_FALSE(QFile::exists(data.path(QStringLiteral("B72026.acd"))));

    ASSERT_EQ(StoreAccountUser(ctx(), QStringLiteral(" B7 "), QStringLiteral(" NEUF ")),
              NewAccountRefusal::None);
    EXPECT_FALSE(NewAccountPending(ctx()));
    EXPECT_FALSE(ctx().targetDb.isOpen());
    EXPECT_EQ(ListAccountFiles(data.dir()), QStringList{QStringLiteral("B72026.acd")});
    EXPECT_TRUE(leftovers().isEmpty());

    const QString file = data.path(QStringLiteral("B72026.acd"));
    const QList<Row> users = data.rowsOf(file, table::Usager);
    ASSERT_EQ(users.size(), 1);
    EXPECT_EQ(users[0].value(field::NumCompte), QStringLiteral("B7"));
    EXPECT_EQ(users[0].value(field::Passe), EncodePassword(QStringLiteral("NEUF")));
    EXPECT_EQ(column(data.rowsOf(file, table::Mois), field::Encour), QStringList{QStringLiteral("1")});
    EXPECT_EQ(column(data.rowsOf(file, table::Rubriques), field::Rubrique), test::DefaultFrenchCategories());
    EXPECT_EQ(column(data.rowsOf(file, table::Rubriqueseng), field::Rubrique),
              test::DefaultEnglishCategories());
    EXPECT_TRUE(data.rowsOf(file, QStringLiteral("Janvier")).isEmpty());
}

TEST_F(AccountsTest, ANewAccountCanBeLoggedInto) {
    ASSERT_EQ(BuildAccountDatabase(ctx(), QStringLiteral("7")), NewAccountRefusal::None);
    ASSERT_EQ(StoreAccountUser(ctx(), QStringLiteral("7"), QStringLiteral("ABC")), NewAccountRefusal::None);
    ctx().language = French;
    ASSERT_EQ(LoadAccountList(ctx()).size(), 1);
    EXPECT_EQ(PickAccount(ctx(), 1), QStringLiteral("7"));
    EXPECT_EQ(TryLogin(ctx(), QStringLiteral("7"), QStringLiteral("ABC")), LoginOutcome::Accepted);
    EXPECT_EQ(ctx().accountNumber, QStringLiteral("7"));
    EXPECT_EQ(ctx().currentMonth, 1);
    EXPECT_EQ(ctx().monthTable, QStringLiteral("Janvier"));
}

TEST_F(AccountsTest, AnExistingAccountIsNeverReplaced) {
    const QString existing = data.addAccount(QStringLiteral("1"), 2026, QStringLiteral("OLD"));
    const QByteArray before = fileBytes(existing);

    EXPECT_EQ(CheckNewAccountNumber(ctx(), QStringLiteral("1")), NewAccountRefusal::Exists);
    EXPECT_EQ(BuildAccountDatabase(ctx(), QStringLiteral(" 1 ")), NewAccountRefusal::Exists);
    EXPECT_FALSE(NewAccountPending(ctx()));
    EXPECT_EQ(fileBytes(existing), before);
    EXPECT_TRUE(leftovers().isEmpty());

    // The same number in another year is another file.
    data.addAccount(QStringLiteral("2"), 2025);
    EXPECT_EQ(CheckNewAccountNumber(ctx(), QStringLiteral("2")), NewAccountRefusal::None);
}

TEST_F(AccountsTest, AFileThatAppearsBeforeThePasswordIsKept) {
    ASSERT_EQ(BuildAccountDatabase(ctx(), QStringLiteral("3")), NewAccountRefusal::None);
    const QString other = data.addAccount(QStringLiteral("3"), 2026, QStringLiteral("THEIRS"));
    const QByteArray before = fileBytes(other);
    EXPECT_EQ(StoreAccountUser(ctx(), QStringLiteral("3"), QStringLiteral("MINE")),
              NewAccountRefusal::Exists);
    EXPECT_EQ(fileBytes(other), before);
    EXPECT_TRUE(leftovers().isEmpty());
}

TEST_F(AccountsTest, NumbersThatCannotNameAFileAreRefused) {
    EXPECT_EQ(BuildAccountDatabase(ctx(), QString()), NewAccountRefusal::EmptyNumber);
    EXPECT_EQ(BuildAccountDatabase(ctx(), QStringLiteral("   ")), NewAccountRefusal::EmptyNumber);
    for (const char* bad : {"A/B", "..\\X", "C:", "WHAT?", "\"Q\"", "A|B", "T\tAB"})
        EXPECT_EQ(BuildAccountDatabase(ctx(), QString::fromLatin1(bad)),
                  NewAccountRefusal::ForbiddenCharacter)
            << bad;
    EXPECT_TRUE(QDir(data.dir()).entryList({QStringLiteral("*.acd*")}, QDir::Files).isEmpty());
    // Blanks, letters and accents are fine.
    EXPECT_EQ(CheckNewAccountNumber(ctx(), QStringLiteral("CPT É 12")), NewAccountRefusal::None);
}

TEST_F(AccountsTest, AnAbandonedAccountLeavesNothingBehind) {
    AbandonNewAccount(ctx()); // nothing pending: harmless
    ASSERT_EQ(BuildAccountDatabase(ctx(), QStringLiteral("4")), NewAccountRefusal::None);
    AbandonNewAccount(ctx());
    EXPECT_FALSE(NewAccountPending(ctx()));
    EXPECT_TRUE(QDir(data.dir()).entryList({QStringLiteral("4*")}, QDir::Files).isEmpty());
    EXPECT_THROW(StoreAccountUser(ctx(), QStringLiteral("4"), QStringLiteral("X")), DbError);
}

TEST_F(AccountsTest, AFileLeftByAnInterruptedCreationIsBuiltAfresh) {
    QFile stale(data.path(QStringLiteral("52026.acd.new")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("half an account");
    stale.close();
    ASSERT_EQ(BuildAccountDatabase(ctx(), QStringLiteral("5")), NewAccountRefusal::None);
    ASSERT_EQ(StoreAccountUser(ctx(), QStringLiteral("5"), QStringLiteral("P")), NewAccountRefusal::None);
    EXPECT_EQ(data.rowsOf(data.path(QStringLiteral("52026.acd")), table::Rubriques).size(), 10);
}

TEST_F(AccountsTest, AMissingTemplateIsAnErrorAndLeavesNoFile) {
    ASSERT_TRUE(QFile::remove(data.path(TemplateFileName)));
    EXPECT_THROW(BuildAccountDatabase(ctx(), QStringLiteral("6")), DbError);
    EXPECT_FALSE(NewAccountPending(ctx()));
    EXPECT_TRUE(leftovers().isEmpty());
}

// ---- Account list and login

TEST_F(AccountsTest, TheAccountListHoldsTheAccountFilesInOrder) {
    data.addAccount(QStringLiteral("B5"), 2026);
    data.addAccount(QStringLiteral("1"), 2026);
    QFile(data.path(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);
    QFile(data.path(QStringLiteral("92026.acd.new"))).open(QIODevice::WriteOnly);
    const QList<AccountEntry> list = LoadAccountList(ctx());
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].file, QStringLiteral("12026.acd"));
    EXPECT_EQ(list[0].number, QStringLiteral("1"));
    EXPECT_EQ(list[1].number, QStringLiteral("B5"));
    EXPECT_EQ(ctx().accountFiles, (QStringList{QStringLiteral("12026.acd"), QStringLiteral("B52026.acd")}));
}

TEST_F(AccountsTest, ALoginSetsTheAccountItsMonthAndTable) {
    data.addAccount(QStringLiteral("22"), 2026, QStringLiteral("SECRET"), 4);
    LoadAccountList(ctx());
    ctx().language = English;
    EXPECT_EQ(PickAccount(ctx(), 1), QStringLiteral("22"));
    EXPECT_EQ(ctx().accountFile, QStringLiteral("222026.acd"));
    // What the previous account left in memory is not this account's month.
    ctx().month.remainderText = QStringLiteral("777");
    ctx().month.entryLabel = QStringList{QStringLiteral("LOYER")};
    EXPECT_EQ(TryLogin(ctx(), QStringLiteral(" 22 "), QStringLiteral(" SECRET ")), LoginOutcome::Accepted);
    EXPECT_EQ(ctx().accountNumber, QStringLiteral("22"));
    EXPECT_EQ(ctx().chosenAccount, QStringLiteral("22"));
    EXPECT_EQ(ctx().currentMonth, 4);
    EXPECT_EQ(ctx().monthTable, QStringLiteral("April"));
    EXPECT_EQ(ctx().modeCode, 0);
    EXPECT_TRUE(ctx().month.remainderText.isEmpty());
    EXPECT_TRUE(ctx().month.entryLabel.isEmpty());
}

TEST_F(AccountsTest, ADamagedCurrentMonthRefusesTheLoginWithoutCountingIt) {
    data.addAccount(QStringLiteral("22"), 2026, QStringLiteral("SECRET"), 4);
    LoadAccountList(ctx());
    ctx().language = English;
    ctx().monthTable = QStringLiteral("June");
    ctx().currentMonth = 6;
    ctx().month.remainderText = QStringLiteral("50");
    ASSERT_EQ(PickAccount(ctx(), 1), QStringLiteral("22"));
    for (const char* encour : {"1e10", "-1e10", "0", "13", "12.999e3", "-3", "MARS", ""}) {
        setEncour(QString::fromLatin1(encour));
        EXPECT_EQ(TryLogin(ctx(), QStringLiteral("22"), QStringLiteral("SECRET")), LoginOutcome::DamagedMonth)
            << encour;
    }
    setEncour(std::nullopt);
    EXPECT_EQ(TryLogin(ctx(), QStringLiteral("22"), QStringLiteral("SECRET")), LoginOutcome::DamagedMonth);
    EXPECT_TRUE(ctx().accountNumber.isEmpty());
    EXPECT_EQ(ctx().currentMonth, 6);
    EXPECT_EQ(ctx().monthTable, QStringLiteral("June"));
    EXPECT_EQ(ctx().month.remainderText, QStringLiteral("50"));
    EXPECT_EQ(ctx().modeCode, 0);

    // The month row comes back, as the month dialogue writes it; a fraction is its month.
    SetCurrentMonth(ctx(), 12);
    EXPECT_EQ(TryLogin(ctx(), QStringLiteral("22"), QStringLiteral("SECRET")), LoginOutcome::Accepted);
    EXPECT_EQ(ctx().monthTable, QStringLiteral("December"));
    setEncour(QStringLiteral(" 1.5"));
    EXPECT_EQ(TryLogin(ctx(), QStringLiteral("22"), QStringLiteral("SECRET")), LoginOutcome::Accepted);
    EXPECT_EQ(ctx().currentMonth, 1);
}

TEST_F(AccountsTest, TheThirdRefusalCountsAcrossAccounts) {
    data.addAccount(QStringLiteral("1"), 2026, QStringLiteral("UN"));
    data.addAccount(QStringLiteral("2"), 2026, QStringLiteral("DEUX"));
    LoadAccountList(ctx());
    ctx().modeCode = 0;
    PickAccount(ctx(), 1);
    EXPECT_EQ(TryLogin(ctx(), QStringLiteral("1"), QStringLiteral("DEUX")), LoginOutcome::Refused);
    // The comparison is exact: a lower-case password is another password.
    EXPECT_EQ(TryLogin(ctx(), QStringLiteral("1"), QStringLiteral("un")), LoginOutcome::Refused);
    PickAccount(ctx(), 2);
    EXPECT_EQ(TryLogin(ctx(), QStringLiteral("2"), QStringLiteral("UN")), LoginOutcome::RefusedLast);
    EXPECT_TRUE(ctx().accountNumber.isEmpty());
}

TEST_F(AccountsTest, AFileWithoutAUserRowCannotBePicked) {
    ASSERT_TRUE(QFile::copy(data.path(TemplateFileName), data.path(QStringLiteral("82026.acd"))));
    LoadAccountList(ctx());
    EXPECT_EQ(PickAccount(ctx(), 1), std::nullopt);
    EXPECT_EQ(PickAccount(ctx(), 2), std::nullopt);
}

TEST_F(AccountsTest, AFileThatIsNoDatabaseOrIsGoneFailsToOpen) {
    QFile junk(data.path(QStringLiteral("92026.acd")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not an account file, but long enough to look like one to a careless reader");
    junk.close();
    data.addAccount(QStringLiteral("1"), 2026);
    LoadAccountList(ctx());
    ASSERT_EQ(PickAccount(ctx(), 1), QStringLiteral("1"));
    EXPECT_THROW(PickAccount(ctx(), 2), DbError);
    EXPECT_FALSE(ctx().accountDb.isOpen()); // not left on the previous account

    ASSERT_TRUE(QFile::remove(data.path(QStringLiteral("12026.acd"))));
    EXPECT_THROW(PickAccount(ctx(), 1), DbError);
    EXPECT_FALSE(QFile::exists(data.path(QStringLiteral("12026.acd"))));
}

// ---- Main menu

TEST_F(AccountsTest, TheDateLineUsesTheLocaleNamesInCapitals) {
    const QDate day(2026, 3, 5);
    EXPECT_EQ(MenuDateLine(day, QLocale(QLocale::French, QLocale::France)),
              QStringLiteral("JEUDI 05 MARS 2026"));
    EXPECT_EQ(MenuDateLine(day, QLocale(QLocale::English, QLocale::UnitedKingdom)),
              QStringLiteral("THURSDAY 05 MARCH 2026"));
    EXPECT_EQ(MenuDateLine(QDate(2026, 8, 17), QLocale(QLocale::French, QLocale::France)),
              QStringLiteral("LUNDI 17 AOÛT 2026"));
}

TEST_F(AccountsTest, TheRemainderAndTheAccountLine) {
    data.login(data.addAccount(QStringLiteral("5"), 2026, QStringLiteral("S"), 3));
    ctx().month.remainderText = QStringLiteral("kept");
    ReadRemainder(ctx()); // an empty month leaves it
    EXPECT_EQ(ctx().month.remainderText, QStringLiteral("kept"));

    data.addRow(QStringLiteral("Mars"), {{field::Reste, QStringLiteral("1234.5")}});
    data.addRow(QStringLiteral("Mars"), {{field::Reste, QStringLiteral("99")}});
    ReadRemainder(ctx());
    EXPECT_EQ(ctx().month.remainderText, QStringLiteral("1234.5"));
    EXPECT_EQ(AccountLine(ctx()), QStringLiteral("Compte 5   1 234.50 €"));
    ctx().language = English;
    EXPECT_EQ(AccountLine(ctx()), QStringLiteral("Account 5   1 234.50 £"));
    ctx().month.remainderText = QStringLiteral("-12,5");
    EXPECT_EQ(AccountLine(ctx()), QStringLiteral("Account 5   -12.50 £"));

    ctx().monthTable = QStringLiteral("NoSuchTable");
    ReadRemainder(ctx());
    EXPECT_EQ(ctx().month.remainderText, QStringLiteral("-12,5"));
}

TEST_F(AccountsTest, TheConverterShowsFrancs) {
    const QString point = QStringLiteral(".");
    const QString comma = QStringLiteral(",");
    EXPECT_EQ(FrancsText(QStringLiteral("100"), true, point), QStringLiteral("655.96  Fr."));
    EXPECT_EQ(FrancsText(QStringLiteral("100"), false, point), QStringLiteral("152.45  Fr."));
    EXPECT_EQ(FrancsText(QStringLiteral("1234567"), true, point), QStringLiteral("8 098 228.66  Fr."));
    EXPECT_EQ(FrancsText(QStringLiteral("12,5"), true, point), QStringLiteral("81.99  Fr."));
    EXPECT_EQ(FrancsText(QString(), true, point), QStringLiteral("0.00  Fr."));
    // The locale's decimal sign goes in the number only, never in the suffix.
    EXPECT_EQ(FrancsText(QStringLiteral("100"), true, comma), QStringLiteral("655,96  Fr."));
    EXPECT_EQ(FrancsText(QStringLiteral("1234567"), false, comma), QStringLiteral("1 882 085,05  Fr."));
    EXPECT_EQ(FrancsText(QStringLiteral("-12.5"), true, comma), QStringLiteral("-81,99  Fr."));
}

TEST_F(AccountsTest, TypedMonthsAreOneToTwelve) {
    EXPECT_EQ(TypedMonth(QStringLiteral("3")), 3);
    EXPECT_EQ(TypedMonth(QStringLiteral(" 12 ")), 12);
    EXPECT_EQ(TypedMonth(QStringLiteral("7.9")), 7);
    EXPECT_EQ(TypedMonth(QStringLiteral("0")), std::nullopt);
    EXPECT_EQ(TypedMonth(QStringLiteral("13")), std::nullopt);
    EXPECT_EQ(TypedMonth(QStringLiteral("-2")), std::nullopt);
    EXPECT_EQ(TypedMonth(QStringLiteral("MARS")), std::nullopt);
    EXPECT_EQ(TypedMonth(QString()), std::nullopt);
}

TEST_F(AccountsTest, TakingBackAMonthRewritesTheFileOnly) {
    data.login(data.addAccount(QStringLiteral("5"), 2026, QStringLiteral("S"), 3));
    SetCurrentMonth(ctx(), 11);
    EXPECT_EQ(column(data.rows(table::Mois), field::Encour), QStringList{QStringLiteral("11")});
    EXPECT_EQ(ctx().currentMonth, 3);
}

TEST_F(AccountsTest, TheConsultChoiceIsHandedOverInEncour) {
    ctx().currentMonth = 9;
    const auto lines = [this] {
        HandOverReader r(ctx(), handover::Encour);
        QStringList out;
        while (!r.atEnd())
            out << r.line();
        return out;
    };
    WriteConsultHandOver(ctx(), 4, false, QStringLiteral("1999"));
    EXPECT_EQ(lines(),
              (QStringList{QStringLiteral("CONSULT"), QStringLiteral(" 4 "), QStringLiteral(" 9 ")}));
    WriteConsultHandOver(ctx(), 2, true, QStringLiteral(" 2021 "));
    EXPECT_EQ(lines(),
              (QStringList{QStringLiteral("ARCHIVE"), QStringLiteral(" 2 "), QStringLiteral("2021")}));
    WriteConsultHandOver(ctx(), 12, true, QString());
    EXPECT_EQ(lines(),
              (QStringList{QStringLiteral("ARCHIVE"), QStringLiteral(" 12 "), QStringLiteral("2025")}));
    WriteCurrentMonthHandOver(ctx());
    EXPECT_EQ(lines(), QStringList{QStringLiteral("ENCOUR")});
}
