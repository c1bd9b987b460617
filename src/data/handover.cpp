#include "data/handover.h"

#include "data/errors.h"
#include "data/numbers.h"
#include "data/workingcontext.h"

#include <QFile>
#include <QSaveFile>

namespace tirelou {

void WriteHandOver(const WorkingContext& ctx, const QString& name, const std::vector<HandValue>& values) {
    QString text;
    for (const HandValue& v : values) {
        if (const auto* s = std::get_if<QString>(&v))
            text += *s;
        else
            text += PrintNumberText(std::get<double>(v));
        text += QStringLiteral("\r\n");
    }
    QSaveFile file(ctx.filePath(name));
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(QStringLiteral("Cannot write %1").arg(ctx.filePath(name)).toStdString());
}

HandOverReader::HandOverReader(const WorkingContext& ctx, const QString& name) {
    QFile file(ctx.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        ok_ = false;
        return;
    }
    exists_ = true;
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines_ = text.split(QLatin1Char('\n'));
    if (!lines_.isEmpty() && lines_.back().isEmpty())
        lines_.removeLast(); // the line end of the last value
}

bool HandOverReader::atEnd() const {
    return line_ >= lines_.size();
}

QString HandOverReader::item() {
    if (atEnd()) {
        ok_ = false;
        return {};
    }
    const QString& l = lines_[line_];
    qsizetype i = col_;
    while (i < l.size() && (l[i] == QLatin1Char(' ') || l[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype end = l.indexOf(QLatin1Char(','), i);
    const QString result = l.mid(i, (end < 0 ? l.size() : end) - i);
    if (end < 0 || end >= l.size()) {
        ++line_;
        col_ = 0;
    } else {
        col_ = end + 1; // the next item starts after the comma, on the same line
    }
    return result;
}

double HandOverReader::numberItem() {
    return NumberValue(item());
}

QString HandOverReader::line() {
    if (atEnd()) {
        ok_ = false;
        return {};
    }
    const QString result = lines_[line_].mid(col_);
    ++line_;
    col_ = 0;
    return result;
}

void WriteChosenCategory(WorkingContext& ctx, const QString& name, int index, std::optional<int> position) {
    std::vector<HandValue> values{name, static_cast<double>(index)};
    if (position)
        values.emplace_back(static_cast<double>(*position));
    WriteHandOver(ctx, handover::Lire, values);
    ctx.chosenItem = name;
}

ChosenCategory ReadChosenCategory(const WorkingContext& ctx) {
    HandOverReader reader(ctx, handover::Lire);
    ChosenCategory c;
    c.name = reader.line();
    c.index = static_cast<int>(NumberValue(reader.line()));
    if (!reader.atEnd())
        c.position = static_cast<int>(NumberValue(reader.line()));
    return c;
}

bool LanguageFileExists(const WorkingContext& ctx) {
    return QFile::exists(ctx.filePath(handover::Langue));
}

void ReadLanguage(WorkingContext& ctx) {
    HandOverReader reader(ctx, handover::Langue);
    if (reader.exists())
        ctx.language = reader.item();
}

void WriteLanguage(WorkingContext& ctx, const QString& language) {
    WriteHandOver(ctx, handover::Langue, {language});
    ctx.language = language;
}

} // namespace tirelou
