#pragma once

#include <QString>
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

// Puts the help page of the working language in the data folder (refreshed from the
// program's own copy each time) and opens it in the browser. The frame leaves the topmost
// layer first, so that the browser is not hidden behind it. False when it could not be
// opened.
bool OpenHelp(const WorkingContext& ctx, QWidget* frame);

// Opens the maker's web site, the frame first released from the topmost layer.
bool OpenMakerSite(QWidget* frame);

} // namespace tirelou::accounts
