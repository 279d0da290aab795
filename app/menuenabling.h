#pragma once
// The enabled state of a menu's items is computed by a handler each time the
// menu opens. While the menu is closed its items that have shortcuts stay
// enabled, so that their keys reach them; a key (like any other trigger) first
// runs the handler again and then the command, only if its item is still enabled.
#include <QObject>
#include <functional>

class QAction;
class QMenu;

class TMenuEnabling : public QObject {
    Q_OBJECT
public:
    TMenuEnabling(QMenu* menu, std::function<void()> compute);

    // Runs command as the item action would: compute first, nothing when disabled.
    void Trigger(QAction* action, const std::function<void()>& command);

    void Compute();
    // Computes and tells whether action is enabled, leaving shortcut items
    // usable while the menu is closed (for commands reached without the menu).
    bool Check(QAction* action);

private:
    void ReleaseShortcutItems();

    QMenu* menu_;
    std::function<void()> compute_;
};
