#include "accounts/accounts.h"
#include "data/recordset.h"
#include "data/routines.h"
#include "data/schema.h"
#include "support/testdata.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace tirelou;
using namespace Qt::StringLiterals;

namespace {

class PasswordsTest : public ::testing::Test {
protected:
    PasswordsTest() {
        ctx().clock.setToday(QDate(2026, 3, 14));
        ctx().language = French;
    }
    WorkingContext& ctx() { return data.ctx(); }
    QString storedPassword(const QString& file) {
        return data.rowsOf(data.path(file), table::Usager).value(0).value(field::Passe);
    }
    // Picks the account file's row on a freshly read account list.
    int rowOf(const QString& file) {
        LoadAccountList(ctx());
        return static_cast<int>(ctx().accountFiles.indexOf(file)) + 1;
    }

    test::TestData data;
};

} // namespace

TEST_F(PasswordsTest, TheThirdRefusalSinceTheRestartIsTheLast) {
    RestartAttempts(ctx());
    EXPECT_EQ(CountRefusal(ctx()), Attempt::Refused);
    EXPECT_EQ(CountRefusal(ctx()), Attempt::Refused);
    EXPECT_EQ(CountRefusal(ctx()), Attempt::RefusedLast);
    EXPECT_EQ(CountRefusal(ctx()), Attempt::RefusedLast);
    RestartAttempts(ctx());
    EXPECT_EQ(CountRefusal(ctx()), Attempt::Refused);
    EXPECT_EQ(ctx().modeCode, 1);
}

TEST_F(PasswordsTest, TheOldPasswordIsCheckedAsTypedInCapitals) {
    const QString file = data.addAccount(u"7"_s, 2026, u"SECRET"_s);
    ASSERT_EQ(PickAccount(ctx(), rowOf(file)), u"7"_s);
    EXPECT_TRUE(CheckOldPassword(ctx(), u" SECRET "_s));
    EXPECT_FALSE(CheckOldPassword(ctx(), u"secret"_s));
    EXPECT_FALSE(CheckOldPassword(ctx(), u"SECRETS"_s));
    EXPECT_FALSE(CheckOldPassword(ctx(), QString()));
    EXPECT_EQ(storedPassword(file), EncodePassword(u"SECRET"_s)); // checking writes nothing
}

// The menu opens afterwards on the changed account, whichever was logged in before.
TEST_F(PasswordsTest, AChangedPasswordTakesTheContextOntoItsAccount) {
    data.login(data.addAccount(u"A"_s, 2026, u"ALPHA"_s, 3));
    ctx().month.remainderText = u"100"_s;
    CloseAccountDb(ctx());
    const QString b = data.addAccount(u"B"_s, 2026, u"BETA"_s, 7);
    ASSERT_EQ(PickAccount(ctx(), rowOf(b)), u"B"_s);
    ASSERT_TRUE(CheckOldPassword(ctx(), u"BETA"_s));

    EXPECT_TRUE(ChangePassword(ctx(), u" NEUF "_s));
    EXPECT_EQ(storedPassword(b), EncodePassword(u"NEUF"_s));
    EXPECT_EQ(storedPassword(u"A2026.acd"_s), EncodePassword(u"ALPHA"_s));
    EXPECT_TRUE(ctx().accountDb.isOpen());
    EXPECT_EQ(ctx().accountDb.path(), data.path(b));
    EXPECT_EQ(ctx().accountFile, b);
    EXPECT_EQ(ctx().accountNumber, u"B"_s);
    EXPECT_EQ(ctx().chosenAccount, u"B"_s);
    EXPECT_EQ(ctx().currentMonth, 7);
    EXPECT_EQ(ctx().monthTable, u"Juillet"_s);
    EXPECT_TRUE(ctx().month.remainderText.isEmpty());
}

TEST_F(PasswordsTest, AnEmptyNewPasswordIsStoredEmptyAndOpensTheAccountEmpty) {
    const QString file = data.addAccount(u"7"_s, 2026, u"SECRET"_s);
    PickAccount(ctx(), rowOf(file));
    ASSERT_TRUE(ChangePassword(ctx(), u"   "_s));
    EXPECT_EQ(storedPassword(file), QString());

    RestartAttempts(ctx());
    EXPECT_EQ(TryLogin(ctx(), u"7"_s, u"SECRET"_s), LoginOutcome::Refused);
    EXPECT_EQ(TryLogin(ctx(), u"7"_s, QString()), LoginOutcome::Accepted);
    EXPECT_TRUE(CheckOldPassword(ctx(), QString()));
}

TEST_F(PasswordsTest, ADamagedMonthKeepsTheNewPasswordButNotTheContext) {
    const QString file = data.addAccount(u"7"_s, 2026, u"SECRET"_s, 13);
    ctx().accountNumber = u"OLD"_s;
    ctx().monthTable = u"Mars"_s;
    PickAccount(ctx(), rowOf(file));
    EXPECT_FALSE(ChangePassword(ctx(), u"NEUF"_s));
    EXPECT_EQ(storedPassword(file), EncodePassword(u"NEUF"_s));
    EXPECT_EQ(ctx().accountNumber, u"OLD"_s);
    EXPECT_EQ(ctx().monthTable, u"Mars"_s);
}

