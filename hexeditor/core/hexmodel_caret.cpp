// Grid geometry, the caret and selection model, markers, and the display
// window the painter reads from.
#include "hexeditor/core/hexmodel_impl.h"

#include <algorithm>

namespace {
// One cell-acceptance guard for the whole program, shared by every document.
bool g_acceptanceBusy = false;

class TGuard {
public:
    TGuard() { g_acceptanceBusy = true; }
    ~TGuard() { g_acceptanceBusy = false; }
};

class TSuspendUpdates {
public:
    explicit TSuspendUpdates(IHexView* view) : view_(view) {
        if (view_) view_->SuspendUpdates(true);
    }
    ~TSuspendUpdates() {
        if (view_) view_->SuspendUpdates(false);
    }

private:
    IHexView* view_;
};
} // namespace

// ---- Geometry -----------------------------------------------------------------------

int THexModel::BytesPerLine() const {
    return d->bpl;
}
int THexModel::ColCount() const {
    return 3 * d->bpl + 3;
}
int THexModel::SeparatorColumn() const {
    return 2 * d->bpl + 2;
}

int32_t THexModel::RowCount() const {
    const int64_t size = DataSize();
    return size > 0 ? int32_t((size + d->bpl - 1) / d->bpl) : 1;
}

bool THexModel::IsHexColumn(int col) const {
    return col >= 2 && col <= 2 * d->bpl + 1;
}
bool THexModel::IsCharColumn(int col) const {
    return col >= 2 * d->bpl + 3 && col <= 3 * d->bpl + 2;
}

THexCellPosition THexModel::CellToPosition(int col, int32_t row) const {
    const int bpl = d->bpl;
    THexCellPosition out;
    out.charField = col > 2 * bpl + 2;
    const int64_t inRow = out.charField ? col - (2 * bpl + 3) : (col - 2) / 2;
    const int64_t p = int64_t(row) * bpl + inRow;
    out.position = int32_t(std::clamp<int64_t>(p, 0, kMaxDataSize));
    return out;
}

THexCell THexModel::PositionToCell(int32_t position, bool charField) const {
    if (position < 0) return THexCell{2, 0};
    const int bpl = d->bpl;
    const int inRow = position % bpl;
    return THexCell{charField ? 2 * bpl + 3 + inRow : 2 + 2 * inRow, position / bpl};
}

int THexModel::TwinColumn(int col) const {
    const int bpl = d->bpl;
    if (col > 2 * bpl + 2) return 2 + 2 * (col - (2 * bpl + 3));
    return 2 * bpl + 3 + (col - 2) / 2;
}

void THexModel::RecomputeGrid() {
    d->work.ForgetSize();
    if (d->marks.Length() > DataSize()) d->marks.Truncate(DataSize());
    DropDisplayWindow();
    if (d->view) d->view->GridChanged();
}

void THexModel::SetBytesPerLine(int value) {
    if (value < 1 || value > 256) throw EHexEditorError("Invalid BytesPerLine argument");
    if (value == d->bpl) return;
    TSuspendUpdates suspend(d->view);
    const int32_t anchor = d->selAnchor, low = d->selLow, high = d->selHigh;
    const int32_t p = CaretPosition();
    const bool charField = CaretInCharField();
    d->bpl = value;
    RecomputeGrid();
    const THexCell cell = PositionToCell(p, charField);
    MoveCaret(cell.col, cell.row);
    d->selAnchor = anchor;
    d->selLow = low;
    d->selHigh = high;
    Repaint();
}

// ---- Caret ---------------------------------------------------------------------------------

int THexModel::Col() const {
    return d->caret.col;
}
int32_t THexModel::Row() const {
    return d->caret.row;
}
THexCell THexModel::Caret() const {
    return d->caret;
}
int32_t THexModel::CaretPosition() const {
    return CellToPosition(d->caret.col, d->caret.row).position;
}

int32_t THexModel::CurrentPosition() const {
    return std::clamp(CaretPosition(), 0, std::max(0, DataSize() - 1));
}

bool THexModel::CaretInCharField() const {
    return d->caret.col > 2 * d->bpl + 2;
}
bool THexModel::InCharField() const {
    return DataSize() > 0 && CaretInCharField();
}

bool THexModel::InsertToggle() const {
    return d->insertToggle;
}
void THexModel::SetInsertToggle(bool value) {
    d->insertToggle = value;
}
bool THexModel::InsertMode() const {
    return d->insertToggle && d->allowInsertMode && !d->noSizeChange;
}

