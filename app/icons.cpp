#include "app/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace icons {
namespace {
using Draw = std::function<void(QPainter&)>;

// Draws in a 16 by 16 design space on pixmaps of several sizes.
QIcon Make(const Draw& draw) {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

const QColor kOutline(0x3a, 0x3a, 0x3a);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kBlue(0x2f, 0x6d, 0xb5);
const QColor kYellow(0xf2, 0xc9, 0x4c);

QPen Outline(double w = 1.0) {
    return QPen(kOutline, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Page(QPainter& p, QRectF r) {
    QPainterPath path;
    const double fold = 3.5;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(Outline());
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void TextLines(QPainter& p, QRectF r, int lines) {
    p.setPen(QPen(QColor(0x8a, 0x8a, 0x8a), 0.8));
    for (int i = 0; i < lines; ++i)
        p.drawLine(QPointF(r.left(), r.top() + i * 2.0), QPointF(r.right(), r.top() + i * 2.0));
}

void Floppy(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(2, 2, 12, 12), 1, 1);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 2, 7, 5));
    p.setBrush(QColor(0xdd, 0xdd, 0xdd));
    p.drawRect(QRectF(4.5, 9.5, 7, 4.5));
}

void Scissors(QPainter& p) {
    p.setPen(Outline(1.1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(4, 1.5), QPointF(10.5, 10));
    p.drawLine(QPointF(12, 1.5), QPointF(5.5, 10));
    p.setBrush(QColor(0xd0, 0x3b, 0x3b));
    p.drawEllipse(QPointF(4.5, 12), 2.3, 2.3);
    p.drawEllipse(QPointF(11.5, 12), 2.3, 2.3);
}

void Clipboard(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(QColor(0xb5, 0x86, 0x4f));
    p.drawRoundedRect(QRectF(2.5, 2.5, 10, 12.5), 1, 1);
    p.setBrush(QColor(0xcc, 0xcc, 0xcc));
    p.drawRect(QRectF(5, 1.5, 5, 2.5));
    Page(p, QRectF(6.5, 6, 8, 9));
    TextLines(p, QRectF(8, 9, 5, 0), 3);
}

void Magnifier(QPainter& p) {
    p.setPen(QPen(kOutline, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
    p.setPen(Outline(1.3));
    p.setBrush(QColor(0xcf, 0xe5, 0xfa));
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
}

Draw Drawing(int index) {
    switch (index) {
    case New:
        return [](QPainter& p) {
            Page(p, QRectF(3, 1.5, 10, 13));
            p.setPen(Qt::NoPen);
            p.setBrush(kYellow);
            p.drawEllipse(QPointF(12.5, 12.5), 2.5, 2.5);
        };
    case Open:
        return [](QPainter& p) {
            p.setPen(Outline());
            p.setBrush(QColor(0xe0, 0xb0, 0x4a));
            p.drawRect(QRectF(1.5, 4, 11, 9.5));
            p.drawRect(QRectF(1.5, 3, 4.5, 1.5));
            QPolygonF front(
                {QPointF(3.5, 7), QPointF(15, 7), QPointF(12.5, 13.5), QPointF(1.5, 13.5)});
            p.setBrush(kYellow);
            p.drawPolygon(front);
        };
    case Save:
        return [](QPainter& p) { Floppy(p); };
    case SaveAs:
        return [](QPainter& p) {
            Floppy(p);
            p.setPen(QPen(QColor(0xc0, 0x39, 0x2b), 2.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(9, 14), QPointF(14.5, 8.5));
        };
    case Print:
        return [](QPainter& p) {
            p.setPen(Outline());
            p.setBrush(kPaper);
            p.drawRect(QRectF(4, 1.5, 8, 5));
            p.setBrush(QColor(0x9a, 0x9a, 0x9a));
            p.drawRoundedRect(QRectF(1.5, 6, 13, 6), 1, 1);
            p.setBrush(kPaper);
            p.drawRect(QRectF(4, 10, 8, 4.5));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x3c, 0xb3, 0x4a));
            p.drawEllipse(QPointF(12.5, 8), 0.9, 0.9);
        };
    case Cut:
        return [](QPainter& p) { Scissors(p); };
    case Copy:
        return [](QPainter& p) {
            Page(p, QRectF(1.5, 1.5, 8, 10));
            TextLines(p, QRectF(3, 5, 5, 0), 3);
            Page(p, QRectF(6.5, 4.5, 8, 10));
            TextLines(p, QRectF(8, 8, 5, 0), 3);
        };
    case Paste:
        return [](QPainter& p) { Clipboard(p); };
    case Spelling:
        return [](QPainter& p) {
            QFont f(QStringLiteral("Liberation Sans"));
            f.setPixelSize(7);
            f.setBold(true);
            p.setFont(f);
            p.setPen(kOutline);
            p.drawText(QRectF(0, 0, 16, 8), Qt::AlignCenter, QStringLiteral("ABC"));
            p.setPen(
                QPen(QColor(0x2e, 0x9e, 0x3e), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygonF({QPointF(4, 11.5), QPointF(7, 14.5), QPointF(13, 8.5)}));
        };
    case Find:
        return [](QPainter& p) { Magnifier(p); };
    case Delete:
        return [](QPainter& p) {
            p.setPen(QPen(QColor(0xc6, 0x28, 0x28), 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
            p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        };
    default:
        return [](QPainter&) {};
    }
}
} // namespace

QIcon ImageList(int index) {
    if (index < 0 || index >= Count) return {};
    return Make(Drawing(index));
}

QIcon Ok() {
    return Make([](QPainter& p) {
        p.setPen(QPen(QColor(0x2e, 0x9e, 0x3e), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 4)}));
    });
}

QIcon Cancel() {
    return ImageList(Delete);
}

QPixmap ToolBarBackground() {
    QPixmap pm(64, 64);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, 64);
    g.setColorAt(0, QColor(0xfb, 0xfb, 0xfc));
    g.setColorAt(1, QColor(0xe4, 0xe8, 0xef));
    p.fillRect(pm.rect(), g);
    return pm;
}

} // namespace icons
