// The largest document, 2 GiB - 1 byte at one byte a line: 2,147,483,647 rows.
#include "hexeditor/widget/hexlayout.h"
#include "tests/hexeditor/widget/hexwidgettest.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

namespace {

class HexScale : public HexWidgetTest {
protected:
    void SetUp() override {
        HexWidgetTest::SetUp();
        const QString path = testenv::ScratchPath(QStringLiteral("huge.bin"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(kSize)); // sparse
        f.seek(kSize - 1);
        f.putChar('\x7E');
        f.seek(kSize / 2);
        f.putChar('\x5A');
        f.close();
        editor->LoadFromFile(path);
        ASSERT_EQ(editor->DataSize(), kSize);
        editor->SetBytesPerLine(1);
    }
    static constexpr int32_t kSize = 2147483647;
};

} // namespace

TEST_F(HexScale, TheLastRowIsReachedAndScrolledTo) {
    EXPECT_EQ(editor->RowCount(), kSize);
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(editor->Row(), kSize - 1);
    EXPECT_EQ(editor->CaretPosition(), kSize - 1);
    const int n = editor->VisibleRowCount();
    EXPECT_EQ(editor->TopRow(), kSize - n);
    EXPECT_EQ(editor->verticalScrollBar()->maximum(), kSize - n);
    EXPECT_EQ(editor->verticalScrollBar()->value(), kSize - n);
    const QRect caret = editor->CellRect(editor->Col(), editor->Row());
    ASSERT_FALSE(caret.isNull());
    EXPECT_LE(caret.bottom(), editor->viewport()->height());
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(editor->TopRow(), 0);
    EXPECT_EQ(editor->CaretPosition(), 0);
}

TEST_F(HexScale, SelectingUpFromTheLastByte) {
    Key(Qt::Key_End, Qt::ControlModifier);
    Key(Qt::Key_Tab);
    for (int i = 0; i < 3; ++i) Key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(editor->SelLow(), kSize - 4);
    EXPECT_EQ(editor->SelHigh(), kSize - 1);
    EXPECT_EQ(editor->SelCount(), 4);
}

TEST_F(HexScale, PageDownAtTheEndStopsAtTheLastRow) {
    editor->SetTopRow(kSize - 3 * editor->VisibleRowCount());
    editor->MoveCaret(2, editor->TopRow());
    for (int i = 0; i < 5; ++i) Key(Qt::Key_PageDown);
    EXPECT_EQ(editor->Row(), kSize - 1);
    EXPECT_EQ(editor->TopRow(), kSize - editor->VisibleRowCount());
}

TEST_F(HexScale, TheScrollBarThumbReachesTheEnd) {
    QScrollBar* bar = editor->verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(editor->TopRow(), bar->maximum());
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(editor->TopRow(), bar->maximum() - 1);
    QImage img(bar->size(), QImage::Format_RGB32);
    bar->render(&img); // a thumb over 2^31 rows paints without overflow
    SUCCEED();
}

TEST_F(HexScale, PaintedOffsetsAndBytesAtTheEndAndTheMiddle) {
    // The offsets and bytes at the end come from the display window.
    Key(Qt::Key_End, Qt::ControlModifier);
    QImage end(editor->viewport()->size(), QImage::Format_RGB32);
    {
        QPainter p(&end);
        editor->PaintGrid(p, end.rect(), false);
    }
    EXPECT_LE(editor->DisplayWindowStart(), kSize - editor->VisibleRowCount());
    EXPECT_EQ(editor->DisplayByte(kSize - 1), 0x7E);
    editor->Seek(kSize / 2, 0, true);
    QImage mid(editor->viewport()->size(), QImage::Format_RGB32);
    {
        QPainter p(&mid);
        editor->PaintGrid(p, mid.rect(), false);
    }
    EXPECT_EQ(editor->DisplayByte(kSize / 2), 0x5A);
    EXPECT_EQ(editor->Layout().OffsetText(kSize - 1, ':'), QStringLiteral("0x7FFFFFFE:"));
}

TEST_F(HexScale, TypingOverTheLastByte) {
    Key(Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(editor.get(), "c");
    EXPECT_EQ(editor->ReadByte(kSize - 1), 0xCE);
    EXPECT_TRUE(editor->IsChanged(kSize - 1));
}
