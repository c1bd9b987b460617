#include "data/handover.h"

#include "data/numbers.h"
#include "data/workingcontext.h"

#include <QFile>
#include <QSaveFile>

namespace tirelou {

bool WriteHandOver(const WorkingContext& ctx, const QString& name, const std::vector<HandValue>& values) {
    QString text;
    for (const HandValue& v : values) {
        if (const auto* s = std::get_if<QString>(&v))
            text += *s;
        else
            text += PrintNumberText(std::get<double>(v));
        text += QStringLiteral("\r\n");
    }
    QSaveFile file(ctx.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
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

bool HandOverReader::atEnd() const { return line_ >= lines_.size(); }

QString HandOverReader::item() {
    if (atEnd()) {
        ok_ = false;
        return {};
    }
    const QString& l = lines_[line_];
    qsizetype i = col_;
    while (i < l.size() && (l[i] == QLatin1Char(' ') || l[i] == QLatin1Char('\t')))
        ++i;
    QString result;
    qsizetype end;
    if (i < l.size() && l[i] == QLatin1Char('"')) {
        const qsizetype close = l.indexOf(QLatin1Char('"'), i + 1);
        end = close < 0 ? l.size() : close;
        result = l.mid(i + 1, end - i - 1);
        end = close < 0 ? l.size() : l.indexOf(QLatin1Char(','), close);
    } else {
        end = l.indexOf(QLatin1Char(','), i);
        result = l.mid(i, (end < 0 ? l.size() : end) - i);
        while (result.endsWith(QLatin1Char(' ')) || result.endsWith(QLatin1Char('\t')))
            result.chop(1);
    }
    if (end < 0 || end >= l.size()) {
        ++line_;
        col_ = 0;
    } else {
        col_ = end + 1; // the next item starts after the comma, on the same line
    }
    return result;
}

double HandOverReader::numberItem() { return NumberValue(item()); }

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

bool LanguageFileExists(const WorkingContext& ctx) { return QFile::exists(ctx.filePath(handover::Langue)); }

void ReadLanguage(WorkingContext& ctx) {
    HandOverReader reader(ctx, handover::Langue);
    if (reader.exists())
        ctx.language = reader.item();
}

bool WriteLanguage(WorkingContext& ctx, const QString& language) {
    ctx.language = language;
    return WriteHandOver(ctx, handover::Langue, {language});
}

} // namespace tirelou
