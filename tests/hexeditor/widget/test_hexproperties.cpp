// Display property setters of the widget and the layout they produce.
#include "hexeditor/widget/hexlayout.h"
#include "tests/hexeditor/widget/hexwidgettest.h"

#include <QScrollBar>
#include <functional>

using HexProperties = HexWidgetTest;

TEST_F(HexProperties, DefaultsOfANewControl) {
    THexEditor fresh;
    EXPECT_EQ(fresh.FileName(), QStringLiteral("Untitled"));
    EXPECT_EQ(fresh.DataSize(), 0);
    EXPECT_EQ(fresh.BytesPerLine(), 16);
    EXPECT_EQ(fresh.BytesPerColumn(), 2);
    EXPECT_EQ(fresh.NibblesPerGroup(), 4);
    EXPECT_EQ(fresh.OffsetDisplay(), odHex);
    EXPECT_EQ(fresh.OffsetSeparator(), ':');
    EXPECT_TRUE(fresh.ShowMarkerColumn());
    EXPECT_TRUE(fresh.FocusFrame());
    EXPECT_EQ(fresh.CaretStyle(), csFull);
    EXPECT_TRUE(fresh.AutoCaretMode());
    EXPECT_EQ(fresh.GridLineWidth(), 0);
    EXPECT_EQ(fresh.Caret(), (THexCell{2, 0}));
    EXPECT_EQ(fresh.OffsetChars(), 4); // "0x0:"
}

TEST_F(HexProperties, WidthsComeFromTheFontMetrics) {
    const QFontMetrics fm(editor->font());
    EXPECT_EQ(editor->CharWidth(), fm.horizontalAdvance(QLatin1Char('w')));
    EXPECT_EQ(editor->RowHeight(), fm.height() + 2);
    EXPECT_EQ(editor->CharWidth(), 10); // "courier new" at 16 pixels
}

TEST_F(HexProperties, ANewFontRelaysTheGridOutAtOnce) {
    QFont big = editor->font();
    big.setPixelSize(32);
    editor->setFont(big);
    EXPECT_EQ(editor->CharWidth(), QFontMetrics(big).horizontalAdvance(QLatin1Char('w')));
    EXPECT_EQ(editor->Layout().ColWidth(2), editor->CharWidth());
}

// Each bad value must throw the editor's error with exactly this message.
static void ExpectRefused(const std::function<void(int)>& set, std::initializer_list<int> bad,
                          const char* message) {
    for (int v : bad) {
        try {
            set(v);
            ADD_FAILURE() << v << " was accepted";
        } catch (const EHexEditorError& e) {
            EXPECT_STREQ(e.what(), message);
        }
    }
}

TEST_F(HexProperties, BytesPerLineOutsideTheRangeIsRefused) {
    Load(100);
    ExpectRefused([&](int v) { editor->SetBytesPerLine(v); }, {0, 257, -1},
                  "Invalid BytesPerLine argument");
    EXPECT_EQ(editor->BytesPerLine(), 16);
    EXPECT_EQ(editor->Layout().ColCount(), 51);
}

TEST_F(HexProperties, BytesPerLineKeepsTheCaretByteAndTheSelection) {
    Load(100);
    CaretToChar(37);
    editor->SetSelEnd(40);
    editor->SetBytesPerLine(10);
    EXPECT_EQ(editor->CaretPosition(), 37);
    EXPECT_TRUE(editor->InCharField());
    EXPECT_EQ(editor->Caret(), (THexCell{2 * 10 + 3 + 7, 3}));
    EXPECT_EQ(editor->SelLow(), 37);
    EXPECT_EQ(editor->SelHigh(), 40);
    EXPECT_EQ(editor->Layout().ColCount(), 33);
    EXPECT_EQ(editor->RowCount(), 10);
}

TEST_F(HexProperties, BytesPerColumnBelowOneIsRefused) {
    ExpectRefused([&](int v) { editor->SetBytesPerColumn(v); }, {0, -3},
                  "Invalid BytesPerColumn argument");
    EXPECT_EQ(editor->BytesPerColumn(), 2);
}

