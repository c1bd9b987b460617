// Kills a child program with SIGKILL at spread moments of a payment, a deposit, a direct
// debit, a month step and a year change, then runs the start-up recovery and checks that
// every file is a sound database and that the folder is wholly as it was before the
// action or wholly as it is after it. TIRELOU_KILLS sets the kills per action (50 by
// default; scripts/killtest.sh runs 500), TIRELOU_KILL_SEED replays a run. The folders
// live under TMPDIR, which ctest points at a memory folder: a kill, unlike a power cut,
// loses nothing the system was handed, so a disk would only add time.
#include "closing/closingtest.h"
#include "closing/recovery.h"
#include "data/folderlock.h"
#include "data/handover.h"
#include "data/routines.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

using namespace tirelou;
using namespace tirelou::test;

namespace {

int Setting(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// ---- The folder each run starts from

// Account 7 on its 2026 file with the month in hand `month` and a month of entries of
// every kind, a second account, and archives of earlier years.
void Seed(TestData& data, int month) {
    const QString file = data.addAccount(u"7"_s, 2026, u"SECRET"_s, month);
    data.addAccount(u"8"_s, 2026, u"AUTRE"_s, 5);
    QDir().mkpath(data.ctx().archiveDir());
    for (int year : {2025, 2019}) {
        const QString old = data.addAccount(year == 2019 ? u"1"_s : u"7"_s, year);
        ASSERT_TRUE(QFile::rename(data.path(old), data.ctx().archivePath(old)));
    }
    if (month == 12) { // an older copy of the closing year, which the archived year replaces
        ASSERT_TRUE(QFile::copy(data.path(file), data.ctx().archivePath(file)));
    }
    data.login(file, French);
    const QString table = MonthTableFor(true, month).value();
    for (const Row& r :
         {Item(u"C"_s, u"PAIN"_s, u"4.5"_s,
               {{field::Reste, u"1500"_s}, {field::MontPrecedent, u"1400"_s}, {field::Reserve, u"10"_s}}),
          Item(u"P"_s, u"LOYER"_s, Pair(u"600"_s, 30, u" 1800"_s),
               {{field::Reserve, Pair(u"10"_s, 17, u" 30"_s)},
                {field::Depot, u"PRIME"_s},
                {field::Montant, u"200"_s}}),
          Item(u"R"_s, u"NOEL"_s, Pair(u" 50"_s, 30, u" 150"_s), {{field::Reserve, u"12/01/2026"_s}}),
          MonthRow({}), Item(u"X"_s, u"GARAGE"_s, u"310"_s, {{field::NumCheque, u"1234567"_s}})})
        data.addRow(table, r);
    if (month < 12) // last year's rows of the next month, which the month step empties
        data.addRow(MonthTableFor(true, month + 1).value(), Item(u"C"_s, u"AVRIL 2025"_s, u"9"_s));
    data.ctx().workRs.close();
    data.ctx().accountDb.close();
}

void CopyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(path));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(path, target);
    }
}

QStringList FileNames(const QString& dir) {
    QStringList names;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(dir).relativeFilePath(it.next());
    names.sort();
    return names;
}

QString IntegrityOf(const QString& path) {
    sqlite3* db = nullptr;
    QString result = u"cannot open"_s;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW)
            result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return result;
}

// ---- The child

class Child {
public:
    // `option` is "--exit" or "--kill-after=US".
    Child(const char* action, const QString& dir, const QByteArray& option) {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        const QByteArray folder = dir.toLocal8Bit();
        const char* argv[] = {TIRELOU_CRASH_CHILD, action, folder.constData(), option.constData(), nullptr};
        const int rc =
            posix_spawn(&pid_, TIRELOU_CRASH_CHILD, &actions, nullptr, const_cast<char**>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        out_ = fds[0];
        if (rc != 0)
            throw std::runtime_error("spawn");
    }
    ~Child() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            wait();
        }
        ::close(out_);
    }

    // One line of what the child writes; empty at its end.
    std::string line() {
        std::string s;
        char c = 0;
        while (::read(out_, &c, 1) == 1 && c != '\n')
            s += c;
        return s;
    }
    void kill() { ::kill(pid_, SIGKILL); }
    int wait() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return status;
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
};

// ---- The runs

struct Tally {
    int kills = 0;
    int during = 0; // killed before the action was done
    int asBefore = 0, asAfter = 0;
    int finished = 0, undone = 0; // year changes the recovery finished or undid
};

