#include "ui/logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tirelou::ui {
namespace {

// The drawing is made on a 200 x 150 canvas and scaled to the area.
constexpr qreal kCanvasWidth = 200;
constexpr qreal kCanvasHeight = 150;

const QColor kPink(0xf2, 0x9c, 0xb4);
const QColor kPinkDark(0xd1, 0x6a, 0x8a);
const QColor kOutline(0x8e, 0x3a, 0x55);
const QColor kGold(0xf5, 0xc2, 0x42);
const QColor kGoldDark(0xb8, 0x86, 0x0b);

void Leg(QPainter& p, qreal x, const QColor& colour) {
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(x, 112, 16, 26), 5, 5);
}

} // namespace

void PaintPiggyBank(QPainter& p, const QRectF& area, qreal opacity) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(opacity);
    const qreal scale = std::min(area.width() / kCanvasWidth, area.height() / kCanvasHeight);
    p.translate(area.center().x() - kCanvasWidth * scale / 2, area.center().y() - kCanvasHeight * scale / 2);
    p.scale(scale, scale);

    QPen outline(kOutline, 2.2);
    outline.setJoinStyle(Qt::RoundJoin);
    p.setPen(outline);

    // Back legs first, behind the body.
    Leg(p, 52, kPinkDark);
    Leg(p, 118, kPinkDark);

    // Curly tail.
    QPainterPath tail;
    tail.moveTo(34, 82);
    tail.cubicTo(18, 78, 16, 96, 26, 96);
    tail.cubicTo(34, 96, 30, 84, 22, 88);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);

    // Body.
    QRadialGradient body(QPointF(90, 70), 80);
    body.setColorAt(0, kPink.lighter(118));
    body.setColorAt(1, kPink);
    p.setBrush(body);
    p.drawEllipse(QRectF(32, 40, 130, 86));

    // Front legs.
    Leg(p, 66, kPink);
    Leg(p, 132, kPink);

    // Ear.
    QPainterPath ear;
    ear.moveTo(120, 47);
    ear.quadTo(124, 30, 134, 27);
    ear.quadTo(141, 38, 141, 51);
    ear.closeSubpath();
    p.setBrush(kPinkDark);
    p.drawPath(ear);

    // Snout with its nostrils.
    p.setBrush(kPink.darker(108));
    p.drawRoundedRect(QRectF(154, 70, 22, 28), 10, 12);
    p.setBrush(kOutline);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(162, 76, 5, 6));
    p.drawEllipse(QRectF(162, 86, 5, 6));

    // Eye with a light.
    p.drawEllipse(QRectF(136, 62, 8, 9));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(139, 63.5, 2.6, 2.6));

    // Coin slot and the coin dropping in.
    p.setPen(outline);
    p.setBrush(kOutline);
    p.drawRoundedRect(QRectF(80, 43, 30, 5), 2, 2);
    QRadialGradient coin(QPointF(92, 14), 16);
    coin.setColorAt(0, kGold.lighter(125));
    coin.setColorAt(1, kGold);
    p.setPen(QPen(kGoldDark, 2));
    p.setBrush(coin);
    p.drawEllipse(QRectF(81, 2, 28, 28));
    p.setPen(QPen(kGoldDark, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(86, 7, 18, 18));

    p.restore();
}

void PaintBackdrop(QPainter& p, const QRect& area) {
    p.save();
    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0, QColor(0x16, 0x3a, 0x5f));
    sky.setColorAt(0.6, QColor(0x1f, 0x4e, 0x79));
    sky.setColorAt(1, QColor(0x2f, 0x7a, 0x8a));
    p.fillRect(area, sky);
    // A soft light from the top left.
    QRadialGradient glow(area.topLeft() + QPointF(area.width() * 0.25, area.height() * 0.2),
                         std::max(area.width(), area.height()) * 0.7);
    glow.setColorAt(0, QColor(255, 255, 255, 40));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(area, glow);
    const qreal size = std::min(area.width(), area.height()) * 0.55;
    PaintPiggyBank(
        p, QRectF(area.right() - size * 1.25, area.bottom() - size * 0.95, size * 1.1, size * 0.82), 0.18);
    p.restore();
}

PiggyPicture::PiggyPicture(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void PiggyPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintPiggyBank(p, QRectF(rect()).adjusted(4, 4, -4, -4));
}

} // namespace tirelou::ui