TEST_F(HexProperties, BytesPerColumnRegroupsTheHexColumns) {
    editor->SetBytesPerColumn(1);
    EXPECT_EQ(editor->NibblesPerGroup(), 2);
    EXPECT_EQ(editor->Layout().ColWidth(3), 2 * editor->CharWidth());
    EXPECT_EQ(editor->Layout().ColWidth(4), editor->CharWidth());
    editor->SetBytesPerLine(10);
    editor->SetBytesPerColumn(4);
    EXPECT_EQ(editor->Layout().ColWidth(21), editor->CharWidth());
    EXPECT_EQ(editor->Layout().ColWidth(17), 2 * editor->CharWidth());
}

TEST_F(HexProperties, OffsetStylesChangeTheOffsetColumn) {
    Load(1000);
    EXPECT_EQ(editor->OffsetChars(), 6);
    editor->SetOffsetDisplay(odDec);
    EXPECT_EQ(editor->OffsetChars(), 4);
    editor->SetOffsetDisplay(odOctal);
    EXPECT_EQ(editor->OffsetChars(), 8);
    editor->SetOffsetDisplay(odNone);
    EXPECT_EQ(editor->OffsetChars(), 0);
    EXPECT_EQ(editor->Layout().ColWidth(0), 0);
}

TEST_F(HexProperties, OffsetWidthFollowsTheDataSize) {
    Load(100);
    EXPECT_EQ(editor->OffsetChars(), 5); // 0x60
    Load(70000);
    EXPECT_EQ(editor->OffsetChars(), 8); // 0x11170
}

TEST_F(HexProperties, HidingTheMarkerColumn) {
    const int fixed = editor->Layout().FixedWidth();
    editor->SetShowMarkerColumn(false);
    EXPECT_EQ(editor->Layout().ColWidth(1), 0);
    EXPECT_EQ(editor->Layout().FixedWidth(), fixed - editor->CharWidth());
}

TEST_F(HexProperties, AutoCaretModeFollowsTheInsertMode) {
    editor->SetAllowInsertMode(true);
    editor->SetAutoCaretMode(false);
    Key(Qt::Key_Insert);
    EXPECT_EQ(editor->CaretStyle(), csFull);
    editor->SetAutoCaretMode(true);
    EXPECT_EQ(editor->CaretStyle(), csLeftLine);
    editor->SetCaretStyle(csBottomLine);
    EXPECT_EQ(editor->CaretStyle(), csBottomLine);
}

TEST_F(HexProperties, ColourSettersStoreAndKeepTheInverse) {
    editor->Colors()->SetOddColumn(0x000000);
    EXPECT_EQ(editor->Colors()->InverseOddColumn(), TColor(0xFFFFFF));
    editor->Colors()->SetBackground(clWhite);
    EXPECT_EQ(editor->Colors()->Background(), clWhite);
}

TEST_F(HexProperties, ScrollBarsFollowTheRows) {
    Load(16 * 1000);
    const int n = editor->VisibleRowCount();
    EXPECT_EQ(editor->verticalScrollBar()->maximum(), 1000 - n);
    EXPECT_EQ(editor->verticalScrollBar()->pageStep(), n);
    editor->verticalScrollBar()->setValue(500);
    EXPECT_EQ(editor->TopRow(), 500);
    EXPECT_EQ(editor->Row(), 0); // scrolling leaves the caret
}

TEST_F(HexProperties, NarrowViewScrollsByColumnsAndKeepsTheCaretInView) {
    Load(64);
    editor->resize(300, 200);
    QApplication::processEvents();
    CaretToChar(15);
    const QRect r = editor->CellRect(editor->Col(), editor->Row());
    ASSERT_FALSE(r.isNull());
    EXPECT_LE(r.right(), editor->viewport()->width());
    EXPECT_GT(editor->LeftCol(), 2);
    Key(Qt::Key_Home, Qt::ControlModifier);
    Key(Qt::Key_Tab);
    EXPECT_EQ(editor->LeftCol(), 2);
}
