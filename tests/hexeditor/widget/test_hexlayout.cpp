// Column widths, offset texts and cell geometry, without any widget.
#include "hexeditor/widget/hexlayout.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

THexLayout Make(int bpl, int bytesPerColumn, int32_t rowCount, TOffsetDisplayStyle style = odHex,
                bool marker = true) {
    THexLayoutInput in;
    in.charWidth = 10;
    in.rowHeight = 20;
    in.bytesPerLine = bpl;
    in.nibblesPerGroup = 2 * bytesPerColumn;
    in.rowCount = rowCount;
    in.offsetDisplay = style;
    in.showMarkerColumn = marker;
    THexLayout l;
    l.Update(in);
    return l;
}

std::vector<int> Widths(const THexLayout& l) {
    std::vector<int> w;
    for (int c = 0; c < l.ColCount(); ++c)
        w.push_back(l.ColWidth(c));
    return w;
}

int32_t RowsFor(int64_t bytes, int bpl) {
    return int32_t((bytes + bpl - 1) / bpl);
}

} // namespace

TEST(HexLayoutWidths, MainWindowSettingsGiveGroupsOfTenTenTenTwenty) {
    const THexLayout l = Make(16, 2, RowsFor(1000, 16));
    std::vector<int> expected{6 * 10, 10};
    for (int g = 0; g < 8; ++g)
        expected.insert(expected.end(), {10, 10, 10, 20});
    expected.insert(expected.end(), 17, 10);
    EXPECT_EQ(Widths(l), expected);
    EXPECT_EQ(l.ColCount(), 51);
}

TEST(HexLayoutWidths, OneBytePerColumnWidensEveryOddColumnFromThree) {
    const THexLayout l = Make(16, 1, 1);
    for (int c = 2; c <= 33; ++c)
        EXPECT_EQ(l.ColWidth(c), c % 2 == 1 ? 20 : 10) << c;
    EXPECT_EQ(l.ColWidth(34), 10); // separator
}

TEST(HexLayoutWidths, LastHexColumnIsWidenedOnlyWhenLineHoldsWholeGroups) {
    const THexLayout l = Make(10, 4, 1);
    for (int c = 2; c <= 21; ++c)
        EXPECT_EQ(l.ColWidth(c), (c == 9 || c == 17) ? 20 : 10) << c;
    EXPECT_EQ(l.SeparatorColumn(), 22);
}

TEST(HexLayoutWidths, HiddenOffsetAndMarkerColumnsHaveNoWidth) {
    const THexLayout l = Make(16, 2, 63, odNone, false);
    EXPECT_EQ(l.OffsetChars(), 0);
    EXPECT_EQ(l.ColWidth(0), 0);
    EXPECT_EQ(l.ColWidth(1), 0);
    EXPECT_EQ(l.FixedWidth(), 0);
    EXPECT_EQ(l.ColStart(2), 0);
}

TEST(HexLayoutWidths, ColumnStartsAddUpTheWidths) {
    const THexLayout l = Make(16, 2, RowsFor(1000, 16));
    EXPECT_EQ(l.ColStart(0), 0);
    EXPECT_EQ(l.ColStart(1), 60);
    EXPECT_EQ(l.FixedWidth(), 70);
    EXPECT_EQ(l.ColStart(6), 70 + 50); // 10 10 10 20
    EXPECT_EQ(l.TotalWidth(), 70 + 8 * 50 + 17 * 10);
}

TEST(HexLayoutWidths, GridLinesFollowEveryShownColumnAndRow) {
    THexLayoutInput in;
    in.gridLineWidth = 1;
    THexLayout l;
    l.Update(in);
    EXPECT_EQ(l.RowPitch(), 21);
    EXPECT_EQ(l.ColStart(3) - l.ColStart(2), 11);
}