class KillTest : public ::testing::TestWithParam<const char*> {
protected:
    // The recovery on a stopped folder, then the checks; which state it ended in.
    void recoverAndCheck(const QString& dir, Tally& tally) {
        FolderLock lock(dir);
        ASSERT_TRUE(lock.tryLock()) << "the killed child's lock is stale";
        const RecoveryReport report = RecoverDataFolder(dir);
        EXPECT_TRUE(report.failed.isEmpty()) << report.failed.join(u' ').toStdString();
        tally.finished += static_cast<int>(report.finished.size());
        tally.undone += static_cast<int>(report.undone.size());
        lock.unlock();

        const QStringList names = FileNames(dir);
        EXPECT_TRUE(names == beforeNames_ || names == afterNames_) << names.join(u' ').toStdString();
        for (const QString& name : names) {
            if (name.endsWith(AccountFileSuffix)) {
                EXPECT_EQ(IntegrityOf(QDir(dir).filePath(name)), u"ok"_s) << name.toStdString();
            }
        }
        const FolderSnapshot now = SnapshotFolder(dir);
        if (now == before_)
            ++tally.asBefore;
        else if (now == after_)
            ++tally.asAfter;
        else
            ADD_FAILURE() << "neither before nor after: " << QStringList(now.keys()).join(u' ').toStdString();
    }

    void SetUp() override {
        const QString action = QString::fromLatin1(GetParam());
        ASSERT_NO_FATAL_FAILURE(Seed(seed_, action == u"year"_s ? 12 : 3));
        before_ = SnapshotFolder(seed_.dir());
        beforeNames_ = FileNames(seed_.dir());
    }

    TestData seed_;
    QTemporaryDir work_;
    FolderSnapshot before_, after_;
    QStringList beforeNames_, afterNames_;
};

TEST_P(KillTest, TheFolderIsWhollyAsBeforeOrAsAfter) {
    const char* action = GetParam();
    const int kills = Setting("TIRELOU_KILLS", 50);
    const auto seed = static_cast<unsigned>(
        Setting("TIRELOU_KILL_SEED", static_cast<int>(std::random_device{}() & 0x7fffffff)));
    std::mt19937 random(seed);

    // Uninterrupted runs give the state after and the time the action takes.
    std::vector<qint64> durations;
    for (int i = 0; i < 5; ++i) {
        const QString dir = work_.filePath(u"whole%1"_s.arg(i));
        CopyFolder(seed_.dir(), dir);
        Child child(action, dir, "--exit");
        ASSERT_EQ(child.line(), "go");
        const std::string done = child.line();
        ASSERT_EQ(done.rfind("done ", 0), 0u) << done;
        durations.push_back(std::stoll(done.substr(5)));
        ASSERT_EQ(child.wait(), 0);
        if (i == 0) {
            after_ = SnapshotFolder(dir);
            afterNames_ = FileNames(dir);
            ASSERT_NE(after_, before_);
        }
    }
    // Kills spread over the action's usual length and a little beyond.
    std::sort(durations.begin(), durations.end());
    const qint64 usual = durations[durations.size() / 2];
    std::uniform_int_distribution<qint64> moment(0, usual + usual / 10 + 50);

    Tally tally;
    for (int i = 0; i < kills; ++i) {
        SCOPED_TRACE(i);
        const QString dir = work_.filePath(u"k%1"_s.arg(i));
        CopyFolder(seed_.dir(), dir);
        {
            Child child(action, dir, "--kill-after=" + QByteArray::number(moment(random)));
            ASSERT_EQ(child.line(), "go");
            // Done before its killer struck: killed here, after the action.
            const bool done = child.line().rfind("done", 0) == 0;
            child.kill();
            const int status = child.wait();
            ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
            ++tally.kills;
            if (!done)
                ++tally.during;
        }
        recoverAndCheck(dir, tally);
        QDir(dir).removeRecursively();
        if (HasFatalFailure() || (HasFailure() && i > 3))
            break;
    }
    std::printf("%-8s %d kills (%d during the action, %d after it), over %lld us; "
                "%d left as before, %d as after; year changes finished %d, undone %d; seed %u\n",
                action, tally.kills, tally.during, tally.kills - tally.during,
                static_cast<long long>(moment.max()), tally.asBefore, tally.asAfter, tally.finished,
                tally.undone, seed);
    EXPECT_EQ(tally.kills, kills);
    // Kills that all came after the action would prove nothing.
    EXPECT_GT(tally.during, 0);
}

INSTANTIATE_TEST_SUITE_P(Actions, KillTest, ::testing::Values("payment", "deposit", "debit", "month", "year"),
                         [](const auto& test) { return std::string(test.param); });

} // namespace
