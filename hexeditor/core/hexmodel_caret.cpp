// The caret and selection model of the grid, and the row markers. The
// column rules are THexGeometry's; the selection's are THexSelection's.
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

const THexGeometry& THexModel::Geometry() const {
    return d->geometry;
}
int THexModel::BytesPerLine() const {
    return d->geometry.BytesPerLine();
}
int THexModel::ColCount() const {
    return d->geometry.ColCount();
}
int THexModel::SeparatorColumn() const {
    return d->geometry.SeparatorColumn();
}
int32_t THexModel::RowCount() const {
    return d->geometry.RowCount(DataSize());
}
bool THexModel::IsHexColumn(int col) const {
    return d->geometry.IsHexColumn(col);
}
bool THexModel::IsCharColumn(int col) const {
    return d->geometry.IsCharColumn(col);
}
THexCellPosition THexModel::CellToPosition(int col, int32_t row) const {
    return d->geometry.CellToPosition(col, row);
}
THexCell THexModel::PositionToCell(int32_t position, bool charField) const {
    return d->geometry.PositionToCell(position, charField);
}
int THexModel::TwinColumn(int col) const {
    return d->geometry.TwinColumn(col);
}

void THexModel::RecomputeGrid() {
    d->work.ForgetSize();
    if (d->marks.Length() > DataSize()) d->marks.Truncate(DataSize());
    if (d->view) d->view->GridChanged();
}

void THexModel::SetBytesPerLine(int value) {
    if (value < 1 || value > 256) throw EHexEditorError("Invalid BytesPerLine argument");
    if (value == BytesPerLine()) return;
    TSuspendUpdates suspend(d->view);
    const THexSelection kept = d->sel;
    const int32_t p = CaretPosition();
    const bool charField = CaretInCharField();
    d->geometry = THexGeometry(value);
    RecomputeGrid();
    const THexCell cell = PositionToCell(p, charField);
    MoveCaret(cell.col, cell.row);
    d->sel.Restore(kept.Anchor(), kept.Low(), kept.High());
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
    return d->geometry.InCharField(d->caret.col);
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
    return d->sel.Selecting();
}
void THexModel::SetSelecting(bool value) {
    d->sel.SetSelecting(value);
}

void THexModel::SetShiftHeld(bool held) {
    d->shiftHeld = held;
}
void THexModel::SetLeftButtonHeld(bool held) {
    d->leftButtonHeld = held;
}
bool THexModel::ShiftHeld() const {
    return d->shiftHeld;
}
bool THexModel::LeftButtonHeld() const {
    return d->leftButtonHeld;
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
    const THexGeometry& g = d->geometry;
    // Fixed columns and cells outside the grid never hold the caret.
    if (col < g.FirstHexColumn() || col >= g.ColCount() || row < 0) return false;
    if (DataSize() <= 0) return THexCell{col, row} == THexCell{};
    if (!g_acceptanceBusy) {
        TGuard guard;
        const bool left = d->leftButtonHeld;
        if (!d->shiftHeld && !left) ClearSelection(true);
        if (CellToPosition(col, row).position >= DataSize()) {
            const THexCell last = PositionToCell(DataSize() - 1, CaretInCharField());
            MoveCaret(last.col, last.row);
            return false;
        }
        if (col == g.SeparatorColumn()) {
            if (left) MoveCaret(std::max(g.FirstHexColumn(), col - 1), row);
            return false;
        }
    }
    if (d->view) {
        d->view->InvalidateCell(TwinColumn(d->caret.col), d->caret.row);
        d->view->InvalidateCell(TwinColumn(col), row);
    }
    if (d->sel.Selecting())
        ExtendSelection(d->caret, THexCell{col, row});
    else
        ClearSelection(true);
    return true;
}

// ---- Selection --------------------------------------------------------------------------------

int32_t THexModel::SelLow() const {
    return d->sel.Low();
}
int32_t THexModel::SelHigh() const {
    return d->sel.High();
}
int32_t THexModel::SelAnchor() const {
    return d->sel.Anchor();
}
int32_t THexModel::SelCount() const {
    return d->sel.Count();
}
bool THexModel::IsSelected(int32_t position) const {
    return d->sel.Contains(position);
}
int32_t THexModel::SelStart() const {
    return d->sel.Start(CaretPosition());
}
int32_t THexModel::SelEnd() const {
    return d->sel.End(CaretPosition());
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
    d->sel.Between(CaretPosition(), position);
    InvalidatePositions(d->sel.Low(), d->sel.High());
    PostStateChanged();
}

void THexModel::InvalidatePositions(int32_t first, int32_t last) {
    if (!d->view || (first < 0 && last < 0)) return;
    first = std::max(first, 0);
    last = std::max(last, 0);
    if (first > last) std::swap(first, last);
    const int bpl = BytesPerLine();
    d->view->InvalidateRows(first / bpl, last / bpl);
}

void THexModel::InvalidateByte(int32_t position) {
    if (!d->view || position < 0) return;
    for (int nibble : {0, 1}) {
        const THexCell hex = d->geometry.HexCell(position, nibble);
        d->view->InvalidateCell(hex.col, hex.row);
    }
    const THexCell chr = PositionToCell(position, true);
    d->view->InvalidateCell(chr.col, chr.row);
}

void THexModel::ExtendSelection(THexCell from, THexCell to) {
    const bool started = d->sel.Anchor() == -1;
    const THexSelection::TRange old =
        d->sel.Extend(CellToPosition(from.col, from.row).position,
                      CellToPosition(to.col, to.row).position, InsertMode());
    if (started) {
        InvalidatePositions(d->sel.Low(), d->sel.High());
    } else {
        InvalidatePositions(old.low, d->sel.Low());
        InvalidatePositions(old.high, d->sel.High());
    }
    PostStateChanged();
}

void THexModel::ClearSelection(bool repaint) {
    const THexSelection::TRange old = d->sel.Clear();
    if (repaint) InvalidatePositions(old.low, old.high);
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