TEST_F(PasswordsTest, DeletionRemovesOnlyTheAccountsCurrentFile) {
    const QString one = data.addAccount(u"1"_s, 2026, u"UN"_s);
    const QString two = data.addAccount(u"2"_s, 2026, u"DEUX"_s);
    ASSERT_TRUE(QDir().mkpath(ctx().archiveDir()));
    ASSERT_TRUE(QFile::copy(data.path(one), ctx().archivePath(u"12025.acd"_s)));

    ASSERT_EQ(PickAccountToDelete(ctx(), rowOf(one)), u"1"_s);
    EXPECT_EQ(ctx().consultFile, one);
    EXPECT_EQ(ctx().chosenAccount, u"1"_s);
    RestartAttempts(ctx());
    int deleting = 0;
    EXPECT_EQ(DeleteAccount(ctx(), u"DEUX"_s, [&] { ++deleting; }), DeletionOutcome::Refused);
    EXPECT_EQ(DeleteAccount(ctx(), u"un"_s, [&] { ++deleting; }), DeletionOutcome::Refused);
    EXPECT_EQ(deleting, 0);
    EXPECT_TRUE(QFile::exists(data.path(one)));
    EXPECT_EQ(DeleteAccount(ctx(), u" UN "_s, [&] { ++deleting; }), DeletionOutcome::Deleted);
    EXPECT_EQ(deleting, 1);

    EXPECT_FALSE(ctx().accountDb.isOpen());
    EXPECT_FALSE(QFile::exists(data.path(one)));
    EXPECT_EQ(ListAccountFiles(data.dir()), QStringList{two});
    EXPECT_EQ(data.rowsOf(ctx().archivePath(u"12025.acd"_s), table::Usager).size(), 1);
    EXPECT_EQ(data.rowsOf(data.path(two), table::Usager).size(), 1);
}

TEST_F(PasswordsTest, TheThirdWrongPasswordKeepsTheAccount) {
    const QString one = data.addAccount(u"1"_s, 2026, u"UN"_s);
    PickAccountToDelete(ctx(), rowOf(one));
    RestartAttempts(ctx());
    EXPECT_EQ(DeleteAccount(ctx(), u"A"_s), DeletionOutcome::Refused);
    EXPECT_EQ(DeleteAccount(ctx(), u"B"_s), DeletionOutcome::Refused);
    EXPECT_EQ(DeleteAccount(ctx(), u"C"_s), DeletionOutcome::RefusedLast);
    EXPECT_TRUE(QFile::exists(data.path(one)));

    // A new confirmation gives three tries again.
    RestartAttempts(ctx());
    EXPECT_EQ(DeleteAccount(ctx(), u"D"_s), DeletionOutcome::Refused);
    EXPECT_EQ(DeleteAccount(ctx(), u"UN"_s), DeletionOutcome::Deleted);
}

TEST_F(PasswordsTest, AFileThatCannotBeRemovedIsReported) {
    const QString one = data.addAccount(u"1"_s, 2026, u"UN"_s);
    PickAccountToDelete(ctx(), rowOf(one));
    // A folder in the file's place cannot be removed as a file.
    ASSERT_TRUE(QDir(data.dir()).mkpath(u"held.acd/inside"_s));
    ctx().consultFile = u"held.acd"_s;
    EXPECT_EQ(DeleteAccount(ctx(), u"UN"_s), DeletionOutcome::NotRemoved);
    EXPECT_TRUE(QFileInfo(data.path(u"held.acd"_s)).isDir());
    EXPECT_TRUE(QFile::exists(data.path(one)));

    // One already gone by other means counts as deleted.
    PickAccountToDelete(ctx(), rowOf(one));
    ctx().consultFile = u"gone.acd"_s;
    EXPECT_EQ(DeleteAccount(ctx(), u"UN"_s), DeletionOutcome::Deleted);
}

TEST_F(PasswordsTest, AnUnfinishedAccountCannotBePickedForDeletion) {
    ASSERT_TRUE(QFile::copy(data.path(TemplateFileName), data.path(u"82026.acd"_s)));
    EXPECT_EQ(PickAccountToDelete(ctx(), rowOf(u"82026.acd"_s)), std::nullopt);
    EXPECT_TRUE(ctx().consultFile.isEmpty());
    EXPECT_EQ(PickAccountToDelete(ctx(), 0), std::nullopt);
    EXPECT_EQ(PickAccountToDelete(ctx(), 9), std::nullopt);
}

// "(" is stored as a no-break space, which a trim would take for a blank.
TEST_F(PasswordsTest, APasswordThatLogsInAlsoChangesAndDeletes) {
    EXPECT_EQ(DecodePassword(EncodePassword(u" ( "_s)), u"("_s);
    const QString file = data.addAccount(u"7"_s, 2026, u"(("_s);
    PickAccount(ctx(), rowOf(file));
    RestartAttempts(ctx());
    ASSERT_EQ(TryLogin(ctx(), u"7"_s, u"(("_s), LoginOutcome::Accepted);
    EXPECT_TRUE(CheckOldPassword(ctx(), u"(("_s));
    EXPECT_FALSE(CheckOldPassword(ctx(), QString()));
    ASSERT_TRUE(ChangePassword(ctx(), u"A("_s));

    PickAccountToDelete(ctx(), rowOf(file));
    RestartAttempts(ctx());
    EXPECT_EQ(DeleteAccount(ctx(), u"A"_s), DeletionOutcome::Refused);
    EXPECT_EQ(DeleteAccount(ctx(), u"A("_s), DeletionOutcome::Deleted);
}
