#include "app/gradient.h"

#include <QLinearGradient>
#include <QPainter>

TGradient::TGradient(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Gradient"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

void TGradient::SetFormCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update();
}

QSize TGradient::sizeHint() const {
    return {200, fontMetrics().height() + 8};
}

void TGradient::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(0, 0, width(), 0);
    g.setColorAt(0, QColor(0x1c, 0x3f, 0x7a));
    g.setColorAt(1, QColor(0xa6, 0xc4, 0xe8));
    p.fillRect(rect(), g);
    p.setPen(Qt::white);
    const QRect text = rect().adjusted(8, 0, -8, 0);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
               fontMetrics().elidedText(caption_, Qt::ElideMiddle, text.width()));
}
