#include "dialogs/appicon.h"

#include <QPainter>
#include <QPolygonF>

namespace icons {

void DrawAppIcon(QPainter& p) {
    p.setPen(QPen(QColor(0x0d, 0x2a, 0x5c), 2));
    p.setBrush(QColor(0x1f, 0x4e, 0x9c));
    p.drawRoundedRect(QRectF(3, 3, 58, 58), 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(13, 10), QPointF(24, 10), QPointF(32, 34), QPointF(40, 10),
                             QPointF(51, 10), QPointF(37, 46), QPointF(27, 46)}));
    p.setBrush(QColor(0xff, 0xd0, 0x40));
    for (qreal x : {12.0, 26.5, 41.0})
        p.drawRect(QRectF(x, 50, 11, 6));
}

QPixmap AppPixmap(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    DrawAppIcon(p);
    return pm;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(AppPixmap(size));
    return icon;
}

} // namespace icons
