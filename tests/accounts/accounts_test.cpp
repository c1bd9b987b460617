#include "accounts/accounts.h"
#include "accounts/links.h"
#include "data/recordset.h"
#include "data/routines.h"
#include "data/schema.h"
#include "support/testdata.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tirelou;
using namespace Qt::StringLiterals;
using tirelou::test::Row;

namespace {

class AccountsTest : public ::testing::Test {
protected:
    AccountsTest() { ctx().clock.setToday(QDate(2026, 3, 14)); }
    WorkingContext& ctx() { return data.ctx(); }

    QByteArray fileBytes(const QString& name) const {
        QFile f(data.path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList filesLike(const char* pattern) const {
        return QDir(data.dir()).entryList({QString::fromLatin1(pattern)}, QDir::Files, QDir::Name);
    }
    void writeFile(const char* name, const QByteArray& bytes) {
        QFile f(data.path(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Account 22 of April, picked on the login list, with an English month of June in memory.
    void pickAccount22() {
        data.addAccount(u"22"_s, 2026, u"SECRET"_s, 4);
        LoadAccountList(ctx());
        ctx().language = English;
        ctx().monthTable = u"June"_s;
        ctx().month.remainderText = u"50"_s;
        ctx().month.entryLabel = QStringList{u"LOYER"_s};
        ASSERT_EQ(PickAccount(ctx(), 1), u"22"_s);
    }
    LoginOutcome login(const char* password = "SECRET") {
        return TryLogin(ctx(), u" 22 "_s, QString::fromLatin1(password));
    }
    static QStringList column(const QList<Row>& rows, const QString& field) {
        QStringList out;
        for (const Row& r : rows)
            out << r.value(field);
        return out;
    }

    test::TestData data;
};

} // namespace

TEST_F(AccountsTest, ANewAccountIsWholeOnlyOnceItsPasswordIsStored) {
    QList<CreationStage> stages;
    ASSERT_EQ(BuildAccountDatabase(ctx(), u" B7 "_s, [&](CreationStage s) { stages << s; }),
              NewAccountRefusal::None);
    EXPECT_EQ(stages,
              (QList<CreationStage>{CreationStage::FrenchCategories, CreationStage::EnglishCategories}));
    EXPECT_TRUE(NewAccountPending(ctx()));
    EXPECT_TRUE(ListAccountFiles(data.dir()).isEmpty());

    ASSERT_EQ(StoreAccountUser(ctx(), u" B7 "_s, u" NEUF "_s), NewAccountRefusal::None);
    EXPECT_FALSE(NewAccountPending(ctx()));
    EXPECT_FALSE(ctx().targetDb.isOpen());
    EXPECT_EQ(filesLike("B7*"), QStringList{u"B72026.acd"_s});

    const QString file = data.path(u"B72026.acd"_s);
    const QList<Row> users = data.rowsOf(file, table::Usager);
    ASSERT_EQ(users.size(), 1);
    EXPECT_EQ(users[0].value(field::NumCompte), u"B7"_s);
    EXPECT_EQ(users[0].value(field::Passe), EncodePassword(u"NEUF"_s));
    EXPECT_EQ(column(data.rowsOf(file, table::Mois), field::Encour), QStringList{u"1"_s});
    EXPECT_EQ(column(data.rowsOf(file, table::Rubriques), field::Rubrique), test::DefaultFrenchCategories());
    EXPECT_EQ(column(data.rowsOf(file, table::Rubriqueseng), field::Rubrique),
              test::DefaultEnglishCategories());
}

TEST_F(AccountsTest, AnExistingFileIsNeverReplaced) {
    const QString existing = data.addAccount(u"1"_s, 2026, u"OLD"_s);
    const QByteArray before = fileBytes(existing);
    EXPECT_EQ(BuildAccountDatabase(ctx(), u" 1 "_s), NewAccountRefusal::Exists);
    EXPECT_FALSE(NewAccountPending(ctx()));
    EXPECT_EQ(fileBytes(existing), before);

    // One that appears while the password is being typed is kept too.
    ASSERT_EQ(BuildAccountDatabase(ctx(), u"3"_s), NewAccountRefusal::None);
    const QString other = data.addAccount(u"3"_s, 2026, u"THEIRS"_s);
    const QByteArray theirs = fileBytes(other);
    EXPECT_EQ(StoreAccountUser(ctx(), u"3"_s, u"MINE"_s), NewAccountRefusal::Exists);
    EXPECT_EQ(fileBytes(other), theirs);
    EXPECT_TRUE(filesLike("*.new").isEmpty());

    // The same number in another year is another file.
    data.addAccount(u"2"_s, 2025);
    EXPECT_EQ(CheckNewAccountNumber(ctx(), u"2"_s), NewAccountRefusal::None);
}

TEST_F(AccountsTest, NumbersThatCannotNameAFileAreRefused) {
    EXPECT_EQ(BuildAccountDatabase(ctx(), u"   "_s), NewAccountRefusal::EmptyNumber);
    for (const char* bad : {"A/B", "..\\X", "C:", "WHAT?", "\"Q\"", "A|B", "T\tAB"})
        EXPECT_EQ(BuildAccountDatabase(ctx(), QString::fromLatin1(bad)),
                  NewAccountRefusal::ForbiddenCharacter)
            << bad;
    EXPECT_TRUE(filesLike("*.acd*").isEmpty());
    EXPECT_EQ(CheckNewAccountNumber(ctx(), u"CPT É 12"_s), NewAccountRefusal::None);
}

TEST_F(AccountsTest, AnInterruptedCreationLeavesNoAccount) {
    writeFile("52026.acd.new", "half an account");
    ASSERT_EQ(BuildAccountDatabase(ctx(), u"5"_s), NewAccountRefusal::None);
    ASSERT_EQ(StoreAccountUser(ctx(), u"5"_s, u"P"_s), NewAccountRefusal::None);
    EXPECT_EQ(data.rowsOf(data.path(u"52026.acd"_s), table::Rubriques).size(), 10);

    ASSERT_TRUE(QFile::remove(data.path(TemplateFileName)));
    EXPECT_THROW(BuildAccountDatabase(ctx(), u"6"_s), DbError);
    EXPECT_FALSE(NewAccountPending(ctx()));
    EXPECT_TRUE(filesLike("6*").isEmpty());
}

TEST_F(AccountsTest, TheAccountListHoldsOnlyAccountFilesInOrder) {
    data.addAccount(u"B5"_s, 2026);
    data.addAccount(u"1"_s, 2026);
    writeFile("notes.txt", "");
    writeFile("92026.acd.new", "");
    const QList<AccountEntry> list = LoadAccountList(ctx());
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].number + list[1].number, u"1B5"_s);
    EXPECT_EQ(ctx().accountFiles, (QStringList{u"12026.acd"_s, u"B52026.acd"_s}));
}

TEST_F(AccountsTest, ALoginEmptiesThePreviousAccountsMonth) {
    pickAccount22();
    EXPECT_EQ(login("secret"), LoginOutcome::Refused); // another password, and counted
    EXPECT_EQ(login(" SECRET "), LoginOutcome::Accepted);
    EXPECT_EQ(ctx().accountNumber, u"22"_s);
    EXPECT_EQ(ctx().currentMonth, 4);
    EXPECT_EQ(ctx().monthTable, u"April"_s);
    EXPECT_EQ(ctx().modeCode, 1);
    EXPECT_TRUE(ctx().month.remainderText.isEmpty());
    EXPECT_TRUE(ctx().month.entryLabel.isEmpty());
}

TEST_F(AccountsTest, ADamagedCurrentMonthRefusesTheLoginWithoutCountingIt) {
    pickAccount22();
    const auto setEncour = [this](const std::optional<QString>& value) {
        RecordSet rs;
        rs.open(ctx().accountDb, table::Mois);
        if (!value) { // the month row is gone
            rs.deleteCurrent();
            return;
        }
        rs.edit();
        rs.setValue(field::Encour, *value);
        rs.update();
    };
    const std::optional<QString> damaged[] = {u"1e10"_s, u"0"_s,    u"13"_s,   u"12.999e3"_s,
                                              u"-3"_s,   u"MARS"_s, QString(), std::nullopt};
    for (const auto& encour : damaged) {
        SCOPED_TRACE(encour.value_or(u"no row"_s).toStdString());
        setEncour(encour);
        EXPECT_EQ(login(), LoginOutcome::DamagedMonth);
    }
    EXPECT_TRUE(ctx().accountNumber.isEmpty());
    EXPECT_EQ(ctx().monthTable, u"June"_s);
    EXPECT_EQ(ctx().month.remainderText, u"50"_s);
    EXPECT_EQ(ctx().modeCode, 0);

    // The month row comes back as the take-back writes it; a fraction is its month.
    SetCurrentMonth(ctx(), 12);
    EXPECT_EQ(login(), LoginOutcome::Accepted);
    EXPECT_EQ(ctx().monthTable, u"December"_s);
    setEncour(u" 1.5"_s);
    EXPECT_EQ(login(), LoginOutcome::Accepted);
    EXPECT_EQ(ctx().currentMonth, 1);
}

TEST_F(AccountsTest, TheDateLineUsesTheLocaleNamesInCapitals) {
    const QLocale fr(QLocale::French, QLocale::France);
    EXPECT_EQ(MenuDateLine(QDate(2026, 3, 5), fr), u"JEUDI 05 MARS 2026"_s);
    EXPECT_EQ(MenuDateLine(QDate(2026, 8, 17), fr), u"LUNDI 17 AOÛT 2026"_s);
    EXPECT_EQ(MenuDateLine(QDate(2026, 3, 5), QLocale(QLocale::English, QLocale::UnitedKingdom)),
              u"THURSDAY 05 MARCH 2026"_s);
}

TEST_F(AccountsTest, TheAccountLineShowsTheFirstRemainderOfTheMonth) {
    data.login(data.addAccount(u"5"_s, 2026, u"S"_s, 3));
    ctx().month.remainderText = u"kept"_s;
    ReadRemainder(ctx()); // an empty month leaves it
    EXPECT_EQ(ctx().month.remainderText, u"kept"_s);

    data.addRow(u"Mars"_s, {{field::Reste, u"1234.5"_s}});
    data.addRow(u"Mars"_s, {{field::Reste, u"99"_s}});
    ReadRemainder(ctx());
    EXPECT_EQ(AccountLine(ctx()), u"Compte 5   1 234.50 €"_s);
    ctx().language = English;
    ctx().month.remainderText = u"-12,5"_s;
    EXPECT_EQ(AccountLine(ctx()), u"Account 5   -12.50 £"_s);
    ctx().monthTable = u"NoSuchTable"_s;
    ReadRemainder(ctx());
    EXPECT_EQ(ctx().month.remainderText, u"-12,5"_s);
}

TEST_F(AccountsTest, TheConverterShowsFrancsWithTheLocaleDecimalSign) {
    struct Case {
        const char *remainder, *point, *expected;
        bool french = true;
    };
    for (const Case& c :
         {Case{"100", ".", "655.96  Fr."}, Case{"100", ".", "152.45  Fr.", false},
          Case{"1234567", ".", "8 098 228.66  Fr."}, Case{"12,5", ".", "81.99  Fr."},
          Case{"", ".", "0.00  Fr."}, Case{"100", ",", "655,96  Fr."}, Case{"-12.5", ",", "-81,99  Fr."}}) {
        SCOPED_TRACE(c.remainder);
        EXPECT_EQ(FrancsText(QString::fromLatin1(c.remainder), c.french, QString::fromLatin1(c.point)),
                  QString::fromLatin1(c.expected));
    }
}

TEST_F(AccountsTest, TypedMonthsAreOneToTwelve) {
    EXPECT_EQ(TypedMonth(u" 12 "_s), 12);
    EXPECT_EQ(TypedMonth(u"7.9"_s), 7);
    for (const char* bad : {"0", "13", "-2", "MARS", ""})
        EXPECT_EQ(TypedMonth(QString::fromLatin1(bad)), std::nullopt) << bad;
}

namespace {

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

// Every screen the program can open has its own section in both help pages, so that a help
// button can open the page on it.
TEST(HelpTest, EveryScreenHasASectionInBothPages) {
    const QString source = QStringLiteral(TIRELOU_SOURCE_DIR);
    const QString names = ReadText(source + u"/src/ui/screennames.h"_s);
    QStringList screens;
    const QRegularExpression nameRe(u"QStringLiteral\\(\"(\\w+)\"\\)"_s);
    for (const auto& m : nameRe.globalMatch(names))
        screens << m.captured(1);
    ASSERT_GE(screens.size(), 30);
    for (const bool french : {true, false}) {
        const QString page = ReadText(source + u"/src/accounts/help/"_s + accounts::HelpFileName(french));
        ASSERT_FALSE(page.isEmpty());
        for (const QString& name : screens)
            EXPECT_TRUE(page.contains(u"id=\""_s + name + u"\""_s))
                << name.toStdString() << " french=" << french;
    }
}

// The installed pages win over the build folder's; the address carries the screen's anchor.
TEST(HelpTest, PagesAreFoundInstalledThenBuiltAndOpenOnTheScreen) {
    QTemporaryDir root;
    const QString bin = root.filePath(u"usr/bin"_s);
    const QStringList folders = accounts::HelpFolders(bin);
    ASSERT_EQ(folders,
              (QStringList{root.filePath(u"usr/share/tirelou/help"_s), root.filePath(u"usr/bin/help"_s)}));
    EXPECT_TRUE(accounts::FindHelpPage(folders, true).isEmpty());
    for (const QString& folder : folders) {
        QDir().mkpath(folder);
        QFile(folder + u"/Tireloueng.html"_s).open(QIODevice::WriteOnly);
    }
    EXPECT_EQ(accounts::FindHelpPage(folders, false), folders[0] + u"/Tireloueng.html"_s);
    EXPECT_TRUE(accounts::FindHelpPage(folders, true).isEmpty());
    const QUrl url = accounts::HelpUrl(folders[0] + u"/Tireloueng.html"_s, u"MenuTirelou"_s);
    EXPECT_EQ(url.toString(), u"file://"_s + folders[0] + u"/Tireloueng.html#MenuTirelou"_s);
}
