#pragma once
// What the hex engine asks of whatever shows it. The grid widget implements
// this; tests use a recording implementation. Cells are grid cells (column,
// row) as the engine's geometry defines them.
#include <cstdint>

class IHexView {
public:
    virtual ~IHexView() = default;

    virtual void InvalidateCell(int col, int32_t row) = 0;
    // Scrollable columns (the hex field onwards) of rows firstRow .. lastRow.
    virtual void InvalidateRows(int32_t firstRow, int32_t lastRow) = 0;
    virtual void InvalidateAll() = 0;
    // Row or column count or bytes per line changed: lay the grid out again.
    virtual void GridChanged() = 0;
    // The caret cell changed: scroll it into view and put the caret there.
    virtual void CaretMoved(int col, int32_t row) = 0;
    // Busy cursor around long operations; calls nest and always pair.
    virtual void BeginBusy() = 0;
    virtual void EndBusy() = 0;
    // Screen updates held back while the layout changes under the caret.
    virtual void SuspendUpdates(bool /*suspend*/) {}
};
