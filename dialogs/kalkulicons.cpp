#include "dialogs/kalkulicons.h"

#include <QPainter>

namespace calcicons {
namespace {
const QColor kOutline(0x3a, 0x3a, 0x3a);
const QColor kPurple(0x80, 0x00, 0x80);

QPen Stroke(const QColor& color, double width) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Draws one picture in a 16 by 16 design space.
void Draw(QPainter& p, int picture) {
    switch (picture) {
    case Cancel:
        p.setPen(Stroke(QColor(0xc6, 0x28, 0x28), 2.6));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        break;
    case Confirm:
        p.setPen(Stroke(QColor(0x2e, 0x9e, 0x3e), 2.4));
        p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 4)}));
        break;
    case PlusMinus:
        p.setPen(Stroke(kOutline, 1.6));
        p.drawLine(QPointF(8, 2), QPointF(8, 9));
        p.drawLine(QPointF(4.5, 5.5), QPointF(11.5, 5.5));
        p.drawLine(QPointF(4.5, 12.5), QPointF(11.5, 12.5));
        break;
    case Times:
        p.setPen(Stroke(kPurple, 1.8));
        p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
        p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
        break;
    case Minus:
        p.setPen(Stroke(kPurple, 1.8));
        p.drawLine(QPointF(3.5, 8), QPointF(12.5, 8));
        break;
    case Plus:
        p.setPen(Stroke(kPurple, 1.8));
        p.drawLine(QPointF(8, 3.5), QPointF(8, 12.5));
        p.drawLine(QPointF(3.5, 8), QPointF(12.5, 8));
        break;
    default:
        break;
    }
}
} // namespace

QPixmap Strip(int size) {
    QPixmap strip(size * Count, size);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < Count; ++i) {
        p.save();
        p.translate(i * size, 0);
        p.scale(size / 16.0, size / 16.0);
        Draw(p, i);
        p.restore();
    }
    return strip;
}

QIcon Cut(Picture picture) {
    QIcon icon;
    for (int size : {16, 32}) {
        const QPixmap strip = Strip(size);
        icon.addPixmap(strip.copy(int(picture) * size, 0, size, size));
    }
    return icon;
}

} // namespace calcicons
