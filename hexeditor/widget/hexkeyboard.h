#pragma once
// Key presses and releases of the hex grid. Each handler says whether it took
// the key; what none of them takes goes to the host's key-down handler and
// then to the grid's standard handling.
#include <Qt>
#include <functional>

class THexModel;
class IHexGrid;

class THexKeyboard {
public:
    // The host's key-down handler: setting key to 0 marks it handled.
    using THostKeyDown = std::function<void(int& key, Qt::KeyboardModifiers modifiers)>;

    THexKeyboard(THexModel& model, IHexGrid& grid);

    // A key press (Qt key code, modifiers Shift, Ctrl, Alt). Returns true when
    // the key was consumed, by the control or by the host.
    bool KeyPress(int key, Qt::KeyboardModifiers modifiers, const THostKeyDown& host);
    // A key release: remembers whether it was Alt.
    void KeyRelease(int key);

    // The last key released was Alt: the next character is taken as its OEM code.
    bool AltReleased() const { return altReleased_; }
    void SetAltReleased(bool value) { altReleased_ = value; }

    // The digit 0 ... 9 of a key, also of the shifted digit keys, else -1.
    static int DigitOfKey(int key);

private:
    bool InsertKey(int key);
    bool BackspaceKey(int& key);
    bool DeleteKey(int& key, Qt::KeyboardModifiers modifiers);
    // The navigation map: the keys below, in this order.
    bool Navigate(int key, Qt::KeyboardModifiers modifiers);
    bool PageKeys(int key, bool ctrl);
    bool HomeEndKeys(int key, bool ctrl);
    bool ArrowKeys(int key, bool ctrl);
    bool FieldSwitchKeys(int key, Qt::KeyboardModifiers modifiers);
    bool MarkerKeys(int key, Qt::KeyboardModifiers modifiers);
    bool ShiftKey(int key, Qt::KeyboardModifiers modifiers);
    // What the grid itself does with a key nobody took.
    void StandardKey(int key, Qt::KeyboardModifiers modifiers);

    THexModel& model_;
    IHexGrid& grid_;
    bool altReleased_ = false;
};
