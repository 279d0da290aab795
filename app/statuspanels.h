#pragma once
// A status bar made of fixed panels, each a sunken text field of its own
// width and alignment; the last panel takes the rest of the width. A panel
// whose text would not fit grows to hold it.
#include <QString>
#include <QWidget>
#include <vector>

class QLabel;

struct TPanelSpec {
    int width;
    Qt::Alignment alignment;
};

class TStatusPanels : public QWidget {
    Q_OBJECT
public:
    TStatusPanels(const QString& name, const std::vector<TPanelSpec>& panels,
                  QWidget* parent = nullptr);

    int PanelCount() const { return int(labels_.size()); }
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString& text);
    QLabel* Panel(int index) const { return labels_.at(size_t(index)); }

private:
    std::vector<QLabel*> labels_;
};
