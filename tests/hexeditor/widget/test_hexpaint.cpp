// What the grid paints: colour rules checked on the pixels of a rendered image.
#include "hexeditor/widget/hexlayout.h"
#include "tests/hexeditor/widget/hexwidgettest.h"

#include <QImage>
#include <QPainter>

namespace {

class HexPaint : public HexWidgetTest {
protected:
    QImage Render(bool focused = false) {
        QImage img(editor->viewport()->size(), QImage::Format_RGB32);
        img.fill(Qt::magenta);
        QPainter p(&img);
        editor->PaintGrid(p, img.rect(), focused);
        return img;
    }
    static int Count(const QImage& img, const QRect& r, const QColor& c) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (img.pixelColor(x, y).rgb() == c.rgb()) ++n;
        return n;
    }
    // Pixels close to a colour: glyph edges are smoothed, their cores are not.
    static int Near(const QImage& img, const QRect& r, const QColor& c) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor p = img.pixelColor(x, y);
                if (std::abs(p.red() - c.red()) <= 40 && std::abs(p.green() - c.green()) <= 40 &&
                    std::abs(p.blue() - c.blue()) <= 40)
                    ++n;
            }
        return n;
    }
    static QColor Color(TColor c) { return ResolveColor(c); }
    QRect HexCell(int32_t p, bool second = false) const {
        const THexCell c = editor->PositionToCell(p, false);
        return editor->CellRect(c.col + (second ? 1 : 0), c.row);
    }
    QRect CharCell(int32_t p) const {
        const THexCell c = editor->PositionToCell(p, true);
        return editor->CellRect(c.col, c.row);
    }
    // The cell's pixels as an image of their own, to compare digits.
    static QImage Cut(const QImage& img, const QRect& r) { return img.copy(r); }
};

} // namespace

TEST_F(HexPaint, PlainDigitsAreInTheGroupColoursOnTheBackground) {
    Load(QByteArray("\x88\x88\x88\x88", 4));
    const QImage img = Render();
    const QRect first = HexCell(0), third = HexCell(2);
    EXPECT_GT(Count(img, first, Color(clWindow)), first.width() * first.height() / 2);
    EXPECT_GT(Near(img, first, Color(clBlue)), 5);
    EXPECT_EQ(Near(img, first, Color(clNavy)), 0);
    EXPECT_GT(Near(img, third, Color(clNavy)), 5);
    EXPECT_EQ(Near(img, third, Color(clBlue)), 0);
}

TEST_F(HexPaint, ChangedByteUsesTheChangedColoursInBothFields) {
    Load(QByteArray("\x11\x22\x33", 3));
    editor->ChangeByte(1, 0x22, 0x4B); // 4, B and K
    const QImage img = Render();
    for (const QRect& r : {HexCell(1), HexCell(1, true), CharCell(1)}) {
        EXPECT_GT(Count(img, r, Color(0xA8FFFF)), r.width() * r.height() / 2);
        EXPECT_GT(Near(img, r, Color(clMaroon)), 5);
    }
    EXPECT_EQ(Count(img, HexCell(0), Color(0xA8FFFF)), 0);
}

TEST_F(HexPaint, SelectedHexDigitIsTheInverseGroupColourOnTheGroupColour) {
    Load(QByteArray("\x88\x88\x88\x88", 4));
    editor->SetSelStart(0);
    editor->SetSelEnd(2);
    const QImage img = Render();
    const QRect r = HexCell(0);
    EXPECT_GT(Count(img, r, Color(clBlue)), r.width() * r.height() / 2);
    EXPECT_GT(Near(img, r, Color(0x00FFFF)), 5); // yellow, the inverse of blue
    const QRect even = HexCell(2);
    EXPECT_GT(Count(img, even, Color(clNavy)), even.width() * even.height() / 2);
    EXPECT_GT(Near(img, even, Color(0x7FFFFF)), 5);
    // A selected character: background colour on the font colour.
    const QRect c = CharCell(0);
    EXPECT_GT(Count(img, c, Color(clWindowText)), c.width() * c.height() / 2);
    // Not selected: byte 3.
    EXPECT_EQ(Count(img, HexCell(3), Color(0x7FFFFF)), 0);
}

TEST_F(HexPaint, MarkerCellShowsItsDigitInPositionColours) {
    Load(16 * 10);
    editor->SetMarker(3, 5);
    const QImage img = Render();
    const QRect r = editor->CellRect(1, 5);
    EXPECT_GT(Count(img, r, Color(clMaroon)), r.width() * r.height() / 2);
    EXPECT_GT(Near(img, r, Color(clWhite)), 3);
    const QRect plain = editor->CellRect(1, 4);
    EXPECT_EQ(Count(img, plain, Color(clMaroon)), 0);
}

TEST_F(HexPaint, LowerMarkerWinsOnASharedRow) {
    Load(16 * 10);
    editor->SetMarker(3, 5);
    const QImage three = Render();
    editor->SetMarker(1, 5);
    const QImage one = Render();
    const QRect r = editor->CellRect(1, 5);
    EXPECT_NE(Cut(three, r), Cut(one, r));
    editor->SetMarker(3, -1);
    EXPECT_EQ(Cut(Render(), r), Cut(one, r));
}