TEST(HexLayoutOffset, ThousandBytesInTheThreeStyles) {
    const int32_t rows = RowsFor(1000, 16); // last row starts at 992 = 0x3E0 = 01740
    const THexLayout hex = Make(16, 2, rows, odHex);
    EXPECT_EQ(hex.OffsetChars(), 6);
    EXPECT_EQ(hex.OffsetText(0, ':'), QStringLiteral("0x000:"));
    EXPECT_EQ(hex.OffsetText(992, ':'), QStringLiteral("0x3E0:"));

    const THexLayout dec = Make(16, 2, rows, odDec);
    EXPECT_EQ(dec.OffsetChars(), 4);
    EXPECT_EQ(dec.OffsetText(0, ':'), QStringLiteral("  0:"));
    EXPECT_EQ(dec.OffsetText(992, ':'), QStringLiteral("992:"));

    const THexLayout oct = Make(16, 2, rows, odOctal);
    EXPECT_EQ(oct.OffsetChars(), 8);
    EXPECT_EQ(oct.OffsetText(0, ':'), QStringLiteral("o 00000:"));
    EXPECT_EQ(oct.OffsetText(992, ':'), QStringLiteral("o 01740:"));
    EXPECT_EQ(oct.ColWidth(0), 80);
}

TEST(HexLayoutOffset, EveryStyledTextIsExactlyOffsetCharsLong) {
    for (TOffsetDisplayStyle s : {odHex, odDec, odOctal}) {
        const THexLayout l = Make(16, 2, RowsFor(2147483647LL, 16), s);
        for (int32_t start : {0, 16, 4096, 2147483632})
            EXPECT_EQ(l.OffsetText(start, ':').size(), l.OffsetChars()) << int(s) << " " << start;
    }
}

TEST(HexLayoutOffset, LargestDocumentAtOneBytePerLine) {
    const THexLayout l = Make(1, 2, 2147483647, odHex);
    EXPECT_EQ(l.OffsetChars(), 8 + 3); // last row starts at 0x7FFFFFFE
    EXPECT_EQ(l.OffsetText(2147483646, ':'), QStringLiteral("0x7FFFFFFE:"));
}

TEST(HexLayoutOffset, NoneStyleShowsABlankAndOtherSeparatorsAreUsed) {
    EXPECT_EQ(Make(16, 2, 3, odNone).OffsetText(32, ':'), QStringLiteral(" "));
    EXPECT_EQ(Make(16, 2, 3, odHex).OffsetText(32, '|'), QStringLiteral("0x20|"));
}

TEST(HexLayoutOffset, EmptyDocumentTexts) {
    EXPECT_EQ(Make(16, 2, 1, odHex).EmptyOffsetText(':'), QStringLiteral("0x0:"));
    EXPECT_EQ(Make(16, 2, 1, odDec).EmptyOffsetText(':'), QStringLiteral("0:"));
    EXPECT_EQ(Make(16, 2, 1, odOctal).EmptyOffsetText(':'), QStringLiteral("o 0:"));
    EXPECT_EQ(Make(16, 2, 1, odNone).EmptyOffsetText(':'), QStringLiteral("   "));
}

TEST(HexLayoutOffset, WidthFollowsTheStyleAlone) {
    THexLayout l = Make(16, 2, RowsFor(1000, 16), odHex);
    l.UpdateOffsetWidth(odDec, RowsFor(1000, 16));
    EXPECT_EQ(l.OffsetChars(), 4);
    EXPECT_EQ(l.ColWidth(0), 40);
    EXPECT_EQ(l.ColStart(2), 50);
}

TEST(HexLayoutCells, RectanglesOfFixedAndScrolledColumns) {
    const THexLayout l = Make(16, 2, 100);
    EXPECT_EQ(l.CellRect(0, 5, 5, 2), QRect(0, 0, 60, 20));
    EXPECT_EQ(l.CellRect(2, 7, 5, 2), QRect(70, 40, 10, 20));
    EXPECT_EQ(l.CellRect(5, 7, 5, 2), QRect(100, 40, 20, 20));
    // Scrolled by two columns: column 4 is now the first beside the fixed ones.
    EXPECT_EQ(l.CellRect(4, 5, 5, 4), QRect(70, 0, 10, 20));
    EXPECT_TRUE(l.CellRect(3, 5, 5, 4).isNull());
    EXPECT_FALSE(l.CellRect(1, 5, 5, 4).isNull()); // fixed columns never scroll
}

