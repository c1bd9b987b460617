#include "ui/look.h"

namespace tirelou::ui {

QString StyleSheet() {
    return QStringLiteral(R"(
#screenBody { background: #f4f1e8; }
QLabel[role="caption"] { background: #1f4e79; color: white; padding: 4px 10px; font-weight: bold; }
QLabel[role="title"] { color: #8b1a1a; font-weight: bold; qproperty-alignment: AlignCenter; }
QLabel[role="prompt"] { background: #cfe8f7; color: #116611; font-weight: bold; padding: 3px 8px;
                        border: 1px solid #9cc3dd; }
QLabel[role="line"] { color: #1f3550; font-weight: bold; }
QLabel[role="heading"] { color: #1f4e79; font-weight: bold; }
QLabel[role="echo"] { background: white; border: 1px solid #c9c2ad; padding: 2px 6px; }
QToolBar { background: #e3dcc8; border-bottom: 1px solid #b9b09a; spacing: 4px; padding: 2px; }
QToolBar QToolButton { padding: 4px 10px; border: 1px solid #b9b09a; border-radius: 3px; background: #faf7ee; }
QToolBar QToolButton:hover { background: #ffffff; border-color: #1f4e79; }
QToolBar QToolButton:disabled { color: #9a9486; }
QTableWidget { background: white; gridline-color: #d8d2c0; selection-background-color: #1f4e79; }
QListWidget { background: white; selection-background-color: #1f4e79; }
QLineEdit { background: #fffef5; border: 2px solid #1f4e79; padding: 3px; }
)");
}

} // namespace tirelou::ui
