#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>
#include <vector>

// Small text files through which a screen passes its context to the next one, and the
// language setting. Written whole, one value per line ending in CR LF; read back in the
// same order, item by item or line by line.
namespace tirelou {

class WorkingContext;

namespace handover {
inline const QString Langue = QStringLiteral("Langue.dat");
inline const QString Lire = QStringLiteral("Lire.xfr");
inline const QString Ecrire = QStringLiteral("Ecrire.xfr");
inline const QString Modif = QStringLiteral("Modif.xfr");
inline const QString Encour = QStringLiteral("Encour");
inline const QString Sauve = QStringLiteral("Sauve.xfr");
} // namespace handover

// A text is written as it stands; a number in print form (" 12.5 ", "-3 ").
using HandValue = std::variant<QString, double>;

// Writes the file whole in the data folder, replacing it. Throws FileError when it cannot
// be written (the previous content then stays), so the next screen never reads stale values.
void WriteHandOver(const WorkingContext& ctx, const QString& name, const std::vector<HandValue>& values);

// Reads a hand-over file. A missing file or a read past its end gives empty texts and 0,
// and ok() turns false.
class HandOverReader {
public:
    HandOverReader(const WorkingContext& ctx, const QString& name);

    bool exists() const { return exists_; }
    bool ok() const { return ok_; }
    bool atEnd() const;

    // The next item: leading blanks skipped, up to a comma or the end of the line.
    QString item();
    // The next item read as a number.
    double numberItem();
    // The rest of the current line, unchanged.
    QString line();

private:
    QStringList lines_;
    int line_ = 0;
    qsizetype col_ = 0;
    bool exists_ = false;
    bool ok_ = true;
};

// "Lire.xfr" for a category chosen on a list: line 1 its name, line 2 its index in
// ctx.categoryList and, from a payment grid, line 3 the payment's position from 0.
struct ChosenCategory {
    QString name;
    int index = -1;
    int position = -1; // -1 when the file has no third line
};
// Writes the file and keeps the name as ctx.chosenItem; throws FileError like WriteHandOver.
void WriteChosenCategory(WorkingContext& ctx, const QString& name, int index,
                         std::optional<int> position = std::nullopt);
// Reads it back line by line, so a name holding a comma comes back whole.
ChosenCategory ReadChosenCategory(const WorkingContext& ctx);

// "Langue.dat": whether it exists, reading it into the working language, writing it.
bool LanguageFileExists(const WorkingContext& ctx);
void ReadLanguage(WorkingContext& ctx);
void WriteLanguage(WorkingContext& ctx, const QString& language);

} // namespace tirelou
