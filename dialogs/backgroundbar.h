#pragma once
// A background bar: fills its whole area with a picture (stretched), or with
// the palette's window colour while it has none.
#include <QPixmap>
#include <QWidget>

class TBackgroundBar : public QWidget {
    Q_OBJECT
public:
    explicit TBackgroundBar(QWidget* parent = nullptr);
    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
