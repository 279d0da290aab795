#include "app/picturetoolbar.h"

#include <QPainter>
#include <QStyleOptionToolBar>

TPictureToolBar::TPictureToolBar(const QString& title, QWidget* parent) : QToolBar(title, parent) {
    setMovable(true);
    setFloatable(false);
    setAllowedAreas(Qt::AllToolBarAreas);
}

void TPictureToolBar::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void TPictureToolBar::paintEvent(QPaintEvent* event) {
    if (picture_.isNull()) {
        QToolBar::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.drawPixmap(rect(), picture_);
    QStyleOptionToolBar opt;
    initStyleOption(&opt);
    if (isMovable()) {
        opt.rect = style()->subElementRect(QStyle::SE_ToolBarHandle, &opt, this);
        if (opt.rect.isValid())
            style()->drawPrimitive(QStyle::PE_IndicatorToolBarHandle, &opt, &p, this);
    }
}
