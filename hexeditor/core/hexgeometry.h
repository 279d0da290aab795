#pragma once
// The one place that knows how the hex grid's columns map to bytes. With BPL
// bytes a line the grid has 3*BPL + 3 columns:
//
//   0                    offset column (fixed, never holds the caret)
//   1                    marker column (fixed, never holds the caret)
//   2 .. 2*BPL+1         hex field: byte i of a row in columns 2+2i and 3+2i
//   2*BPL+2              separator (blank, never holds the caret)
//   2*BPL+3 .. 3*BPL+2   character field: byte i of a row in column 2*BPL+3+i
//
// Row r holds the bytes r*BPL .. r*BPL+BPL-1. The model, the layout, the
// renderer, the keyboard, the mouse and printing all ask this type.
#include <algorithm>
#include <cstdint>
#include <limits>

// A grid cell.
struct THexCell {
    int col = 2; // the first hex column
    int32_t row = 0;
    friend bool operator==(const THexCell&, const THexCell&) = default;
};

// The byte a cell shows and the field it lies in.
struct THexCellPosition {
    int32_t position = 0;
    bool charField = false;
};

class THexGeometry {
public:
    static constexpr int kOffsetColumn = 0;
    static constexpr int kMarkerColumn = 1;
    static constexpr int kFixedCols = 2;
    static constexpr int kFirstHexColumn = 2;

    constexpr explicit THexGeometry(int bytesPerLine = 16) : bpl_(std::max(1, bytesPerLine)) {}

    constexpr int BytesPerLine() const { return bpl_; }
    constexpr int FirstHexColumn() const { return kFirstHexColumn; }
    constexpr int LastHexColumn() const { return 2 * bpl_ + 1; }
    constexpr int SeparatorColumn() const { return 2 * bpl_ + 2; }
    constexpr int FirstCharColumn() const { return 2 * bpl_ + 3; }
    constexpr int LastCharColumn() const { return 3 * bpl_ + 2; }
    constexpr int ColCount() const { return 3 * bpl_ + 3; }

    constexpr bool IsFixedColumn(int col) const { return col >= 0 && col < kFixedCols; }
    constexpr bool IsHexColumn(int col) const {
        return col >= kFirstHexColumn && col <= LastHexColumn();
    }
    constexpr bool IsCharColumn(int col) const {
        return col >= FirstCharColumn() && col <= LastCharColumn();
    }
    // Right of the separator counts as the character field (also beyond the grid).
    constexpr bool InCharField(int col) const { return col > SeparatorColumn(); }
    // 0 for the first cell of a byte in the hex field, 1 for its second.
    constexpr int NibbleOfColumn(int col) const { return (col - kFirstHexColumn) % 2; }
    // Index within its row of the byte a hex or character column shows.
    constexpr int ByteInRow(int col) const {
        return InCharField(col) ? col - FirstCharColumn() : (col - kFirstHexColumn) / 2;
    }

    // Rows of a document of that size: at least 1.
    constexpr int32_t RowCount(int64_t dataSize) const {
        return dataSize > 0 ? int32_t((dataSize + bpl_ - 1) / bpl_) : 1;
    }
    // The first byte of a row (64-bit: rows past the data may lie beyond 2 GiB).
    constexpr int64_t RowStart(int32_t row) const { return int64_t(row) * bpl_; }

    // The byte a cell shows, clamped to 0 .. INT32_MAX, and its field.
    constexpr THexCellPosition CellToPosition(int col, int32_t row) const {
        THexCellPosition out;
        out.charField = InCharField(col);
        const int64_t p = RowStart(row) + ByteInRow(col);
        out.position = int32_t(std::clamp<int64_t>(p, 0, std::numeric_limits<int32_t>::max()));
        return out;
    }
    // The cell of a byte in a field (the first cell in the hex field); (2, 0) below 0.
    constexpr THexCell PositionToCell(int32_t position, bool charField) const {
        if (position < 0) return THexCell{kFirstHexColumn, 0};
        const int inRow = position % bpl_;
        return THexCell{charField ? FirstCharColumn() + inRow : kFirstHexColumn + 2 * inRow,
                        position / bpl_};
    }
    // The hex cell of a byte's nibble cell (0 first, 1 second).
    constexpr THexCell HexCell(int32_t position, int nibble) const {
        THexCell cell = PositionToCell(position, false);
        if (position >= 0) cell.col += nibble;
        return cell;
    }
    // The column that shows the same byte in the other field.
    constexpr int TwinColumn(int col) const {
        if (InCharField(col)) return kFirstHexColumn + 2 * (col - FirstCharColumn());
        return FirstCharColumn() + (col - kFirstHexColumn) / 2;
    }

    friend constexpr bool operator==(const THexGeometry&, const THexGeometry&) = default;

private:
    int bpl_;
};
