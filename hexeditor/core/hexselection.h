#pragma once
// The selection of the hex grid and its invariants: an anchor byte where
// selecting began (-1: no selection) and the inclusive range Low .. High.
// Every change goes through the operations below; the model repaints and
// posts around them.
#include <cstdint>

class THexSelection {
public:
    struct TRange {
        int32_t low = -1;
        int32_t high = -1;
    };

    int32_t Anchor() const { return anchor_; }
    int32_t Low() const { return low_; }
    int32_t High() const { return high_; }
    TRange Range() const { return {low_, high_}; }
    // 0 without a selection, and for an insert-mode selection brought back
    // below its anchor (it selects nothing; the anchor stays for extending).
    int32_t Count() const { return anchor_ == -1 || high_ < low_ ? 0 : high_ - low_ + 1; }
    bool Contains(int32_t position) const {
        return Count() > 0 && low_ <= position && position <= high_;
    }
    // The anchor when something is selected, else the caret's byte.
    int32_t Start(int32_t caretPosition) const { return Count() > 0 ? anchor_ : caretPosition; }
    // The end opposite the anchor when something is selected, else the caret's byte.
    int32_t End(int32_t caretPosition) const {
        if (Count() == 0) return caretPosition;
        return anchor_ == high_ ? low_ : high_;
    }

    // Caret moves extend the selection.
    bool Selecting() const { return selecting_; }
    void SetSelecting(bool value) { selecting_ = value; }

    // Nothing selected, not selecting; returns the range that was selected.
    TRange Clear() {
        const TRange old = Range();
        selecting_ = false;
        anchor_ = low_ = high_ = -1;
        return old;
    }
    // Exactly the bytes from anchor to other, both included, in either order.
    void Between(int32_t anchor, int32_t other) {
        anchor_ = anchor;
        low_ = anchor < other ? anchor : other;
        high_ = anchor < other ? other : anchor;
    }
    // count (> 0) bytes from start, anchored at start.
    void Run(int32_t start, int32_t count) {
        anchor_ = low_ = start;
        high_ = start + count - 1;
    }
    // Extends from the byte of the cell selecting began at toward the byte of
    // the cell reached. In insert mode the caret stands before its byte, so
    // the byte at the caret's side is left out. Returns the range before.
    TRange Extend(int32_t from, int32_t to, bool insertMode) {
        const TRange old = Range();
        if (anchor_ == -1) {
            anchor_ = from;
            if (insertMode) {
                if (to < anchor_)
                    --anchor_;
                else if (to > anchor_)
                    --to;
            }
            low_ = to < anchor_ ? to : anchor_;
            high_ = to < anchor_ ? anchor_ : to;
        } else if (anchor_ > to) {
            low_ = to;
            high_ = anchor_;
        } else {
            if (insertMode) --to;
            high_ = to;
            low_ = anchor_;
        }
        return old;
    }
    // The three values as an undo record saved them.
    void Restore(int32_t anchor, int32_t low, int32_t high) {
        anchor_ = anchor;
        low_ = low;
        high_ = high;
    }

private:
    int32_t anchor_ = -1;
    int32_t low_ = -1;
    int32_t high_ = -1;
    bool selecting_ = false;
};
