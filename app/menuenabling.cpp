#include "app/menuenabling.h"

#include <QAction>
#include <QMenu>

TMenuEnabling::TMenuEnabling(QMenu* menu, std::function<void()> compute)
    : QObject(menu), menu_(menu), compute_(std::move(compute)) {
    connect(menu_, &QMenu::aboutToShow, this, [this] { Compute(); });
    connect(menu_, &QMenu::aboutToHide, this, [this] { ReleaseShortcutItems(); });
}

void TMenuEnabling::Compute() {
    if (compute_) compute_();
}

void TMenuEnabling::ReleaseShortcutItems() {
    for (QAction* a : menu_->actions())
        if (!a->shortcut().isEmpty()) a->setEnabled(true);
}

void TMenuEnabling::Trigger(QAction* action, const std::function<void()>& command) {
    Compute();
    const bool enabled = action->isEnabled();
    if (!menu_->isVisible()) ReleaseShortcutItems();
    if (enabled) command();
}

bool TMenuEnabling::Check(QAction* action) {
    Compute();
    const bool enabled = action->isEnabled();
    if (!menu_->isVisible()) ReleaseShortcutItems();
    return enabled;
}
