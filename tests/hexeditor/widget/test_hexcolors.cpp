// The colour set: defaults, derived inverses, system colours and the cell colour rules.
#include "hexeditor/widget/hexrenderer.h"
#include "hexeditor/widget/tcolors.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

TEST(HexColors, DefaultsAndTheirInverses) {
    TColors c(nullptr);
    EXPECT_EQ(c.Background(), clWindow);
    EXPECT_EQ(c.PositionBackground(), clMaroon);
    EXPECT_EQ(c.PositionText(), clWhite);
    EXPECT_EQ(c.ChangedBackground(), TColor(0xA8FFFF));
    EXPECT_EQ(c.ChangedText(), clMaroon);
    EXPECT_EQ(c.CursorFrame(), clNavy);
    EXPECT_EQ(c.Offset(), clBlack);
    EXPECT_EQ(c.OddColumn(), clBlue);
    EXPECT_EQ(c.EvenColumn(), clNavy);
    EXPECT_EQ(c.InverseOddColumn(), TColor(0x00FFFF)); // yellow
    EXPECT_EQ(c.InverseEvenColumn(), TColor(0x7FFFFF));
}

TEST(HexColors, SettingAGroupColourRecomputesItsInverse) {
    TColors c(nullptr);
    c.SetOddColumn(0x123456);
    EXPECT_EQ(c.InverseOddColumn(), TColor(0xEDCBA9));
    c.SetEvenColumn(clWindow); // a system colour is inverted as stored, not resolved
    EXPECT_EQ(c.InverseEvenColumn(), TColor(0xFFFFFA));
}

TEST(HexColors, PlainValuesAreRedGreenBlueFromTheLowByte) {
    EXPECT_EQ(ResolveColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ResolveColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(ResolveColor(0xA8FFFF), QColor(255, 255, 168));
    EXPECT_EQ(ToTColor(QColor(1, 2, 3)), TColor(0x030201));
}

TEST(HexColors, SystemColoursComeFromThePalette) {
    QPalette pal;
    pal.setColor(QPalette::Base, QColor(1, 2, 3));
    pal.setColor(QPalette::Text, QColor(4, 5, 6));
    EXPECT_EQ(ResolveColor(clWindow, pal), QColor(1, 2, 3));
    EXPECT_EQ(ResolveColor(clWindowText, pal), QColor(4, 5, 6));
    EXPECT_EQ(ResolveColor(clWindow), QGuiApplication::palette().color(QPalette::Base));
}

TEST(HexCellColorRules, PlainCells) {
    TColors c(nullptr);
    EXPECT_EQ(CellColors(c, clBlack, true, 0, false, false), (THexCellColors{clBlue, clWindow}));
    EXPECT_EQ(CellColors(c, clBlack, true, 1, false, false), (THexCellColors{clNavy, clWindow}));
    EXPECT_EQ(CellColors(c, clBlack, true, 2, false, false), (THexCellColors{clBlue, clWindow}));
    EXPECT_EQ(CellColors(c, clBlack, false, 0, false, false), (THexCellColors{clBlack, clWindow}));
}

TEST(HexCellColorRules, ChangedBytes) {
    TColors c(nullptr);
    const THexCellColors changed{clMaroon, 0xA8FFFF};
    EXPECT_EQ(CellColors(c, clBlack, true, 1, true, false), changed);
    EXPECT_EQ(CellColors(c, clBlack, false, 0, true, false), changed);
}

TEST(HexCellColorRules, SelectionInvertsAndHexDigitsTakeTheInverseGroupColour) {
    TColors c(nullptr);
    EXPECT_EQ(CellColors(c, clBlack, true, 0, false, true),
              (THexCellColors{c.InverseOddColumn(), clBlue}));
    EXPECT_EQ(CellColors(c, clBlack, true, 3, false, true),
              (THexCellColors{c.InverseEvenColumn(), clNavy}));
    EXPECT_EQ(CellColors(c, clBlack, false, 0, false, true), (THexCellColors{clWindow, clBlack}));
    EXPECT_EQ(CellColors(c, clBlack, true, 0, true, true), (THexCellColors{0xA8FFFF, clMaroon}));
}

TEST(HexMarkerFont, ArialAtThreeQuartersHalvesToEven) {
    QFont f(QStringLiteral("Courier"));
    f.setPointSize(12);
    QFont m = THexRenderer::MarkerFont(f);
    EXPECT_EQ(m.family(), QStringLiteral("Arial"));
    EXPECT_EQ(m.pointSize(), 9);
    f.setPointSize(10); // 7.5 goes to 8
    EXPECT_EQ(THexRenderer::MarkerFont(f).pointSize(), 8);
    f.setPointSize(14); // 10.5 goes to 10
    EXPECT_EQ(THexRenderer::MarkerFont(f).pointSize(), 10);
    f.setPixelSize(16);
    EXPECT_EQ(THexRenderer::MarkerFont(f).pixelSize(), 12);
}
