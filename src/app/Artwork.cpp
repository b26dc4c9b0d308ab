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
