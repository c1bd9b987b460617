#include "closing/rollover.h"

#include "closing/recovery.h"
#include "data/numbers.h"
#include "data/schema.h"

#include <QDir>
#include <QFile>

namespace tirelou {
namespace {

const QString Zero = QStringLiteral("0");

// A sum or difference of amounts as it is written: without binary noise, which would
// make a text too long to be read back, and never beyond what a text can hold.
double Written(double value) {
    return FiniteAmount(Settle(value));
}

QString Euro(double value) {
    return FormatAmount(value) + QStringLiteral(" €");
}

QString ListedAmount(double value) {
    return FormatNumber(value, u"### ### ##0.00") + QStringLiteral("  €");
}

int ReadEncour(Database& db) {
    RecordSet rs;
    rs.open(db, table::Mois);
    rs.moveFirst();
    return static_cast<int>(NumberValue(rs.value(field::Encour)));
}

void WriteEncour(Database& db, int month) {
    RecordSet rs;
    rs.open(db, table::Mois);
    if (rs.recordCount() == 0) {
        rs.addNew();
    } else {
        rs.moveFirst();
        rs.edit();
    }
    rs.setValue(field::Encour, QString::number(month));
    rs.update();
}

// A category table of the closing file into the new one. A closing file without the
// table has no categories to give.
void CopyCategories(Database& from, Database& to, const QString& table) {
    if (!from.hasTable(table))
        return;
    RecordSet source;
    source.open(from, table);
    RecordSet target;
    target.open(to, table);
    for (source.moveFirst(); !source.eof(); source.moveNext()) {
        target.addNew();
        target.setValue(field::Rubrique, source.value(field::Rubrique));
        target.update();
    }
}

// The account's user row: without it the new file could not be logged into, so its
// absence stops the year change.
void CopyUser(Database& from, Database& to) {
    RecordSet source;
    source.open(from, table::Usager);
    source.moveFirst();
    RecordSet target;
    target.open(to, table::Usager);
    target.addNew();
    target.setValue(field::NumCompte, source.value(field::NumCompte));
    target.setValue(field::Passe, source.value(field::Passe));
    target.update();
}

QString MonthTableOf(const WorkingContext& ctx, int month) {
    return MonthTableFor(ctx.french(), month).value();
}

} // namespace

// ---- Carry-forward

RowClass ClassifyRow(const QString& kind, const QString& label) {
    if (label.trimmed().isEmpty())
        return RowClass::NotCarried;
    if (kind.startsWith(QLatin1Char('P')))
        return RowClass::Debit;
    if (kind.startsWith(QLatin1Char('R')))
        return RowClass::Forecast;
    return RowClass::NotCarried;
}

AdvancedPair AdvancePair(const QString& price) {
    AdvancedPair p;
    p.monthly = PairFirst(price);
    p.remaining = Written(PairSecond(price) - p.monthly);
    p.price = MakePair(TrimmedNumberText(p.monthly), 20, TrimmedNumberText(p.remaining));
    return p;
}

AdvancedReserve AdvanceReserve(const std::array<QString, 3>& reserveTexts) {
    AdvancedReserve r;
    r.texts = reserveTexts;
    if (reserveTexts[0].trimmed().isEmpty())
        return r;
    const double monthly = NumberValue(reserveTexts[0]);
    r.amount = Written(PairFirst(reserveTexts[1]) + monthly);
    double stillToReach = Written(PairSecond(reserveTexts[1]) - monthly);
    if (stillToReach < 0)
        stillToReach = 0;
    if (stillToReach == 0) {
        // The reserve is complete: the new month has none running.
        r.texts[0].clear();
        r.texts[1].clear();
    } else {
        r.texts[1] = MakePair(NumberText(r.amount), 20, NumberText(stillToReach));
    }
    return r;
}

CarryForward ComputeCarryForward(const LoadedMonth& month) {
    CarryForward cf;
    cf.previousText = month.remainderText;
    for (int i = 0; i < month.monthRowCount; ++i) {
        const QString label = month.entryLabel.value(i);
        const RowClass kind = ClassifyRow(month.entryKind.value(i), label);
        if (kind == RowClass::NotCarried)
            continue;
        const AdvancedPair pair = AdvancePair(month.entryPrice.value(i));
        const ListedItem item{label.trimmed(), TrimmedNumberText(pair.monthly), pair.monthly};
        if (kind == RowClass::Debit) {
            cf.debits.push_back(item);
            cf.debitTotal += pair.monthly;
        } else {
            cf.forecasts.push_back(item);
            cf.forecastTotal += pair.monthly;
        }
        // An ended item is paid one last time this month and goes no further. A label "0"
        // marks a free row in the loaded columns, so such a row is never written either.
        if (!pair.ended() && label != Zero)
            cf.carried.push_back({month.entryCategory.value(i), label, month.entryNumber.value(i), pair.price,
                                  month.entryDate.value(i), month.entryKind.value(i)});
    }
    const AdvancedReserve reserve = AdvanceReserve(month.reserveTexts);
    cf.reserveAmount = reserve.amount;
    cf.reserveTexts = reserve.texts;
    cf.debitTotal += reserve.amount;
    cf.remainderText =
        TrimmedNumberText(Written(NumberValue(month.remainderText) - cf.debitTotal - cf.forecastTotal));
    return cf;
}

GridLines CarriedItemsGrid(const CarryForward& carry, const QString& newMonthTable, bool french) {
    const auto pick = [french](const char16_t* fr, const char16_t* en) {
        return QString::fromUtf16(french ? fr : en);
    };
    GridLines lines;
    lines.emplace_back(newMonthTable, QString());
    lines.emplace_back(pick(u"PRELEVEMENT", u"TAKING"), QString());
    for (const ListedItem& d : carry.debits)
        if (!d.label.trimmed().isEmpty())
            lines.emplace_back(d.label + QStringLiteral("  "), ListedAmount(d.amount));
    lines.emplace_back(pick(u"Montant De La Réserve", u"Bringing up The Reserve"), Euro(carry.reserveAmount));
    lines.emplace_back(pick(u"Montant Total du Prélèvement", u"Total amount of the Taking"),
                       Euro(carry.debitTotal));
    lines.emplace_back(pick(u"PREVISION", u"FORECASTING"), QString());
    for (const ListedItem& f : carry.forecasts)
        if (!f.label.trimmed().isEmpty())
            lines.emplace_back(f.label + QStringLiteral("  "), ListedAmount(f.amount));
    lines.emplace_back(pick(u"Montant Total De Prévision", u"Total amount Of Forecasting"),
                       Euro(carry.forecastTotal));
    return lines;
}

PrintDocument CarriedItemsPrintout(const CarryForward& carry, bool french) {
    const auto pick = [french](const char16_t* fr, const char16_t* en) {
        return QString::fromUtf16(french ? fr : en);
    };
    const QString currency = french ? QStringLiteral(" €") : QStringLiteral(" £");
    const QString rule = QStringLiteral("-----------------");
    PrintDocument doc;
    doc.title = pick(u"Mois-Suivant", u"Following-month");
    doc.fontFamily = QStringLiteral("Arial");
    doc.fontSize = 10;
    const auto block = [&](const std::vector<ListedItem>& items, const QString& total, double sum) {
        for (const ListedItem& item : items) {
            if (item.label.trimmed().isEmpty())
                continue;
            doc.line({{5, item.label}, {60, item.amountText + QStringLiteral(" €")}});
            doc.line();
        }
        doc.line();
        doc.line({{60, rule}});
        doc.line();
        doc.line({{5, total}, {60, FormatAmount(sum) + currency}});
    };
    doc.emptyLines(2);
    doc.line({{50, pick(u"PRELEVEMENT", u"TAKING")}});
    block(carry.debits, pick(u"Montant Total du Prélèvement", u"Total amount of the Taking"),
          carry.debitTotal);
    doc.emptyLines(2);
    doc.line({{50, pick(u"PREVISION", u"FORECASTING")}});
    block(carry.forecasts, pick(u"Montant Total De Prévision", u"Total amount Of Forecasting"),
          carry.forecastTotal);
    doc.line();
    return doc;
}

// ---- Writing

int WriteCarryForward(Database& db, const QString& monthTable, const CarryForward& carry, int newMonth,
                      const RolloverOptions& options) {
    RecordSet rs;
    rs.open(db, monthTable);
    for (const Entry& e : carry.carried) {
        rs.addNew();
        for (const QString& f :
             {field::Depot, field::Montant, field::Reste, field::MontPrecedent, field::Reserve})
            rs.setValue(f, Zero);
        WriteEntryFields(rs, e);
        rs.update();
    }
    const int written = static_cast<int>(carry.carried.size());
    options.reach(step::RowsCarried);

    // The month values live in the first three rows, where every reader looks for them.
    for (int r = 0; r < 3; ++r) {
        if (r < rs.recordCount()) {
            rs.moveTo(r);
            rs.edit();
        } else {
            rs.addNew();
            for (const QString& f : MonthFields())
                rs.setValue(f, Zero);
        }
        if (r == 0) {
            rs.setValue(field::MontPrecedent, carry.previousText);
            rs.setValue(field::Reste, carry.remainderText);
        }
        rs.setValue(field::Reserve, carry.reserveTexts[static_cast<std::size_t>(r)]);
        rs.update();
    }
    options.reach(step::MonthValuesWritten);

    WriteEncour(db, newMonth);
    options.reach(step::MonthAdvanced);
    return written;
}

RolloverResult RollOver(WorkingContext& ctx, const RolloverOptions& options) {
    const int month = ReadEncour(ctx.accountDb);
    if (month == 12) {
        ctx.currentMonth = month;
        return ChangeYear(ctx, options);
    }
    return CloseMonth(ctx, options);
}

RolloverResult CloseMonth(WorkingContext& ctx, const RolloverOptions& options) {
    RolloverResult r;
    const int month = ReadEncour(ctx.accountDb);
    if (month < 1 || month > 11) {
        r.outcome = RolloverResult::Outcome::MonthUnknown;
        return r;
    }
    ctx.currentMonth = month;
    r.newMonth = month + 1;
    r.newMonthTable = MonthTableOf(ctx, r.newMonth);
    LoadMonth(ctx, MonthTableOf(ctx, month));
    r.carry = ComputeCarryForward(ctx.month);

    Transaction tx(ctx.accountDb);
    ctx.accountDb.exec(QStringLiteral("DELETE FROM ") + QuoteIdentifier(r.newMonthTable));
    options.reach(step::NextMonthEmptied);
    r.writtenCount = WriteCarryForward(ctx.accountDb, r.newMonthTable, r.carry, r.newMonth, options);
    tx.commit();

    ctx.currentMonth = r.newMonth;
    ctx.monthTable = r.newMonthTable;
    ctx.modeCode = r.writtenCount;
    return r;
}

RolloverResult ChangeYear(WorkingContext& ctx, const RolloverOptions& options) {
    RolloverResult r;
    r.yearChanged = true;
    r.newMonth = 1;
    r.newMonthTable = MonthTableOf(ctx, 1);
    const QString oldName = ctx.accountFile;
    r.newYear = ctx.clock.today().year();
    if (r.newYear <= YearOfFile(oldName)) {
        r.outcome = RolloverResult::Outcome::TooEarly;
        return r;
    }
    r.newFile = AccountFileName(AccountNumberOfFile(oldName), r.newYear);
    r.archivedFile = oldName;
    const QString newPath = ctx.filePath(r.newFile);
    if (QFile::exists(newPath)) {
        r.outcome = RolloverResult::Outcome::NewFileExists;
        return r;
    }

    LoadMonth(ctx, MonthTableOf(ctx, 12));
    r.carry = ComputeCarryForward(ctx.month);

    const QString partPath = newPath + PartSuffix;
    const QString oldPath = ctx.filePath(oldName);
    bool closed = false, decided = false;
    try {
        UndoYearChange(ctx.dataDir(), AccountNumberOfFile(oldName)); // left by an interrupted attempt
        if (!EnsureTemplate(ctx.dataDir()) || !QFile::copy(ctx.filePath(TemplateFileName), partPath))
            throw FileError(
                QStringLiteral("Cannot copy %1 to %2").arg(TemplateFileName, partPath).toStdString());
        options.reach(step::TemplateCopied);
        {
            Database target;
            target.open(partPath);
            Transaction tx(target);
            CopyCategories(ctx.accountDb, target, table::Rubriques);
            CopyCategories(ctx.accountDb, target, table::Rubriqueseng);
            CopyUser(ctx.accountDb, target);
            options.reach(step::AccountCopied);
            r.writtenCount = WriteCarryForward(target, r.newMonthTable, r.carry, r.newMonth, options);
            tx.commit();
        }
        if (!SyncFile(partPath))
            throw FileError(QStringLiteral("Cannot write %1").arg(partPath).toStdString());
        options.reach(step::NewFileBuilt);

        // The old file is copied whole, so nothing may hold it open meanwhile.
        ctx.workRs.close();
        ctx.accountDb.close();
        closed = true;
        if (!QDir().mkpath(ctx.archiveDir()))
            throw FileError(QStringLiteral("Cannot make the folder %1").arg(ctx.archiveDir()).toStdString());
        QFile source(oldPath);
        if (!source.open(QIODevice::ReadOnly))
            throw FileError(QStringLiteral("Cannot read %1").arg(oldPath).toStdString());
        WriteArchiveCopy(ctx.archiveDir(), oldName, source.readAll());
        source.close();
        options.reach(step::OldFileCopied);

        // Both years stand whole on the disk: this rename decides the change.
        if (!QFile::rename(partPath, newPath + DecidedSuffix))
            throw FileError(QStringLiteral("Cannot rename %1").arg(partPath).toStdString());
        SyncFolder(ctx.dataDir());
        decided = true;
        options.reach(step::NewFilePlaced);
        FinishYearChange(ctx.dataDir(), r.newFile, r.purged, options.checkpoint);
    } catch (...) {
        if (!decided) {
            try {
                UndoYearChange(ctx.dataDir(), AccountNumberOfFile(oldName));
            } catch (const FileError&) {
                // What is left is undone at the next start.
            }
            if (closed) {
                try {
                    OpenAccountDb(ctx);
                } catch (const DbError&) {
                    // The file is untouched; the login screen opens it again.
                }
            }
            throw;
        }
        // Past the decision the change can only be finished; what cannot be finished
        // now is finished at the next start.
        FinishYearChange(ctx.dataDir(), r.newFile, r.purged);
    }
    ctx.consultFile = oldName;
    ctx.accountFile = r.newFile;
    ctx.currentMonth = r.newMonth;
    ctx.monthTable = r.newMonthTable;
    ctx.yearText = QString::number(r.newYear);
    ctx.modeCode = r.writtenCount;
    try {
        OpenAccountDb(ctx);
    } catch (const DbError&) {
        // The login opens the new file again, or says why it cannot.
        r.outcome = RolloverResult::Outcome::NotReopened;
    }
    return r;
}

// ---- Archives

int PurgeLimit(const QDate& today) {
    return today.year() - 5;
}

QStringList OutdatedArchives(const QString& archiveDir, int limit) {
    QStringList outdated;
    for (const QString& name :
         QDir(archiveDir).entryList({QStringLiteral("*") + AccountFileSuffix}, QDir::Files, QDir::Name))
        if (YearOfFile(name) < limit)
            outdated << name;
    return outdated;
}

QString RemovableDiskDrive(const QString& backupPath) {
    const QString drive = backupPath.left(3).toUpper();
    if (drive == QLatin1String("A:\\") || drive == QLatin1String("B:\\"))
        return drive;
    return QString();
}

} // namespace tirelou
