#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

namespace tirelou {
class WorkingContext;
}

// The help pages and the maker's web site, opened in the desktop's browser.
namespace tirelou::accounts {

// The maker's web site.
QUrl MakerSite();

// The help page of the language: "Tirelou.html" (French) or "Tireloueng.html" (English).
QString HelpFileName(bool french);

// Where the program looks for its help pages, first found wins: the installed data folder
// (share/tirelou/help beside the bin folder), then the build folder's help/ beside the program.
QStringList HelpFolders(const QString& programDir);

// The page of the language in the first of the folders that holds it; empty when none does.
QString FindHelpPage(const QStringList& folders, bool french);

// The address that opens a help page on the section of one screen (its anchor is the
// screen's name); the top of the page when the screen name is empty.
QUrl HelpUrl(const QString& page, const QString& screenName);

// Opens the help page of the working language on the section of the screen it is asked
// from. The installed (or built) page is opened where it is; else the program's own copy is
// written to the data folder first. The frame leaves the topmost layer first, so that the
// browser is not hidden behind it. False when it could not be opened.
bool OpenHelp(const WorkingContext& ctx, QWidget* frame, const QString& screenName);

// Opens the maker's web site, the frame first released from the topmost layer.
bool OpenMakerSite(QWidget* frame);

} // namespace tirelou::accounts
