#include "app/statuspanels.h"

#include <QHBoxLayout>
#include <QLabel>

TStatusPanels::TStatusPanels(const QString& name, const std::vector<TPanelSpec>& panels,
                             QWidget* parent)
    : QWidget(parent) {
    setObjectName(name);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (size_t i = 0; i < panels.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(name + QStringLiteral("_panel") + QString::number(i));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(panels[i].alignment | Qt::AlignVCenter);
        label->setTextFormat(Qt::PlainText);
        label->setMinimumWidth(panels[i].width);
        const bool last = i + 1 == panels.size();
        if (!last) label->setFixedWidth(panels[i].width);
        layout->addWidget(label, last ? 1 : 0);
        labels_.push_back(label);
    }
}

QString TStatusPanels::PanelText(int index) const {
    return labels_.at(size_t(index))->text();
}

void TStatusPanels::SetPanelText(int index, const QString& text) {
    QLabel* label = labels_.at(size_t(index));
    if (label->text() == text) return;
    label->setText(text);
    // A fixed panel grows (never shrinks) when a text would not fit in it.
    if (size_t(index) + 1 < labels_.size()) {
        const int needed =
            label->fontMetrics().horizontalAdvance(text) + 2 * label->frameWidth() + 8;
        if (needed > label->minimumWidth()) label->setFixedWidth(needed);
    }
}
