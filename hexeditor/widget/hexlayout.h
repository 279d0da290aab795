#pragma once
// Column widths, row height and cell geometry of the hex grid, computed from
// the font's metrics and the display settings. No widgets: the screen, tests
// and printing share it.
//
// The columns are THexGeometry's. The offset and marker columns are fixed at
// the left; the others scroll by whole columns (LeftCol is the first
// scrollable column shown). Rows scroll by whole rows (TopRow).
#include "hexeditor/core/hexdisplaytypes.h"
#include "hexeditor/core/hexgeometry.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

struct THexLayoutInput {
    int charWidth = 10; // width of "w"
    int rowHeight = 20; // height of "yY" + 2
    int bytesPerLine = 16;
    int nibblesPerGroup = 4;
    bool showMarkerColumn = true;
    TOffsetDisplayStyle offsetDisplay = odHex;
    int32_t rowCount = 1;
    int gridLineWidth = 0; // drawn right of every column and below every row
};

// Where a point falls: a cell (col, row), or outside the columns or rows.
struct THexHit {
    int col = -1;    // -1 left of the grid, ColCount() right of the last column
    int32_t row = 0; // may be below TopRow - 1 or beyond the last row
    bool aboveTop = false;
};

class THexLayout {
public:
    THexLayout();

    // Widths of every column and the row height.
    void Update(const THexLayoutInput& input);
    // Only the offset column, from the style and the start of the last row.
    void UpdateOffsetWidth(TOffsetDisplayStyle style, int32_t rowCount);

    const THexLayoutInput& Input() const { return in_; }
    int CharWidth() const { return in_.charWidth; }
    int RowHeight() const { return in_.rowHeight; }
    int RowPitch() const { return in_.rowHeight + in_.gridLineWidth; }
    const THexGeometry& Geometry() const { return geometry_; }
    int BytesPerLine() const { return in_.bytesPerLine; }
    int NibblesPerGroup() const { return in_.nibblesPerGroup; }
    int ColCount() const { return geometry_.ColCount(); }
    int SeparatorColumn() const { return geometry_.SeparatorColumn(); }
    int FirstCharColumn() const { return geometry_.FirstCharColumn(); }
    int OffsetChars() const { return offsetChars_; }
    TOffsetDisplayStyle OffsetDisplay() const { return in_.offsetDisplay; }

    int ColWidth(int col) const;
    // Left edge of a column with nothing scrolled (column 0 at 0).
    int ColStart(int col) const;
    int FixedWidth() const { return ColStart(THexGeometry::kFixedCols); }
    int TotalWidth() const { return ColStart(ColCount()); }
    // Group of a hex cell within its row (0 = first BytesPerColumn bytes).
    int GroupOfColumn(int col) const {
        return (col - THexGeometry::kFirstHexColumn) / in_.nibblesPerGroup;
    }

    // The offset column's text for a row starting at rowStart.
    QString OffsetText(int32_t rowStart, char separator) const;
    // Its text when the document is empty.
    QString EmptyOffsetText(char separator) const;

    // ---- On screen, with the view scrolled to (topRow, leftCol) ----------------
    // Left edge of a column on screen; scrollable columns left of leftCol lie
    // under the fixed columns and are not shown.
    int ColumnX(int col, int leftCol) const;
    bool ColumnShown(int col, int leftCol) const;
    // Top of a row on screen, 64-bit: rows far from topRow are far off screen.
    int64_t RowY(int32_t row, int32_t topRow) const;
    // The cell's rectangle on screen; a null rectangle when it cannot be shown.
    QRect CellRect(int col, int32_t row, int32_t topRow, int leftCol) const;
    THexHit HitTest(QPoint point, int32_t topRow, int leftCol) const;

    // Rows wholly inside a viewport of that height, at least 1.
    int FullyVisibleRows(int viewportHeight) const;
    // Scrollable columns wholly inside the viewport from leftCol on, at least 1.
    int FullyVisibleCols(int viewportWidth, int leftCol) const;
    // Last column wholly inside the viewport (at least leftCol).
    int LastVisibleCol(int viewportWidth, int leftCol) const;
    // The smallest leftCol that still shows the last column wholly.
    int MaxLeftCol(int viewportWidth) const;
    // leftCol that brings col wholly into view, moving as little as possible.
    int LeftColShowing(int col, int leftCol, int viewportWidth) const;

    // The filled part of the caret at a cell's top-left corner.
    QRect CaretRect(TCaretStyle style, QPoint topLeft) const;

private:
    void Rebuild();

    THexLayoutInput in_;
    THexGeometry geometry_;
    int offsetChars_ = 0;
    std::vector<int> widths_;
    std::vector<int> starts_; // ColCount() + 1 entries
};
