#include "hexeditor/widget/hexlayout.h"

#include "hexeditor/core/offsettext.h"

#include <algorithm>
#include <limits>

namespace {
// Rows this far from the top are off any screen; their cells have no rectangle.
constexpr int64_t kFarRows = int64_t(1) << 20;

QString Latin(const std::string& s, char separator) {
    QString out = QString::fromLatin1(s.data(), qsizetype(s.size()));
    out += QChar(uchar(separator));
    return out;
}
} // namespace

THexLayout::THexLayout() {
    Update(in_);
}

void THexLayout::Update(const THexLayoutInput& input) {
    in_ = input;
    in_.bytesPerLine = std::clamp(in_.bytesPerLine, 1, 256);
    in_.nibblesPerGroup = std::max(2, in_.nibblesPerGroup);
    in_.charWidth = std::max(1, in_.charWidth);
    in_.rowHeight = std::max(3, in_.rowHeight);
    in_.rowCount = std::max(1, in_.rowCount);
    in_.gridLineWidth = std::max(0, in_.gridLineWidth);
    geometry_ = THexGeometry(in_.bytesPerLine);
    offsetChars_ =
        OffsetColumnChars(in_.offsetDisplay, int64_t(in_.rowCount - 1) * in_.bytesPerLine);
    Rebuild();
}

void THexLayout::UpdateOffsetWidth(TOffsetDisplayStyle style, int32_t rowCount) {
    in_.offsetDisplay = style;
    in_.rowCount = std::max(1, rowCount);
    offsetChars_ = OffsetColumnChars(style, int64_t(in_.rowCount - 1) * in_.bytesPerLine);
    Rebuild();
}

void THexLayout::Rebuild() {
    const int cw = in_.charWidth;
    const int count = ColCount();
    widths_.assign(size_t(count), cw);
    widths_[THexGeometry::kOffsetColumn] = offsetChars_ * cw;
    widths_[THexGeometry::kMarkerColumn] = in_.showMarkerColumn ? cw : 0;
    // The last cell of every group is twice as wide: a blank follows each group.
    for (int c = geometry_.FirstHexColumn(); c <= geometry_.LastHexColumn(); ++c) {
        const int inGroup = (c - geometry_.FirstHexColumn()) % in_.nibblesPerGroup;
        widths_[size_t(c)] = inGroup == in_.nibblesPerGroup - 1 ? 2 * cw : cw;
    }
    starts_.assign(size_t(count) + 1, 0);
    for (int c = 0; c < count; ++c) {
        const int w = widths_[size_t(c)];
        starts_[size_t(c) + 1] = starts_[size_t(c)] + w + (w > 0 ? in_.gridLineWidth : 0);
    }
}

int THexLayout::ColWidth(int col) const {
    if (col < 0 || col >= ColCount()) return 0;
    return widths_[size_t(col)];
}

int THexLayout::ColStart(int col) const {
    col = std::clamp(col, 0, ColCount());
    return starts_[size_t(col)];
}

QString THexLayout::OffsetText(int32_t rowStart, char separator) const {
    if (in_.offsetDisplay == odNone) return QStringLiteral(" ");
    return Latin(OffsetNumberText(in_.offsetDisplay, rowStart, offsetChars_), separator);
}

QString THexLayout::EmptyOffsetText(char separator) const {
    switch (in_.offsetDisplay) {
    case odHex:
        return Latin("0x0", separator);
    case odDec:
        return Latin("0", separator);
    case odOctal:
        return Latin("o 0", separator);
    case odNone:
    default:
        return QStringLiteral("   ");
    }
}

int THexLayout::ColumnX(int col, int leftCol) const {
    if (col < THexGeometry::kFixedCols) return ColStart(col);
    return FixedWidth() + ColStart(col) - ColStart(leftCol);
}

