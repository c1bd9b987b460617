#include "reports/yearfile.h"

#include "data/errors.h"
#include "data/handover.h"
#include "data/workingcontext.h"

#include <QDir>
#include <QFileInfo>

namespace tirelou {

bool IsArchiveMode(const QString& word) {
    return word == mode::Archive || word == mode::Archives;
}

bool IsKnownMode(const QString& word) {
    return word == mode::Encour || word == mode::Consult || IsArchiveMode(word);
}

YearHandOver ReadYearHandOver(const WorkingContext& ctx, const QString& file) {
    HandOverReader reader(ctx, file);
    YearHandOver h;
    h.modeWord = reader.item().trimmed();
    h.number = reader.numberItem();
    h.yearText = reader.item().trimmed();
    return h;
}

void WriteYearHandOver(const WorkingContext& ctx, const QString& file, const YearHandOver& values) {
    std::vector<HandValue> items{values.modeWord, values.number};
    if (!values.yearText.isEmpty())
        items.emplace_back(values.yearText);
    WriteHandOver(ctx, file, items);
}

QString YearOfAccountFile(const QString& fileName) {
    if (fileName.size() < 8)
        return QString();
    return fileName.right(8).left(4);
}

QString CurrentYearText(const WorkingContext& ctx) {
    const QString year = YearOfAccountFile(ctx.accountFile);
    bool digits = year.size() == 4;
    for (QChar c : year)
        digits = digits && c.isDigit();
    return digits ? year : ctx.clock.today().toString(QStringLiteral("yyyy"));
}

QString YearFileName(const WorkingContext& ctx, const QString& yearText) {
    const QString account = ctx.chosenAccount.isEmpty() ? ctx.accountNumber : ctx.chosenAccount;
    return account.trimmed() + yearText.trimmed() + QStringLiteral(".acd");
}

bool CurrentYearOpen(const WorkingContext& ctx) {
    return ctx.accountDb.isOpen() && QFileInfo(ctx.accountDb.path()).absoluteFilePath() ==
                                         QFileInfo(ctx.filePath(ctx.accountFile)).absoluteFilePath();
}

void ReopenCurrentYear(WorkingContext& ctx) {
    if (CurrentYearOpen(ctx))
        return;
    ctx.workRs.close();
    ctx.accountDb.close();
    OpenAccountDb(ctx);
    ctx.consultFile.clear();
}

YearOpen OpenYear(WorkingContext& ctx, bool archive, const QString& yearText) {
    const QString year = yearText.trimmed();
    const QString name = YearFileName(ctx, year);
    const QString path = archive ? ctx.archivePath(name) : ctx.filePath(name);
    if (!archive && name == ctx.accountFile) {
        ReopenCurrentYear(ctx);
        ctx.yearText = year;
        return YearOpen::Opened;
    }
    // Checked first, so that a year that is not there leaves the file in hand open.
    if (year.isEmpty() || !QFileInfo(path).isFile())
        return YearOpen::Missing;
    ctx.workRs.close();
    ctx.accountDb.close();
    try {
        ctx.accountDb.open(path);
    } catch (const DbError&) {
        ReopenCurrentYear(ctx);
        throw;
    }
    ctx.consultFile = name;
    ctx.yearText = year;
    return YearOpen::Opened;
}

YearOpen OpenHandedYear(WorkingContext& ctx, const YearHandOver& handed) {
    if (IsArchiveMode(handed.modeWord))
        return OpenYear(ctx, true, handed.yearText);
    ReopenCurrentYear(ctx);
    ctx.yearText = CurrentYearText(ctx);
    return YearOpen::Opened;
}

bool MeansArchive(const QString& answer, YearAnswer rule) {
    const QString first = answer.trimmed().left(1).toUpper();
    return rule == YearAnswer::ArchiveOnA ? first == QLatin1String("A") : first != QLatin1String("E");
}

QString MissingYearMessage(const WorkingContext& ctx, bool archive, const QString& yearText) {
    const QString year = yearText.trimmed();
    const QString name = YearFileName(ctx, year);
    if (year.isEmpty())
        return ctx.french() ? QStringLiteral("Aucune année n'a été indiquée.")
                            : QStringLiteral("No year was given.");
    const QString place = QDir::toNativeSeparators(archive ? ctx.archiveDir() : ctx.dataDir());
    if (ctx.french())
        return QStringLiteral("Le compte n'a pas de fichier pour l'année %1 : le fichier %2 n'est pas dans "
                              "le dossier %3.")
            .arg(year, name, place);
    return QStringLiteral("The account has no file for the year %1: the file %2 is not in the folder %3.")
        .arg(year, name, place);
}

} // namespace tirelou
