#include "ui/look.h"

#include <QLabel>

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
QToolBar QToolButton:focus { border: 2px solid #c05000; background: #fff3d6; }
QTableWidget { background: white; gridline-color: #d8d2c0; selection-background-color: #1f4e79; }
QListWidget { background: white; selection-background-color: #1f4e79; }
QTableWidget:focus, QListWidget:focus { border: 2px solid #c05000; }

QLineEdit { background: #fffef5; border: 2px solid #1f4e79; padding: 3px; }
)");
}

void ApplyRoleFont(QLabel* label, const QString& role) {
    qreal points = 0;
    if (role == QLatin1String("title")) {
        points = 16;
        label->setAlignment(Qt::AlignCenter);
    } else if (role == QLatin1String("line") || role == QLatin1String("heading")) {
        points = 11;
    } else if (role == QLatin1String("prompt")) {
        points = 10.5;
    }
    if (points == 0)
        return;
    QFont f = label->font();
    f.setPointSizeF(points);
    f.setBold(true);
    label->setFont(f);
}

} // namespace tirelou::ui