bool THexLayout::ColumnShown(int col, int leftCol) const {
    if (col < 0 || col >= ColCount() || widths_[size_t(col)] == 0) return false;
    return geometry_.IsFixedColumn(col) || col >= leftCol;
}

int64_t THexLayout::RowY(int32_t row, int32_t topRow) const {
    return (int64_t(row) - topRow) * RowPitch();
}

QRect THexLayout::CellRect(int col, int32_t row, int32_t topRow, int leftCol) const {
    if (!ColumnShown(col, leftCol)) return QRect();
    const int64_t rows = int64_t(row) - topRow;
    if (rows < -kFarRows || rows > kFarRows) return QRect();
    return QRect(ColumnX(col, leftCol), int(rows * RowPitch()), widths_[size_t(col)],
                 in_.rowHeight);
}

THexHit THexLayout::HitTest(QPoint point, int32_t topRow, int leftCol) const {
    THexHit hit;
    const int64_t pitch = RowPitch();
    const int64_t y = point.y();
    const int64_t rows = y >= 0 ? y / pitch : -((-y + pitch - 1) / pitch);
    hit.row = int32_t(std::clamp<int64_t>(topRow + rows, std::numeric_limits<int32_t>::min(),
                                          std::numeric_limits<int32_t>::max()));
    hit.aboveTop = y < 0;
    const int x = point.x();
    if (x < 0) {
        hit.col = -1;
    } else if (x < FixedWidth()) {
        hit.col = x < ColStart(THexGeometry::kMarkerColumn) ? THexGeometry::kOffsetColumn
                                                            : THexGeometry::kMarkerColumn;
    } else {
        const int64_t ax = int64_t(x) - FixedWidth() + ColStart(leftCol);
        if (ax >= TotalWidth()) {
            hit.col = ColCount();
        } else {
            const auto it = std::upper_bound(starts_.begin(), starts_.end(), int(ax));
            hit.col = std::max(THexGeometry::kFixedCols, int(it - starts_.begin()) - 1);
        }
    }
    return hit;
}

int THexLayout::FullyVisibleRows(int viewportHeight) const {
    return std::max(1, (viewportHeight + in_.gridLineWidth) / RowPitch());
}

int THexLayout::LastVisibleCol(int viewportWidth, int leftCol) const {
    int last = leftCol;
    for (int c = leftCol; c < ColCount(); ++c) {
        if (ColumnX(c, leftCol) + widths_[size_t(c)] > viewportWidth) break;
        last = c;
    }
    return last;
}

int THexLayout::FullyVisibleCols(int viewportWidth, int leftCol) const {
    int n = 0;
    for (int c = leftCol; c < ColCount(); ++c) {
        if (ColumnX(c, leftCol) + widths_[size_t(c)] > viewportWidth) break;
        ++n;
    }
    return std::max(1, n);
}

int THexLayout::MaxLeftCol(int viewportWidth) const {
    const int first = THexGeometry::kFixedCols;
    int left = ColCount() - 1;
    while (left > first && FixedWidth() + TotalWidth() - ColStart(left - 1) <= viewportWidth)
        --left;
    return std::max(first, left);
}

int THexLayout::LeftColShowing(int col, int leftCol, int viewportWidth) const {
    if (col < THexGeometry::kFixedCols) return leftCol;
    if (col < leftCol) return col;
    while (leftCol < col && LastVisibleCol(viewportWidth, leftCol) < col)
        ++leftCol;
    return leftCol;
}

QRect THexLayout::CaretRect(TCaretStyle style, QPoint topLeft) const {
    const int cw = in_.charWidth;
    const int h = in_.rowHeight - 2;
    switch (style) {
    case csLeftLine:
        return QRect(topLeft.x(), topLeft.y(), 2, h);
    case csBottomLine:
        return QRect(topLeft.x(), topLeft.y() + h - 2, cw, 2);
    case csFull:
    default:
        return QRect(topLeft.x(), topLeft.y(), cw, h);
    }
}
