#pragma once

#include "data/schema.h"
#include "support/guitest.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace tirelou::test {

using namespace Qt::StringLiterals;

// Account 7: its 2026 file in March (logged in), and 2024 in the archives.
class ReportScreens : public GuiTest {
protected:
    // `fillArchive` writes the rows of the year to be archived while its file is open.
    void loginTo(const QString& language, const std::function<void()>& fillArchive = {}) {
        const QString old = data.addAccount(u"7"_s, 2024);
        data.login(old, language);
        if (fillArchive)
            fillArchive();
        data.ctx().accountDb.close();
        QDir(data.dir()).mkdir(ArchiveFolderName);
        QFile::rename(data.path(old), data.ctx().archivePath(old));
        data.login(data.addAccount(u"7"_s, 2026, u"SECRET"_s, 3), language);
        data.ctx().clock.setNow(QDateTime(QDate(2026, 3, 15), QTime(18, 0)));
    }
    ui::Grid* grid() const { return child<ui::Grid>(u"MSFlexGrid1"_s); }
    QStringList gridRows() const { return grid() ? grid()->rowTexts() : QStringList(); }
    QString openFile() { return QFileInfo(data.ctx().accountDb.path()).fileName(); }
    bool inArchives() {
        return QFileInfo(data.ctx().accountDb.path()).absolutePath().endsWith(u"/Archives"_s);
    }

    // The pages of the PDF the last print left in the data folder, as pdftotext lays them
    // out; empty when the machine has a printer or no pdftotext.
    QStringList printedPages(const QString& pdfPath) const {
        const QString tool = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (tool.isEmpty() || pdfPath.isEmpty())
            return {};
        QProcess p;
        p.start(tool, {u"-layout"_s, pdfPath, u"-"_s});
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    }
    // The PDF path named by the last message, when it says where the printout went.
    QString pdfOfLastMessage() const {
        if (messages().isEmpty())
            return {};
        const QString text = messages().last().text;
        return text.endsWith(u".pdf"_s) ? text.section(u'\n', -1) : QString();
    }
};

} // namespace tirelou::test