TEST_F(HexPaint, SwappedNibblesShowTheLowDigitFirst) {
    Load(QByteArray("\x3C\xC3", 2));
    const QImage plain = Render();
    editor->SetSwapNibbles(true);
    const QImage swapped = Render();
    // Compared over one character's width: the last cell of a group is wider.
    auto digit = [this](const QRect& r) {
        return QRect(r.topLeft(), QSize(editor->CharWidth(), r.height()));
    };
    EXPECT_EQ(Cut(swapped, digit(HexCell(0))), Cut(plain, digit(HexCell(1))));             // C
    EXPECT_EQ(Cut(swapped, digit(HexCell(0, true))), Cut(plain, digit(HexCell(1, true)))); // 3
    EXPECT_NE(Cut(swapped, digit(HexCell(0))), Cut(plain, digit(HexCell(0))));
}

TEST_F(HexPaint, CellsPastTheDataAreBlank) {
    Load(17);
    const QImage img = Render();
    EXPECT_GT(Near(img, HexCell(16), Color(clBlue)), 0);
    for (int32_t p = 17; p < 32; ++p) {
        const QRect r = HexCell(p);
        EXPECT_EQ(Count(img, r, Color(clWindow)), r.width() * r.height()) << p;
        const QRect c = CharCell(p);
        EXPECT_EQ(Count(img, c, Color(clWindow)), c.width() * c.height()) << p;
    }
}

TEST_F(HexPaint, EmptyDataShowsOnlyTheOffsetText) {
    editor->CreateEmptyFile(QStringLiteral("Bez nazwy"));
    const QImage img = Render();
    const QRect offset = editor->CellRect(0, 0);
    EXPECT_GT(Near(img, offset, Color(clBlack)), 5);
    const QRect rest(editor->Layout().FixedWidth(), 0, img.width() - editor->Layout().FixedWidth(),
                     img.height());
    EXPECT_EQ(Count(img, rest, Color(clWindow)), rest.width() * rest.height());
}

TEST_F(HexPaint, TheAreaBeyondTheGridIsTheBackground) {
    Load(40);
    editor->Colors()->SetBackground(0x102030);
    const QImage img = Render();
    const QRect below(0, 3 * editor->RowHeight(), img.width(),
                      img.height() - 3 * editor->RowHeight());
    EXPECT_EQ(Count(img, below, Color(0x102030)), below.width() * below.height());
}

TEST_F(HexPaint, CaretInvertsItsCellAndTheTwinIsFramed) {
    Load(QByteArray("\x00\x00", 2));
    editor->SetFocusFrame(false);
    editor->Colors()->SetCursorFrame(0x0000FF); // red
    CaretToHex(1);
    const QImage img = Render(true);
    const QRect cell = HexCell(1);
    // The filled caret shows CursorFrame where the cell was white.
    const QRect caret = editor->Layout().CaretRect(csFull, cell.topLeft()).adjusted(1, 1, -1, -1);
    EXPECT_GT(Count(img, caret, QColor(255, 0, 0)), caret.width() * caret.height() / 3);
    // The twin character cell carries a one-pixel outline in CursorFrame.
    const QRect twin = CharCell(1);
    EXPECT_EQ(Count(img, QRect(twin.left(), twin.top(), 1, twin.height()), QColor(255, 0, 0)),
              twin.height());
    EXPECT_EQ(Count(img, QRect(twin.left(), twin.top(), editor->CharWidth(), 1), QColor(255, 0, 0)),
              editor->CharWidth());
}

TEST_F(HexPaint, NoCaretOrFrameWithoutTheFocus) {
    Load(QByteArray("\x00\x00", 2));
    editor->SetFocusFrame(false);
    editor->Colors()->SetCursorFrame(0x0000FF);
    CaretToHex(1);
    const QImage img = Render(false);
    EXPECT_EQ(Count(img, img.rect(), QColor(255, 0, 0)), 0);
}

TEST_F(HexPaint, LeftLineCaretCoversOnlyTwoColumns) {
    Load(QByteArray("\x00\x00", 2));
    editor->Colors()->SetCursorFrame(0x0000FF);
    editor->SetCaretStyle(csLeftLine);
    CaretToChar(0);
    const QImage img = Render(true);
    const QRect cell = CharCell(0);
    EXPECT_GT(Count(img, QRect(cell.left(), cell.top() + 2, 2, 10), QColor(255, 0, 0)), 10);
    EXPECT_EQ(Count(img, QRect(cell.left() + 3, cell.top() + 2, 5, 10), QColor(255, 0, 0)), 0);
}

TEST_F(HexPaint, TheWidgetPaintsThroughTheSameRenderer) {
    Load(QByteArray("\x11\x22\x33", 3));
    editor->ChangeByte(1, 0x22, 0x88);
    QImage img(editor->size(), QImage::Format_RGB32);
    editor->render(&img);
    const QPoint origin = editor->viewport()->geometry().topLeft();
    const QRect r = HexCell(1).translated(origin);
    EXPECT_GT(Count(img, r, Color(0xA8FFFF)), r.width() * r.height() / 2);
}
