#pragma once
// The caption band at the top of the window: a colour gradient showing, in
// bold, the same text as the window title.
#include <QWidget>

class TGradient : public QWidget {
    Q_OBJECT
public:
    explicit TGradient(QWidget* parent = nullptr);

    QString FormCaption() const { return caption_; }
    void SetFormCaption(const QString& caption);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};
