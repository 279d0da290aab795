// The grid's column rules, as tables of cases over several line widths.
#include "hexeditor/core/hexgeometry.h"

#include <gtest/gtest.h>

TEST(HexGeometry, FieldsAndColumnCounts) {
    const struct {
        int bpl, lastHex, separator, firstChar, lastChar, cols;
    } cases[] = {
        {1, 3, 4, 5, 5, 6},
        {4, 9, 10, 11, 14, 15},
        {16, 33, 34, 35, 50, 51},
        {256, 513, 514, 515, 770, 771},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bpl);
        const THexGeometry g(c.bpl);
        EXPECT_EQ(g.BytesPerLine(), c.bpl);
        EXPECT_EQ(g.FirstHexColumn(), 2);
        EXPECT_EQ(g.LastHexColumn(), c.lastHex);
        EXPECT_EQ(g.SeparatorColumn(), c.separator);
        EXPECT_EQ(g.FirstCharColumn(), c.firstChar);
        EXPECT_EQ(g.LastCharColumn(), c.lastChar);
        EXPECT_EQ(g.ColCount(), c.cols);
        // Every column belongs to exactly one role.
        for (int col = 0; col < g.ColCount(); ++col) {
            const int roles = int(g.IsFixedColumn(col)) + int(g.IsHexColumn(col)) +
                              int(g.IsCharColumn(col)) + int(col == g.SeparatorColumn());
            EXPECT_EQ(roles, 1) << col;
        }
        EXPECT_FALSE(g.IsHexColumn(g.ColCount()));
        EXPECT_FALSE(g.IsCharColumn(g.ColCount()));
    }
    EXPECT_EQ(THexGeometry(0).BytesPerLine(), 1); // never a line without bytes
}

TEST(HexGeometry, CellToPosition) {
    const struct {
        int bpl, col;
        int32_t row;
        int32_t position;
        bool charField;
    } cases[] = {
        {16, 2, 0, 0, false},  {16, 3, 0, 0, false},
        {16, 4, 0, 1, false},  {16, 33, 0, 15, false},
        {16, 2, 1, 16, false}, {16, 35, 0, 0, true},
        {16, 50, 2, 47, true}, {16, 34, 0, 16, false}, // the separator counts as hex field
        {16, 1, 0, 0, false},  {16, 0, 0, 0, false},
        {16, 0, 3, 47, false}, // truncated, never negative
        {1, 2, 7, 7, false},   {1, 3, 7, 7, false},
        {1, 5, 7, 7, true},    {4, 11, 1, 4, true},
        {4, 9, 1, 7, false},   {16, 2, 0x7FFFFFFF, 0x7FFFFFFF, false}, // beyond 32 bits: clamped
    };
    for (const auto& c : cases) {
        const THexCellPosition p = THexGeometry(c.bpl).CellToPosition(c.col, c.row);
        EXPECT_EQ(p.position, c.position) << c.bpl << " " << c.col << " " << c.row;
        EXPECT_EQ(p.charField, c.charField) << c.bpl << " " << c.col << " " << c.row;
    }
}

TEST(HexGeometry, PositionToCellAndNibbleCells) {
    const struct {
        int bpl;
        int32_t position;
        bool charField;
        THexCell cell;
    } cases[] = {
        {16, 0, false, {2, 0}},  {16, 15, false, {32, 0}},
        {16, 16, false, {2, 1}}, {16, 17, true, {36, 1}},
        {16, -1, false, {2, 0}}, {16, -5, true, {2, 0}},
        {1, 9, false, {2, 9}},   {1, 9, true, {5, 9}},
        {4, 6, true, {13, 1}},   {16, 0x7FFFFFFE, false, {2 + 2 * 14, 0x7FFFFFFE / 16}},
    };
    for (const auto& c : cases) {
        const THexGeometry g(c.bpl);
        const THexCell cell = g.PositionToCell(c.position, c.charField);
        EXPECT_EQ(cell, c.cell) << c.bpl << " " << c.position << " " << c.charField;
        if (c.position < 0 || c.charField) continue;
        EXPECT_EQ(g.HexCell(c.position, 0), c.cell);
        EXPECT_EQ(g.HexCell(c.position, 1), (THexCell{c.cell.col + 1, c.cell.row}));
        EXPECT_EQ(g.NibbleOfColumn(c.cell.col), 0);
        EXPECT_EQ(g.NibbleOfColumn(c.cell.col + 1), 1);
    }
    EXPECT_EQ(THexGeometry(16).HexCell(-1, 1), (THexCell{2, 0}));
}

TEST(HexGeometry, EveryByteCellReadsBackItsByte) {
    for (int bpl : {1, 3, 16, 256}) {
        const THexGeometry g(bpl);
        for (int32_t p : {0, 1, bpl - 1, bpl, 5 * bpl + bpl / 2, 1000003}) {
            for (bool charField : {false, true}) {
                const THexCell cell = g.PositionToCell(p, charField);
                const THexCellPosition back = g.CellToPosition(cell.col, cell.row);
                EXPECT_EQ(back.position, p) << bpl;
                EXPECT_EQ(back.charField, charField) << bpl;
                EXPECT_EQ(g.ByteInRow(cell.col), p % bpl);
            }
            const THexCell second = g.HexCell(p, 1);
            EXPECT_EQ(g.CellToPosition(second.col, second.row).position, p);
        }
    }
}

TEST(HexGeometry, TwinColumns) {
    const struct {
        int bpl, col, twin;
    } cases[] = {
        {16, 2, 35}, {16, 3, 35}, {16, 4, 36}, {16, 33, 50}, {16, 35, 2}, {16, 50, 32},
        {1, 2, 5},   {1, 3, 5},   {1, 5, 2},   {4, 9, 14},   {4, 12, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(THexGeometry(c.bpl).TwinColumn(c.col), c.twin) << c.bpl << " " << c.col;
}

TEST(HexGeometry, RowsOfADocument) {
    const struct {
        int bpl;
        int64_t size;
        int32_t rows;
    } cases[] = {
        {16, 0, 1}, {16, 1, 1}, {16, 16, 1},   {16, 17, 2},
        {1, 0, 1},  {1, 5, 5},  {256, 257, 2}, {1, 0x7FFFFFFF, 0x7FFFFFFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(THexGeometry(c.bpl).RowCount(c.size), c.rows) << c.bpl << " " << c.size;
    EXPECT_EQ(THexGeometry(16).RowStart(0x7FFFFFFF), int64_t(0x7FFFFFFF) * 16);
}