bool THexModel::Selecting() const {
    return d->selecting;
}
void THexModel::SetSelecting(bool value) {
    d->selecting = value;
}

void THexModel::PlaceCaret(int col, int32_t row) {
    const THexCell old = d->caret;
    d->caret = THexCell{col, row};
    if (d->view) {
        d->view->InvalidateCell(old.col, old.row);
        d->view->InvalidateCell(col, row);
        d->view->CaretMoved(col, row);
    }
}

void THexModel::MoveCaret(int col, int32_t row) {
    if (SelectCell(col, row)) PlaceCaret(col, row);
}

bool THexModel::SelectCell(int col, int32_t row) {
    // Fixed columns and cells outside the grid never hold the caret.
    if (col < 2 || col >= ColCount() || row < 0) return false;
    if (DataSize() <= 0) return col == 2 && row == 0;
    if (!g_acceptanceBusy) {
        TGuard guard;
        const bool shift = d->view && d->view->ShiftHeld();
        const bool left = d->view && d->view->LeftButtonHeld();
        if (!shift && !left) ClearSelection(true);
        if (CellToPosition(col, row).position >= DataSize()) {
            const THexCell last = PositionToCell(DataSize() - 1, CaretInCharField());
            MoveCaret(last.col, last.row);
            return false;
        }
        if (col == SeparatorColumn()) {
            if (left) MoveCaret(std::max(2, col - 1), row);
            return false;
        }
    }
    if (d->view) {
        d->view->InvalidateCell(TwinColumn(d->caret.col), d->caret.row);
        d->view->InvalidateCell(TwinColumn(col), row);
    }
    if (d->selecting)
        ExtendSelection(d->caret, THexCell{col, row});
    else
        ClearSelection(true);
    return true;
}

// ---- Selection --------------------------------------------------------------------------------

int32_t THexModel::SelLow() const {
    return d->selLow;
}
int32_t THexModel::SelHigh() const {
    return d->selHigh;
}
int32_t THexModel::SelAnchor() const {
    return d->selAnchor;
}

// In insert mode a selection brought back onto its anchor ends one below its
// start; it selects nothing, so it counts as no selection (its anchor stays
// for the next extension).
int32_t THexModel::SelCount() const {
    if (d->selAnchor == -1 || d->selHigh < d->selLow) return 0;
    return d->selHigh - d->selLow + 1;
}

bool THexModel::IsSelected(int32_t position) const {
    return SelCount() > 0 && d->selLow <= position && position <= d->selHigh;
}

int32_t THexModel::SelStart() const {
    return SelCount() > 0 ? d->selAnchor : CaretPosition();
}

int32_t THexModel::SelEnd() const {
    if (SelCount() == 0) return CaretPosition();
    return d->selAnchor == d->selHigh ? d->selLow : d->selHigh;
}

void THexModel::SetSelStart(int32_t position) {
    if (position < 0 || position >= DataSize()) throw EHexEditorError("Invalid SelStart");
    ClearSelection(true);
    const THexCell cell = PositionToCell(position, CaretInCharField());
    MoveCaret(cell.col, cell.row);
}

void THexModel::SetSelEnd(int32_t position) {
    if (position < 0 || position >= DataSize()) throw EHexEditorError("Invalid SelEnd");
    ClearSelection(true);
    // Exactly the bytes from the caret to position, also in insert mode, so
    // that SelEnd reads back what was written and "select all" takes all.
    const int32_t anchor = CaretPosition();
    d->selAnchor = anchor;
    d->selLow = std::min(anchor, position);
    d->selHigh = std::max(anchor, position);
    InvalidatePositions(d->selLow, d->selHigh);
    PostStateChanged();
}

void THexModel::InvalidatePositions(int32_t first, int32_t last) {
    if (!d->view || (first < 0 && last < 0)) return;
    first = std::max(first, 0);
    last = std::max(last, 0);
    if (first > last) std::swap(first, last);
    d->view->InvalidateRows(first / d->bpl, last / d->bpl);
}

void THexModel::InvalidateByte(int32_t position) {
    if (!d->view || position < 0) return;
    const THexCell hex = PositionToCell(position, false);
    d->view->InvalidateCell(hex.col, hex.row);
    d->view->InvalidateCell(hex.col + 1, hex.row);
    const THexCell chr = PositionToCell(position, true);
    d->view->InvalidateCell(chr.col, chr.row);
}

