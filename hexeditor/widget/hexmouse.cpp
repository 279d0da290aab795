#include "hexeditor/widget/hexmouse.h"

#include "hexeditor/core/hexmodel.h"
#include "hexeditor/widget/hexgrid.h"

#include <algorithm>

THexMouse::THexMouse(THexModel& model, IHexGrid& grid) : model_(model), grid_(grid) {
    timer_.setInterval(kScrollIntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
}

bool THexMouse::InCells(QPoint point, int& col, int32_t& row) const {
    const QSize size = grid_.ViewportSize();
    if (point.x() < grid_.FixedWidth() || point.x() >= size.width() || point.y() < 0 ||
        point.y() >= size.height())
        return false;
    const THexHit hit = grid_.HitTest(point);
    const THexGeometry& g = model_.Geometry();
    if (hit.col < g.FirstHexColumn() || hit.col >= g.ColCount() || hit.row < 0 ||
        hit.row >= model_.RowCount())
        return false;
    col = hit.col;
    row = hit.row;
    return true;
}

void THexMouse::Press(Qt::MouseButton button, QPoint point, bool doubleClick) {
    if (button != Qt::LeftButton) return;
    leftHeld_ = true;
    model_.SetLeftButtonHeld(true);
    pointer_ = point;
    int col;
    int32_t row;
    if (InCells(point, col, row)) {
        if (doubleClick) {
            if (OnDoubleClick) OnDoubleClick();
        } else {
            dragging_ = true;
            lastCol_ = col;
            lastRow_ = row;
            timer_.start();
            model_.MoveCaret(col, row);
        }
    }
    model_.ClearSelection(true);
    if (!doubleClick) model_.SetSelecting(true);
}

void THexMouse::Move(QPoint point) {
    pointer_ = point;
    if (!dragging_ || !leftHeld_) return;
    int col;
    int32_t row;
    if (!InCells(point, col, row) || (col == lastCol_ && row == lastRow_)) return;
    lastCol_ = col;
    lastRow_ = row;
    model_.MoveCaret(col, row);
}

void THexMouse::Tick() {
    if (!dragging_ || !leftHeld_) return;
    const QSize size = grid_.ViewportSize();
    const int dy = pointer_.y() < 0 ? -1 : pointer_.y() >= size.height() ? 1 : 0;
    const int dx = pointer_.x() < grid_.FixedWidth() ? -1 : pointer_.x() >= size.width() ? 1 : 0;
    if (dx == 0 && dy == 0) return;
    if (dy != 0)
        grid_.SetTopRow(int32_t(std::clamp<int64_t>(int64_t(grid_.TopRow()) + dy, 0, INT32_MAX)));
    if (dx != 0) grid_.SetLeftCol(std::max(THexGeometry::kFixedCols, grid_.LeftCol() + dx));
    // The cell under the pointer, pulled into the part of the grid in view.
    const THexHit hit = grid_.HitTest(pointer_);
    const int64_t top = grid_.TopRow();
    const int64_t bottom = std::min<int64_t>(top + grid_.VisibleRows() - 1, model_.RowCount() - 1);
    const int32_t row = int32_t(std::clamp<int64_t>(hit.row, top, std::max(top, bottom)));
    const int left = grid_.LeftCol();
    const int right = std::min(model_.ColCount() - 1, left + grid_.VisibleCols() - 1);
    const int col = std::clamp(hit.col, left, std::max(left, right));
    lastCol_ = col;
    lastRow_ = row;
    model_.MoveCaret(col, row);
}

void THexMouse::EndDrag() {
    dragging_ = false;
    timer_.stop();
}

void THexMouse::Release(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    EndDrag();
    leftHeld_ = false;
    model_.SetLeftButtonHeld(false);
}
