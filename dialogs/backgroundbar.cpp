#include "dialogs/backgroundbar.h"

#include <QPainter>

TBackgroundBar::TBackgroundBar(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBackgroundBar::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void TBackgroundBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (picture_.isNull())
        p.fillRect(rect(), palette().window());
    else
        p.drawPixmap(rect(), picture_);
}
