#include "hexeditor/widget/hexkeyboard.h"

#include "hexeditor/core/hexmodel.h"
#include "hexeditor/core/hexnavigation.h"
#include "hexeditor/widget/hexgrid.h"

#include <algorithm>

namespace {
constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr int kFirstScrollable = THexGeometry::kFixedCols;
} // namespace

THexKeyboard::THexKeyboard(THexModel& model, IHexGrid& grid) : model_(model), grid_(grid) {}

int THexKeyboard::DigitOfKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return key - Qt::Key_0;
    // With Shift held the layout reports the digit keys' symbols.
    switch (key) {
    case Qt::Key_Exclam:
        return 1;
    case Qt::Key_At:
        return 2;
    case Qt::Key_NumberSign:
        return 3;
    case Qt::Key_Dollar:
        return 4;
    case Qt::Key_Percent:
        return 5;
    case Qt::Key_AsciiCircum:
        return 6;
    case Qt::Key_Ampersand:
        return 7;
    case Qt::Key_Asterisk:
        return 8;
    case Qt::Key_ParenLeft:
        return 9;
    case Qt::Key_ParenRight:
        return 0;
    default:
        return -1;
    }
}

bool THexKeyboard::KeyPress(int key, Qt::KeyboardModifiers modifiers, const THostKeyDown& host) {
    if (InsertKey(key)) return true;
    const int received = key;
    bool consumed = BackspaceKey(key);
    consumed = DeleteKey(key, modifiers) || consumed;
    if (Navigate(received, modifiers) || consumed) return true;
    if (host) {
        host(key, modifiers);
        if (key == 0) return true;
    }
    StandardKey(key, modifiers);
    return false;
}

void THexKeyboard::KeyRelease(int key) {
    altReleased_ = key == Qt::Key_Alt;
}

bool THexKeyboard::InsertKey(int key) {
    if (key != Qt::Key_Insert) return false;
    model_.SetInsertToggle(!model_.InsertToggle());
    grid_.InsertToggled();
    model_.TruncateChangedMarks(0);
    model_.Repaint();
    model_.PostStateChanged();
    return true;
}

bool THexKeyboard::BackspaceKey(int& key) {
    if (key != Qt::Key_Backspace) return false;
    if (!model_.InsertMode()) {
        key = Qt::Key_Left; // the grid's own Left follows
        return false;
    }
    key = 0;
    if (model_.SelCount() > 0) model_.DeleteSelection();
    model_.DeleteAtCaret(true);
    return true;
}

bool THexKeyboard::DeleteKey(int& key, Qt::KeyboardModifiers modifiers) {
    if (key != Qt::Key_Delete) return false;
    key = 0;
    if (modifiers == Qt::ControlModifier || (model_.SelCount() > 0 && model_.InsertMode()))
        model_.DeleteSelection();
    else if (model_.InsertMode())
        model_.DeleteAtCaret(false);
    return true;
}

bool THexKeyboard::Navigate(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers == kNone && key != Qt::Key_Shift && !model_.InsertMode())
        model_.ClearSelection(true);
    const bool ctrl = modifiers & Qt::ControlModifier;
    return PageKeys(key, ctrl) || HomeEndKeys(key, ctrl) || ArrowKeys(key, ctrl) ||
           FieldSwitchKeys(key, modifiers) || MarkerKeys(key, modifiers) ||
           ShiftKey(key, modifiers);
}

bool THexKeyboard::PageKeys(int key, bool ctrl) {
    if (key != Qt::Key_PageUp && key != Qt::Key_PageDown) return false;
    const int64_t n = grid_.VisibleRows();
    const int64_t top = grid_.TopRow();
    const int64_t rows = model_.RowCount();
    const int64_t row = model_.Row();
    if (key == Qt::Key_PageUp) {
        if (ctrl) {
            model_.MoveCaret(model_.Col(), int32_t(top));
        } else {
            const int64_t r = std::max<int64_t>(0, row - n + 1);
            grid_.SetTopRow(int32_t(std::max<int64_t>(0, top - n + 1)));
            model_.MoveCaret(model_.Col(), int32_t(r));
        }
    } else if (ctrl) {
        model_.MoveCaret(model_.Col(), int32_t(std::min(rows - 1, top + n - 1)));
    } else {
        const int64_t r = std::min(rows - 1, row + n - 1);
        grid_.SetTopRow(int32_t(std::min(std::max<int64_t>(0, rows - n), top + n - 1)));
        model_.MoveCaret(model_.Col(), int32_t(r));
    }
    return true;
}

