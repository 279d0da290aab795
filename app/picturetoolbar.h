#pragma once
// A tool bar with a background picture: movable to any edge of the window,
// flat buttons over the picture.
#include <QPixmap>
#include <QToolBar>

class TPictureToolBar : public QToolBar {
    Q_OBJECT
public:
    TPictureToolBar(const QString& title, QWidget* parent = nullptr);

    const QPixmap& Picture() const { return picture_; }
    void SetPicture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