TEST(HexLayoutCells, FarRowsHaveNoRectangleAndNoOverflow) {
    const THexLayout l = Make(1, 2, 2147483647);
    EXPECT_TRUE(l.CellRect(2, 2147483646, 0, 2).isNull());
    EXPECT_EQ(l.RowY(2147483646, 0), int64_t(2147483646) * 20);
    EXPECT_EQ(l.CellRect(2, 2147483646, 2147483600, 2).top(), 46 * 20);
}

TEST(HexLayoutCells, HitTestFindsTheCellUnderAPoint) {
    const THexLayout l = Make(16, 2, 100);
    THexHit h = l.HitTest(QPoint(75, 45), 10, 2);
    EXPECT_EQ(h.col, 2);
    EXPECT_EQ(h.row, 12);
    h = l.HitTest(QPoint(115, 0), 10, 2); // the widened cell, its blank half
    EXPECT_EQ(h.col, 5);
    h = l.HitTest(QPoint(55, 0), 10, 2);
    EXPECT_EQ(h.col, 0);
    h = l.HitTest(QPoint(65, 0), 10, 2);
    EXPECT_EQ(h.col, 1);
    h = l.HitTest(QPoint(l.TotalWidth() + 5, 0), 10, 2);
    EXPECT_EQ(h.col, l.ColCount());
    h = l.HitTest(QPoint(75, -1), 10, 2);
    EXPECT_EQ(h.row, 9);
    EXPECT_TRUE(h.aboveTop);
    // Scrolled: the first scrollable pixel belongs to LeftCol.
    EXPECT_EQ(l.HitTest(QPoint(70, 0), 10, 9).col, 9);
}

TEST(HexLayoutCells, HitTestAndRectanglesAgreeOnEveryColumn) {
    const THexLayout l = Make(16, 2, 100);
    for (int c = 0; c < l.ColCount(); ++c) {
        const QRect r = l.CellRect(c, 3, 0, 2);
        EXPECT_EQ(l.HitTest(r.topLeft(), 0, 2).col, c);
        EXPECT_EQ(l.HitTest(r.bottomRight(), 0, 2).col, c);
        EXPECT_EQ(l.HitTest(r.bottomRight(), 0, 2).row, 3);
    }
}

TEST(HexLayoutView, VisibleRowsAndColumns) {
    const THexLayout l = Make(16, 2, 100);
    EXPECT_EQ(l.FullyVisibleRows(399), 19);
    EXPECT_EQ(l.FullyVisibleRows(400), 20);
    EXPECT_EQ(l.FullyVisibleRows(5), 1);
    // 70 fixed + 10 10 10 20 ...: 200 pixels hold columns 2..12 wholly.
    EXPECT_EQ(l.FullyVisibleCols(200, 2), 11);
    EXPECT_EQ(l.LastVisibleCol(200, 2), 12);
    EXPECT_EQ(l.LastVisibleCol(199, 2), 11);
}

TEST(HexLayoutView, LeftColumnLimitsKeepTheLastColumnInView) {
    const THexLayout l = Make(16, 2, 100);
    EXPECT_EQ(l.MaxLeftCol(l.TotalWidth()), 2);
    const int w = 70 + 95;
    const int left = l.MaxLeftCol(w);
    EXPECT_LE(l.ColumnX(l.ColCount() - 1, left) + 10, w);
    EXPECT_GT(l.ColumnX(l.ColCount() - 1, left - 1) + 10, w);
    EXPECT_EQ(l.LeftColShowing(3, 10, w), 3);
    const int shown = l.LeftColShowing(40, 2, w);
    EXPECT_EQ(l.LastVisibleCol(w, shown), 40);
}

TEST(HexLayoutCaret, TheThreeShapes) {
    const THexLayout l = Make(16, 2, 1);
    EXPECT_EQ(l.CaretRect(csFull, QPoint(100, 40)), QRect(100, 40, 10, 18));
    EXPECT_EQ(l.CaretRect(csLeftLine, QPoint(100, 40)), QRect(100, 40, 2, 18));
    EXPECT_EQ(l.CaretRect(csBottomLine, QPoint(100, 40)), QRect(100, 56, 10, 2));
}
