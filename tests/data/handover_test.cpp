#include "data/handover.h"
#include "data/numbers.h"
#include "data/workingcontext.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tirelou;

namespace {

class HandOverTest : public ::testing::Test {
protected:
    QByteArray bytes(const QString& name) {
        QFile f(ctx.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
    WorkingContext ctx{dir.path()};
};

} // namespace

TEST_F(HandOverTest, WrittenWholeWithCrLfAndNumbersInPrintForm) {
    WriteHandOver(ctx, handover::Lire, {QStringLiteral("ENCOUR"), 3.0, QStringLiteral("2026")});
    EXPECT_EQ(bytes(handover::Lire), QByteArray("ENCOUR\r\n 3 \r\n2026\r\n"));
    WriteHandOver(ctx, handover::Lire, {-12.5});
    EXPECT_EQ(bytes(handover::Lire), QByteArray("-12.5 \r\n")); // replaced, not appended
}

TEST_F(HandOverTest, ItemByItemCutsAtCommasAndSkipsBlanks) {
    WriteHandOver(ctx, handover::Lire, {QStringLiteral("ASSURANCES"), 4.0});
    HandOverReader r(ctx, handover::Lire);
    EXPECT_EQ(r.item(), QStringLiteral("ASSURANCES"));
    EXPECT_EQ(r.numberItem(), 4);
    EXPECT_TRUE(r.atEnd());
    EXPECT_TRUE(r.ok());

    WriteHandOver(ctx, handover::Lire, {QStringLiteral("FRAIS, DIVERS"), 2.0});
    HandOverReader cut(ctx, handover::Lire);
    EXPECT_EQ(cut.item(), QStringLiteral("FRAIS"));
    EXPECT_EQ(cut.item(), QStringLiteral("DIVERS")); // the rest of the cut line comes next
    EXPECT_EQ(cut.numberItem(), 2);

    // Quotes are ordinary characters, and blanks after an item are part of it.
    WriteHandOver(ctx, handover::Lire, {QStringLiteral("\"A, B\",C "), QStringLiteral("D,")});
    HandOverReader quoted(ctx, handover::Lire);
    EXPECT_EQ(quoted.item(), QStringLiteral("\"A"));
    EXPECT_EQ(quoted.item(), QStringLiteral("B\""));
    EXPECT_EQ(quoted.item(), QStringLiteral("C "));
    EXPECT_EQ(quoted.item(), QStringLiteral("D"));
    EXPECT_EQ(quoted.item(), QString()); // what follows the last comma
    EXPECT_TRUE(quoted.ok());
}

TEST_F(HandOverTest, ChosenCategoryComesBackWholeWithItsIndexAndPosition) {
    WriteChosenCategory(ctx, QStringLiteral("FRAIS, DIVERS"), 2);
    EXPECT_EQ(bytes(handover::Lire), QByteArray("FRAIS, DIVERS\r\n 2 \r\n"));
    EXPECT_EQ(ctx.chosenItem, QStringLiteral("FRAIS, DIVERS"));
    ChosenCategory c = ReadChosenCategory(ctx);
    EXPECT_EQ(c.name, QStringLiteral("FRAIS, DIVERS"));
    EXPECT_EQ(c.index, 2);
    EXPECT_EQ(c.position, -1);

    WriteChosenCategory(ctx, QStringLiteral("MAISON"), 0, 4);
    EXPECT_EQ(bytes(handover::Lire), QByteArray("MAISON\r\n 0 \r\n 4 \r\n"));
    c = ReadChosenCategory(ctx);
    EXPECT_EQ(c.index, 0);
    EXPECT_EQ(c.position, 4);
}

TEST_F(HandOverTest, AFileThatCannotBeWrittenStopsTheAction) {
    WorkingContext nowhere(dir.filePath(QStringLiteral("missing/folder")));
    EXPECT_THROW(WriteHandOver(nowhere, handover::Lire, {QStringLiteral("X")}), FileError);
    nowhere.language = English;
    EXPECT_THROW(WriteLanguage(nowhere, French), FileError);
    EXPECT_EQ(nowhere.language, English); // the language changes only once it is saved
}

TEST_F(HandOverTest, LineByLineKeepsTheLineAsItIs) {
    WriteHandOver(ctx, handover::Modif,
                  {QStringLiteral("MAISON"), 12.5, QStringLiteral(" L'EPICERIE, RUE ")});
    HandOverReader r(ctx, handover::Modif);
    EXPECT_EQ(r.line(), QStringLiteral("MAISON"));
    const QString number = r.line();
    EXPECT_EQ(number, QStringLiteral(" 12.5 "));
    EXPECT_EQ(NumberValue(number), 12.5);
    EXPECT_EQ(r.line(), QStringLiteral(" L'EPICERIE, RUE "));
}

TEST_F(HandOverTest, MissingFileAndReadingPastTheEndGiveEmptyValues) {
    HandOverReader missing(ctx, handover::Ecrire);
    EXPECT_FALSE(missing.exists());
    EXPECT_EQ(missing.item(), QString());
    EXPECT_EQ(missing.numberItem(), 0);
    EXPECT_FALSE(missing.ok());

    WriteHandOver(ctx, handover::Ecrire, {QStringLiteral("VOIR")});
    HandOverReader r(ctx, handover::Ecrire);
    EXPECT_EQ(r.line(), QStringLiteral("VOIR"));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.line(), QString());
    EXPECT_FALSE(r.ok());
}

TEST_F(HandOverTest, LanguageFile) {
    EXPECT_FALSE(LanguageFileExists(ctx));
    ctx.language = QStringLiteral("English");
    ReadLanguage(ctx); // no file: the language stays
    EXPECT_EQ(ctx.language, QStringLiteral("English"));

    WriteLanguage(ctx, French);
    EXPECT_EQ(bytes(handover::Langue), QByteArray("Fran\xc3\xa7"
                                                  "ais\r\n"));
    ctx.language.clear();
    ReadLanguage(ctx);
    EXPECT_TRUE(ctx.french());

    WriteLanguage(ctx, QStringLiteral("Deutsch"));
    ReadLanguage(ctx);
    EXPECT_FALSE(ctx.french());
    WriteLanguage(ctx, QStringLiteral("Français "));
    ReadLanguage(ctx);
    EXPECT_FALSE(ctx.french());
    EXPECT_EQ(ctx.pick(QStringLiteral("oui"), QStringLiteral("yes")), QStringLiteral("yes"));
}
