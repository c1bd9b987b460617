#pragma once

#include <QWidget>

class QPainter;

// The program's pictures, drawn rather than shipped: a piggy bank, and the backdrop of the
// background window.
namespace tirelou::ui {

// Paints the piggy bank centred in `area`, keeping its proportions. `opacity` lets the
// backdrop show it faintly.
void PaintPiggyBank(QPainter& painter, const QRectF& area, qreal opacity = 1.0);

// Paints the backdrop: a deep gradient with a faint piggy bank.
void PaintBackdrop(QPainter& painter, const QRect& area);

// A picture control showing the piggy bank.
class PiggyPicture : public QWidget {
    Q_OBJECT
public:
    explicit PiggyPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {200, 150}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width * 3 / 4; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tirelou::ui