void THexModel::ExtendSelection(THexCell from, THexCell to) {
    int32_t g = CellToPosition(to.col, to.row).position;
    const int32_t oldLow = d->selLow, oldHigh = d->selHigh;
    if (d->selAnchor == -1) {
        d->selAnchor = CellToPosition(from.col, from.row).position;
        // In insert mode the caret stands before its byte.
        if (InsertMode()) {
            if (g < d->selAnchor)
                --d->selAnchor;
            else if (g > d->selAnchor)
                --g;
        }
        d->selLow = std::min(g, d->selAnchor);
        d->selHigh = std::max(g, d->selAnchor);
        InvalidatePositions(d->selLow, d->selHigh);
    } else {
        if (d->selAnchor > g) {
            d->selLow = g;
            d->selHigh = d->selAnchor;
        } else {
            if (InsertMode()) --g;
            d->selHigh = g;
            d->selLow = d->selAnchor;
        }
        InvalidatePositions(oldLow, d->selLow);
        InvalidatePositions(oldHigh, d->selHigh);
    }
    PostStateChanged();
}

void THexModel::ClearSelection(bool repaint) {
    d->selecting = false;
    const int32_t low = d->selLow, high = d->selHigh;
    d->selLow = d->selAnchor = d->selHigh = -1;
    if (repaint) InvalidatePositions(low, high);
    PostStateChanged();
}

bool THexModel::Seek(int32_t offset, int origin, bool strict) {
    int64_t t;
    switch (origin) {
    case 0:
        t = offset;
        break;
    case 1:
        t = int64_t(CurrentPosition()) + offset;
        break;
    case 2:
        t = int64_t(DataSize()) - 1 + offset;
        break;
    default:
        t = CurrentPosition();
        break;
    }
    if (DataSize() <= 0) return false;
    if (t < 0) {
        if (strict) return false;
        t = 0;
    }
    if (t >= DataSize()) {
        if (strict) return false;
        t = DataSize() - 1;
    }
    SetSelStart(int32_t(t));
    return true;
}

// ---- Markers ------------------------------------------------------------------------------------

void THexModel::SetMarker(int index, int32_t row) {
    if (index < 0 || index > 9) throw EHexEditorError("SetMarker : Invalid marker index");
    if (d->markers[size_t(index)] == row) return;
    d->markers[size_t(index)] = row;
    Repaint();
}

int32_t THexModel::GetMarker(int index) const {
    if (index < 0 || index > 9 || d->markers[size_t(index)] == -1) return d->caret.row;
    return d->markers[size_t(index)];
}

int THexModel::MarkerOnRow(int32_t row) const {
    if (row < 0) return -1;
    for (int i = 0; i < 10; ++i)
        if (d->markers[size_t(i)] == row) return i;
    return -1;
}

// ---- Display window ---------------------------------------------------------------------------

void THexModel::LoadDisplayWindow(int32_t rowStart) {
    const int64_t w = d->windowStart;
    if (w != -1 && w <= rowStart && int64_t(rowStart) + d->bpl <= w + kDisplayWindowSize) return;
    d->work.ForgetSize();
    const int32_t start = std::max(0, rowStart - kDisplayWindowSize / 2);
    const int32_t n =
        int32_t(std::clamp<int64_t>(int64_t(DataSize()) - start, 0, kDisplayWindowSize));
    d->work.Read(start, d->window.data(), n);
    d->windowStart = start;
    d->windowValid = n;
}

uint8_t THexModel::DisplayByte(int32_t position) const {
    const int64_t w = d->windowStart;
    if (w >= 0 && position >= w && position < w + d->windowValid)
        return d->window[size_t(position - w)];
    return ReadByte(position);
}

void THexModel::UpdateDisplayWindow(int32_t position, uint8_t value) {
    const int64_t w = d->windowStart;
    if (w != -1 && w <= position && position < w + kDisplayWindowSize) {
        d->window[size_t(position - w)] = value;
        d->windowValid = std::max<int32_t>(d->windowValid, int32_t(position - w + 1));
    }
}

void THexModel::DropDisplayWindow() {
    d->windowStart = -1;
}
int32_t THexModel::DisplayWindowStart() const {
    return d->windowStart;
}