bool THexKeyboard::HomeEndKeys(int key, bool ctrl) {
    if (key == Qt::Key_Home) {
        hexnav::Home(model_, ctrl);
        return true;
    }
    if (key == Qt::Key_End) {
        hexnav::End(model_, ctrl);
        return true;
    }
    return false;
}

bool THexKeyboard::ArrowKeys(int key, bool ctrl) {
    switch (key) {
    case Qt::Key_Left:
        if (ctrl) return false;
        hexnav::Left(model_);
        return true;
    case Qt::Key_Right:
        if (ctrl)
            model_.MoveCaret(model_.ColCount() - 1, model_.Row());
        else
            hexnav::Right(model_);
        return true;
    case Qt::Key_Down:
        if (ctrl) return false;
        hexnav::Down(model_);
        return true;
    case Qt::Key_Up:
        if (ctrl) return false;
        hexnav::Up(model_);
        return true;
    default:
        return false;
    }
}

bool THexKeyboard::FieldSwitchKeys(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrlT = key == Qt::Key_T && (modifiers & Qt::ControlModifier);
    const bool tab = (key == Qt::Key_Tab || key == Qt::Key_Backtab) &&
                     (modifiers == kNone || modifiers == Qt::ShiftModifier);
    if (!ctrlT && !tab) return false;
    hexnav::SwitchField(model_);
    return true;
}

bool THexKeyboard::MarkerKeys(int key, Qt::KeyboardModifiers modifiers) {
    const int digit = DigitOfKey(key);
    if (digit < 0) return false;
    if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
        model_.SetMarker(digit, model_.Row());
        return true;
    }
    if (modifiers != Qt::ControlModifier) return false;
    model_.ClearSelection(true);
    const int32_t r = model_.GetMarker(digit);
    if (r < model_.RowCount())
        model_.MoveCaret(THexGeometry::kFirstHexColumn, r);
    else
        model_.SetMarker(digit, -1); // its row is gone: forget the marker
    return true;
}

bool THexKeyboard::ShiftKey(int key, Qt::KeyboardModifiers modifiers) {
    // Platforms differ in whether the Shift press itself carries the Shift flag.
    if (key != Qt::Key_Shift || (modifiers & ~Qt::KeyboardModifiers(Qt::ShiftModifier)))
        return false;
    if (!model_.Selecting()) model_.ClearSelection(true);
    model_.SetSelecting(true);
    return true;
}

void THexKeyboard::StandardKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (key == Qt::Key_Left && !ctrl) {
        // One cell left, never into the fixed columns, never wrapping, and
        // never onto the separator (which on a short row would count as past
        // the data and throw the caret to the last byte).
        const THexGeometry& g = model_.Geometry();
        const int col = model_.Col() - 1;
        if (col >= g.FirstHexColumn() && col != g.SeparatorColumn())
            model_.MoveCaret(col, model_.Row());
    } else if (key == Qt::Key_Left && ctrl) {
        const int k = std::max(1, grid_.VisibleCols() - 1);
        grid_.SetLeftCol(std::max(kFirstScrollable, grid_.LeftCol() - k));
        model_.MoveCaret(std::max(THexGeometry::kFirstHexColumn, model_.Col() - k), model_.Row());
    } else if (key == Qt::Key_Up && ctrl) {
        grid_.SetTopRow(grid_.TopRow() - 1);
    } else if (key == Qt::Key_Down && ctrl) {
        grid_.SetTopRow(int32_t(std::min<int64_t>(int64_t(grid_.TopRow()) + 1, INT32_MAX)));
    }
}
