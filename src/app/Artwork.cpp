#include "app/Artwork.h"

#include "app/Fonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace korvani::app::artwork {

QIcon SealIcon(const QString& character, const QColor& color) {
    QIcon icon;
    for (qreal scale : {1.0, 2.0}) {
        const int side = static_cast<int>(48 * scale);
        QPixmap pixmap(side, side);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(color);
        p.setPen(QPen(color.lighter(150), 2));
        p.drawEllipse(QRectF(2, 2, 44, 44));
        QFont font = UiFont();
        font.setPixelSize(24);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 48, 46), Qt::AlignCenter, character);
        icon.addPixmap(pixmap);
    }
    return icon;
}

namespace {

// A 16 × 16 node picture at the scales 1 and 2, drawn by `paint` in 16-unit coordinates.
template <typename Paint> void AddNodePicture(QIcon& icon, QIcon::Mode mode, Paint paint) {
    for (qreal scale : {1.0, 2.0}) {
        const int side = static_cast<int>(16 * scale);
        QPixmap pixmap(side, side);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p);
        icon.addPixmap(pixmap, mode);
    }
}

const QColor kCover(0xa8, 0x23, 0x1f);
const QColor kGold(0xd9, 0xa4, 0x2b);
const QColor kPaper(0xfb, 0xf3, 0xdc);
const QColor kNight(0x3b, 0x4a, 0x7a);

void PaintClosedBook(QPainter& p) {
    p.setPen(QPen(kCover.darker(140), 1));
    p.setBrush(kCover);
    p.drawRoundedRect(QRectF(3.5, 1.5, 10, 13), 1.2, 1.2);
    p.setPen(QPen(kGold, 1.2));
    p.drawLine(QPointF(5.5, 2), QPointF(5.5, 14)); // the spine's binding
    p.setBrush(kGold);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(7.5, 5, 4.5, 2)); // the title label
}

void PaintOpenBook(QPainter& p) {
    p.setPen(QPen(kCover.darker(140), 1));
    p.setBrush(kCover);
    QPainterPath cover;
    cover.moveTo(0.5, 4);
    cover.lineTo(8, 5.5);
    cover.lineTo(15.5, 4);
    cover.lineTo(15.5, 14);
    cover.lineTo(8, 15.5);
    cover.lineTo(0.5, 14);
    cover.closeSubpath();
    p.drawPath(cover);
    p.setPen(QPen(QColor(0xb0, 0x9a, 0x70), 0.8));
    p.setBrush(kPaper);
    QPainterPath left;
    left.moveTo(1.5, 2.5);
    left.quadTo(5, 2.5, 8, 4.5);
    left.lineTo(8, 14);
    left.quadTo(5, 12.2, 1.5, 12.5);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(14.5, 2.5);
    right.quadTo(11, 2.5, 8, 4.5);
    right.lineTo(8, 14);
    right.quadTo(11, 12.2, 14.5, 12.5);
    right.closeSubpath();
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(kGold, 0.9));
    for (qreal y : {6.0, 8.0, 10.0}) {
        p.drawLine(QPointF(3, y), QPointF(6.5, y + 0.6));
        p.drawLine(QPointF(9.5, y + 0.6), QPointF(13, y));
    }
}

void PaintStar(QPainter& p, QPointF centre, qreal r) {
    QPainterPath star;
    star.moveTo(centre.x(), centre.y() - r);
    star.quadTo(centre, QPointF(centre.x() + r, centre.y()));
    star.quadTo(centre, QPointF(centre.x(), centre.y() + r));
    star.quadTo(centre, QPointF(centre.x() - r, centre.y()));
    star.quadTo(centre, QPointF(centre.x(), centre.y() - r));
    p.drawPath(star);
}

void PaintMoon(QPainter& p, bool lit) {
    if (lit) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xe0, 0x80, 90));
        p.drawEllipse(QRectF(0.5, 0.5, 15, 15)); // the glow
    }
    QPainterPath disc;
    disc.addEllipse(QRectF(2, 2.5, 11, 11));
    QPainterPath bite;
    bite.addEllipse(QRectF(5.5, 0.5, 10, 10));
    p.setPen(QPen(lit ? kGold.darker(130) : kNight, 0.9));
    p.setBrush(lit ? QColor(0xff, 0xd2, 0x4a) : QColor(0xc9, 0xcf, 0xe6));
    p.drawPath(disc.subtracted(bite));
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? kGold : kNight);
    PaintStar(p, QPointF(12, 10.5), lit ? 3.0 : 2.4);
}

} // namespace

QIcon DreamCategoryIcon() {
    QIcon icon;
    AddNodePicture(icon, QIcon::Normal, PaintClosedBook);
    AddNodePicture(icon, QIcon::Selected, PaintOpenBook);
    return icon;
}

QIcon DreamTitleIcon() {
    QIcon icon;
    AddNodePicture(icon, QIcon::Normal, [](QPainter& p) { PaintMoon(p, false); });
    AddNodePicture(icon, QIcon::Selected, [](QPainter& p) { PaintMoon(p, true); });
    return icon;
}

void PaintBackground(QPainter& painter, const QRect& rect) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, QColor(0x9e, 0x1b, 0x1b));
    gradient.setColorAt(0.25, QColor(0xc0, 0x39, 0x2b));
    gradient.setColorAt(1.0, QColor(0xe8, 0xc3, 0x7a));
    painter.fillRect(rect, gradient);
    // Faint auspicious clouds along the top.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 220, 150, 70), 2));
    painter.setBrush(Qt::NoBrush);
    for (int x = 20; x < rect.width(); x += 140) {
        QPainterPath cloud;
        cloud.moveTo(x, 70);
        cloud.cubicTo(x + 10, 40, x + 40, 40, x + 50, 60);
        cloud.cubicTo(x + 60, 35, x + 95, 40, x + 95, 68);
        cloud.cubicTo(x + 110, 70, x + 110, 90, x + 90, 90);
        cloud.lineTo(x + 5, 90);
        cloud.cubicTo(x - 15, 90, x - 12, 70, x, 70);
        painter.drawPath(cloud);
    }
}

} // namespace korvani::app::artwork
