#include "data/handover.h"
#include "data/schema.h"
#include "reports/yearfile.h"
#include "support/testdata.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace tirelou;
using namespace tirelou::test;
using namespace Qt::StringLiterals;

namespace {

// Account 7 logged into its 2026 file, with 2024 in the archives.
class YearFileTest : public ::testing::Test {
protected:
    YearFileTest() {
        const QString old = data.addAccount(u"7"_s, 2024);
        QDir(data.dir()).mkdir(ArchiveFolderName);
        QFile::rename(data.path(old), data.ctx().archivePath(old));
        data.login(data.addAccount(u"7"_s, 2026, u"SECRET"_s, 3));
    }
    QString openPath() { return QDir::cleanPath(data.ctx().accountDb.path()); }

    TestData data;
};

} // namespace

TEST_F(YearFileTest, AnArchivedYearOpensInPlaceOfTheCurrentFileWhichComesBack) {
    WorkingContext& c = data.ctx();
    EXPECT_EQ(CurrentYearText(c), u"2026"_s);
    ASSERT_EQ(OpenYear(c, true, u" 2024 "_s), YearOpen::Opened);
    EXPECT_EQ(openPath(), QDir::cleanPath(c.archivePath(u"72024.acd"_s)));
    EXPECT_EQ(c.consultFile, u"72024.acd"_s);
    EXPECT_EQ(c.yearText, u"2024"_s);
    EXPECT_FALSE(CurrentYearOpen(c));
    ReopenCurrentYear(c);
    EXPECT_EQ(openPath(), QDir::cleanPath(c.filePath(u"72026.acd"_s)));
    EXPECT_EQ(c.accountFile, u"72026.acd"_s);
}

TEST_F(YearFileTest, AYearThatIsNotThereLeavesTheFileInHandAndIsExplainedInBothLanguages) {
    WorkingContext& c = data.ctx();
    ASSERT_EQ(OpenYear(c, true, u"2024"_s), YearOpen::Opened);
    EXPECT_EQ(OpenYear(c, true, u"2019"_s), YearOpen::Missing);
    EXPECT_EQ(openPath(), QDir::cleanPath(c.archivePath(u"72024.acd"_s)));
    EXPECT_EQ(OpenYear(c, false, u"2025"_s), YearOpen::Missing);
    EXPECT_EQ(OpenYear(c, true, QString()), YearOpen::Missing);
    EXPECT_TRUE(c.accountDb.isOpen());
    const QString fr = MissingYearMessage(c, true, u"2019"_s);
    EXPECT_TRUE(fr.startsWith(u"Le compte n'a pas de fichier pour l'année 2019 : le fichier 72019.acd"_s))
        << fr.toStdString();
    c.language = English;
    EXPECT_TRUE(MissingYearMessage(c, true, u"2019"_s)
                    .startsWith(u"The account has no file for the year 2019: the file 72019.acd"_s));
    EXPECT_EQ(MissingYearMessage(c, true, u" "_s), u"No year was given."_s);
}

TEST_F(YearFileTest, HandedModeWordsChooseTheFile) {
    WorkingContext& c = data.ctx();
    WriteYearHandOver(c, handover::Lire, {mode::Archive, 3, u"2024"_s});
    const YearHandOver h = ReadYearHandOver(c, handover::Lire);
    EXPECT_EQ(h.modeWord, mode::Archive);
    EXPECT_EQ(h.number, 3);
    EXPECT_EQ(h.yearText, u"2024"_s);
    ASSERT_EQ(OpenHandedYear(c, h), YearOpen::Opened);
    EXPECT_EQ(c.consultFile, u"72024.acd"_s);
    // "CONSULT" and "ENCOUR" mean the current file, whatever year came with them
    ASSERT_EQ(OpenHandedYear(c, {mode::Consult, 5, u"2031"_s}), YearOpen::Opened);
    EXPECT_TRUE(CurrentYearOpen(c));
    EXPECT_EQ(c.yearText, u"2026"_s);
    EXPECT_TRUE(IsArchiveMode(mode::Archives));
    EXPECT_FALSE(IsKnownMode(u"MAISON"_s));
    const YearHandOver none = ReadYearHandOver(c, u"Absent.xfr"_s);
    EXPECT_TRUE(none.modeWord.isEmpty());
}

TEST(YearAnswer, OnlyTheFirstLetterCounts) {
    for (const char* a : {"A", "a", " archives", "A2025"})
        EXPECT_TRUE(MeansArchive(QString::fromLatin1(a), YearAnswer::ArchiveOnA)) << a;
    for (const char* a : {"E", "", " ", "X", "e"})
        EXPECT_FALSE(MeansArchive(QString::fromLatin1(a), YearAnswer::ArchiveOnA)) << a;
    EXPECT_FALSE(MeansArchive(u"e"_s, YearAnswer::CurrentOnE));
    EXPECT_TRUE(MeansArchive(u"X"_s, YearAnswer::CurrentOnE));
    EXPECT_TRUE(MeansArchive(QString(), YearAnswer::CurrentOnE));
}
