#include "data/routines.h"

#include "data/numbers.h"
#include "data/schema.h"
#include "data/workingcontext.h"

#include <QDir>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace tirelou {

std::optional<QString> MonthTableFor(bool french, int n) {
    if (n < 1 || n > 12)
        return std::nullopt;
    return (french ? FrenchMonthTables() : EnglishMonthTables())[static_cast<std::size_t>(n - 1)];
}

void MonthTableName(WorkingContext& ctx, int n) {
    if (auto name = MonthTableFor(ctx.french(), n))
        ctx.monthTable = *name;
}

void LoadCategories(WorkingContext& ctx) {
    ctx.workRs.open(ctx.accountDb, ctx.french() ? table::Rubriques : table::Rubriqueseng);
    ctx.workRs.moveLast();
    ctx.categoryCount = ctx.workRs.recordCount();
    ctx.categoryList.clear();
    ctx.workRs.moveFirst();
    for (int i = 0; i < ctx.categoryCount; ++i) {
        ctx.categoryList << ctx.workRs.value(field::Rubrique).trimmed();
        ctx.workRs.moveNext();
    }
    ctx.categoryList << QString();
    CloseWorkRs(ctx);
}

void CloseWorkRs(WorkingContext& ctx) {
    ctx.workRs.close();
}

void LoadMonth(WorkingContext& ctx, const QString& table) {
    LoadedMonth m;
    RecordSet& rs = ctx.workRs;
    // Each step stands alone: a step the file refuses is skipped and the next one runs.
    const auto step = [](const auto& work) {
        try {
            work();
        } catch (const DbError&) {
        }
    };
    step([&] {
        rs.open(ctx.accountDb, table);
        m.monthRowCount = rs.recordCount();
    });
    for (QStringList* list : {&m.entryCategory, &m.entryLabel, &m.entryNumber, &m.entryPrice, &m.entryDate,
                              &m.entryKind, &m.extraA, &m.extraB})
        *list = QStringList(m.monthRowCount + 1, QString());
    if (!rs.isOpen()) {
        ctx.month = std::move(m);
        return;
    }
    step([&] {
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            const double amount = NumberValue(rs.value(field::Montant));
            if (amount > 0)
                m.depositTotal += amount;
        }
    });
    step([&] {
        rs.moveFirst();
        m.previousAmount = NumberValue(rs.value(field::MontPrecedent));
    });
    step([&] {
        rs.moveFirst();
        m.remainderText = rs.value(field::Reste);
    });
    step([&] {
        int i = 0;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext(), ++i) {
            const QString category = rs.value(field::Rubriques).trimmed();
            m.entryCategory[i] = category;
            if (category == QLatin1String("0")) {
                for (QStringList* list :
                     {&m.entryLabel, &m.entryNumber, &m.entryPrice, &m.entryDate, &m.entryKind})
                    (*list)[i] = QStringLiteral("0");
                continue;
            }
            m.entryLabel[i] = rs.value(field::Libelle).trimmed();
            m.entryNumber[i] = rs.value(field::NumCheque).trimmed();
            m.entryPrice[i] = rs.value(field::Prix).trimmed();
            m.entryDate[i] = rs.value(field::Date).trimmed();
            m.entryKind[i] = rs.value(field::Poste).trimmed();
            ++m.usedRowCount;
        }
    });
    step([&] {
        rs.moveFirst();
        for (int r = 0; r < 3 && !rs.eof(); ++r, rs.moveNext())
            m.reserveTexts[static_cast<std::size_t>(r)] = rs.value(field::Reserve);
    });
    CloseWorkRs(ctx);
    ctx.month = std::move(m);
}

void MarkRowFree(WorkingContext& ctx) {
    LoadedMonth& m = ctx.month;
    const int i = ctx.loopIndex;
    for (QStringList* list :
         {&m.entryCategory, &m.entryLabel, &m.entryNumber, &m.entryPrice, &m.entryDate, &m.entryKind})
        if (i >= 0 && i < list->size())
            (*list)[i] = QStringLiteral("0");
}

void Pause(const WorkingContext& ctx, QObject* owner, std::function<void()> then) {
    QTimer::singleShot(ctx.pauseMs, owner, std::move(then));
}

namespace {

// Characters are moved by 120 code points, stepping over the block that is not made of
// characters (surrogates), so that two different passwords never look alike once stored.
constexpr char32_t kShift = 120;
constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kSurrogateCount = 0x800;
constexpr char32_t kLast = 0x10FFFF;

// The characters in order with the surrogate block left out: the shift is a move along it.
char32_t ToRank(char32_t c) {
    return c >= kSurrogateFirst + kSurrogateCount ? c - kSurrogateCount : c;
}
char32_t FromRank(char32_t r) {
    return r >= kSurrogateFirst ? r + kSurrogateCount : r;
}
constexpr char32_t kRanks = kLast + 1 - kSurrogateCount;

QString Shift(const QString& text, bool forward) {
    QString out;
    // The typed password is trimmed; the stored one is taken whole, since some characters
    // are stored as blanks (a "(" as a no-break space).
    for (char32_t c : (forward ? text.trimmed() : text).toUcs4()) {
        const char32_t rank = ToRank(c);
        const char32_t moved = forward ? (rank + kShift) % kRanks : (rank + kRanks - kShift) % kRanks;
        const char32_t result = FromRank(moved);
        out += QString::fromUcs4(&result, 1);
    }
    return out;
}

} // namespace

QString EncodePassword(const QString& password) {
    return Shift(password, true);
}

QString DecodePassword(const QString& stored) {
    return Shift(stored, false);
}

QStringList ListAccountFiles(const QString& dir) {
    return QDir(dir).entryList({QStringLiteral("*") + AccountFileSuffix}, QDir::Files,
                               QDir::Name | QDir::IgnoreCase);
}

QString TodayField(const WorkingContext& ctx) {
    return ctx.clock.today().toString(ctx.french() ? QStringLiteral("dd/MM/yyyy")
                                                   : QStringLiteral("MM/dd/yyyy"));
}

bool IsFreeRow(const RecordSet& rs) {
    return rs.value(field::Rubriques).trimmed() == QLatin1String("0");
}

void WriteEntryFields(RecordSet& rs, const Entry& e) {
    rs.setValue(field::Rubriques, e.rubriques);
    rs.setValue(field::Libelle, e.libelle);
    rs.setValue(field::NumCheque, e.numCheque);
    rs.setValue(field::Prix, e.prix);
    rs.setValue(field::Date, e.date);
    rs.setValue(field::Poste, e.poste);
}

int PlaceEntry(RecordSet& rs, const Entry& entry, bool skipLastRow, const QStringList& zeroOnAppend) {
    const int count = rs.recordCount();
    const int scan = skipLastRow ? count - 1 : count;
    for (int i = 0; i < scan; ++i) {
        rs.moveTo(i);
        if (IsFreeRow(rs)) {
            rs.edit();
            WriteEntryFields(rs, entry);
            rs.update();
            return i;
        }
    }
    rs.addNew();
    for (const QString& f : zeroOnAppend)
        rs.setValue(f, QStringLiteral("0"));
    WriteEntryFields(rs, entry);
    rs.update();
    return count;
}

} // namespace tirelou
