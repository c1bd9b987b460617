// One user action on a data folder, done as the program does it, for the kill test:
//   tirelou_crash_child ACTION FOLDER [--exit | --kill-after=MICROSECONDS]
// ACTION is payment, deposit, debit, month or year. The child takes the folder, logs into
// its first account, writes "go" just before the action and "done <microseconds>" after
// it, then waits to be killed (or leaves, with --exit). With --kill-after a system timer
// sends the child SIGKILL that long after the action began: the system delivers it on
// time, however busy the processors are.
#include "accounts/accounts.h"
#include "closing/rollover.h"
#include "data/folderlock.h"
#include "data/workingcontext.h"
#include "month/payments.h"
#include "schedule/schedule.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <thread>
#include <unistd.h>

using namespace tirelou;

namespace {

void Say(const char* line) {
    std::fputs(line, stdout);
    std::fflush(stdout);
}

bool Act(WorkingContext& ctx, const QString& action) {
    if (action == QLatin1String("payment"))
        RecordPayment(ctx, {QStringLiteral("MAISON"), QStringLiteral("LAMPE"), QStringLiteral("CARTE"),
                            QStringLiteral("25,50"), QStringLiteral("05/03/2026")});
    else if (action == QLatin1String("deposit"))
        RecordDeposit(ctx, QStringLiteral("SALAIRE"), QStringLiteral("1200"));
    else if (action == QLatin1String("debit"))
        schedule::AddDirectDebit(ctx, {QStringLiteral("ENERGIE"), QStringLiteral("GAZ"), QStringLiteral("45"),
                                       QStringLiteral("10"), QStringLiteral("06/03/2026")});
    else if (action == QLatin1String("month") || action == QLatin1String("year"))
        return RollOver(ctx).changed();
    else
        return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tirelou"));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3)
        return 2;
    const QString action = args[1];
    FolderLock lock(args[2]);
    if (!lock.tryLock())
        return 3;
    WorkingContext ctx(args[2]);
    ctx.language = French;
    ctx.clock.setToday(QDate(2027, 1, 4));
    try {
        LoadAccountList(ctx);
        if (!PickAccount(ctx, 1) ||
            TryLogin(ctx, QStringLiteral("7"), QStringLiteral("SECRET")) != LoginOutcome::Accepted)
            return 4;
        Say("go\n");
        QElapsedTimer timer;
        timer.start();
        const QString killAfter = args.value(3);
        if (killAfter.startsWith(QLatin1String("--kill-after="))) {
            const long long us = std::max(1LL, killAfter.section(QLatin1Char('='), 1).toLongLong());
            sigevent event{};
            event.sigev_notify = SIGEV_SIGNAL;
            event.sigev_signo = SIGKILL;
            timer_t killer{};
            itimerspec when{};
            when.it_value.tv_sec = static_cast<time_t>(us / 1000000);
            when.it_value.tv_nsec = static_cast<long>(us % 1000000 * 1000);
            if (timer_create(CLOCK_MONOTONIC, &event, &killer) != 0 ||
                timer_settime(killer, 0, &when, nullptr) != 0)
                return 7;
        }
        if (!Act(ctx, action))
            return 5;
        const QByteArray done = "done " + QByteArray::number(timer.nsecsElapsed() / 1000) + '\n';
        Say(done.constData());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 6;
    }
    if (args.contains(QStringLiteral("--exit")))
        return 0;
    for (;;)
        std::this_thread::sleep_for(std::chrono::hours(1));
}
