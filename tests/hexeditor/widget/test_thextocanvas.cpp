// The hex dump printing component: properties, the link to its control,
// dump lines, and pages drawn on a recording canvas, an image and a PDF.
#include "hexeditor/widget/thextocanvas.h"
#include "tests/hexeditor/widget/hexwidgettest.h"
#include "tests/hexeditor/widget/recordingcanvas.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <limits>

namespace {

// The text of every page of a PDF, as pdftotext lays it out.
QStringList PdfPages(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(60000));
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QChar('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

} // namespace

class HexToCanvasTest : public HexWidgetTest {
protected:
    void SetUp() override {
        HexWidgetTest::SetUp();
        canvas.SetHexEditor(editor.get());
        canvas.AssignFromEditor();
        canvas.SetStretchToFit(false);
        QFont f(QStringLiteral("courier new"));
        f.setPixelSize(20);
        canvas.SetFont(f);
    }
    // A rectangle wide enough for any line and holding `lines` lines.
    void Room(const TRecordingCanvas& target, int lines) {
        canvas.Top = 10;
        canvas.Left = 5;
        canvas.Right = target.width() - 5;
        canvas.Bottom = canvas.Top + lines * Step(target);
    }
    int Step(const QPaintDevice& target) const {
        return DumpLineStep(QFontMetrics(canvas.Font(), &target).height());
    }
    int32_t Draw(QPaintDevice& target, int32_t first, int32_t last, const QString& header = {},
                 const QString& footer = {}) {
        QPainter p(&target);
        return canvas.DrawPage(p, first, last, header, footer);
    }

    THexToCanvas canvas;
};

TEST(THexToCanvasDefaults, PropertiesAtCreation) {
    THexToCanvas c;
    EXPECT_EQ(c.HexEditor(), nullptr);
    EXPECT_EQ(c.Font().family(), QStringLiteral("Courier"));
    EXPECT_EQ(c.Font().pointSize(), 12);
    EXPECT_EQ(c.BytesPerLine(), 16);
    EXPECT_EQ(c.OffsetDisplay(), odHex);
    EXPECT_EQ(c.OffsetSeparator(), ':');
    EXPECT_EQ(c.MemFieldDisplay(), odHex);
    EXPECT_EQ(c.MemFieldSeparator(), ';');
    EXPECT_TRUE(c.DisplayCharField());
    EXPECT_EQ(c.CharFieldSeparator(), '\0');
    EXPECT_TRUE(c.ShrinkToFit());
    EXPECT_TRUE(c.StretchToFit());
    EXPECT_EQ(c.BytesPerColumn(), 2);
    EXPECT_FALSE(c.SwapNibbles());
    EXPECT_FALSE(c.AtLeastOneLine);
    EXPECT_THROW(c.SetBytesPerColumn(0), EHexEditorError);
    EXPECT_EQ(c.BytesPerColumn(), 2);
}

TEST(THexToCanvasDefaults, WithoutAControlNothingIsDrawnAndTheLoopEnds) {
    THexToCanvas c;
    c.SetFont(QFont(QStringLiteral("courier new"), 12));
    c.AssignFromEditor(); // nothing to take over
    EXPECT_EQ(c.MemFieldSeparator(), ';');
    EXPECT_EQ(c.Font().pointSize(), 12);
    c.Right = c.Bottom = 1000;
    TRecordingCanvas target(1000, 1000);
    QPainter p(&target);
    EXPECT_EQ(c.DrawPage(p, 0, 100, QStringLiteral("H"), QStringLiteral("F")),
              std::numeric_limits<int32_t>::max());
    EXPECT_TRUE(target.Drawn().empty());
    EXPECT_TRUE(c.FormatDumpLine(0, 10).isEmpty());
}

TEST_F(HexToCanvasTest, LinkIsDroppedWhenTheControlIsDestroyed) {
    EXPECT_EQ(canvas.HexEditor(), editor.get());
    editor.reset();
    EXPECT_EQ(canvas.HexEditor(), nullptr);
    TRecordingCanvas target(1000, 1000);
    Room(target, 10);
    EXPECT_EQ(Draw(target, 0, 10), std::numeric_limits<int32_t>::max());
    EXPECT_TRUE(target.Drawn().empty());
}

TEST_F(HexToCanvasTest, AssignFromEditorTakesTheControlsDisplay) {
    editor->SetBytesPerLine(8);
    editor->SetBytesPerColumn(4);
    editor->SetOffsetDisplay(odOctal);
    editor->SetOffsetSeparator('|');
    editor->SetSwapNibbles(true);
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setPointSize(17);
    editor->setFont(f);
    canvas.SetMemFieldDisplay(odDec);
    canvas.SetMemFieldSeparator(0);
    canvas.SetDisplayCharField(false);
    canvas.SetCharFieldSeparator('!');
    canvas.AssignFromEditor();
    EXPECT_EQ(canvas.BytesPerLine(), 8);
    EXPECT_EQ(canvas.BytesPerColumn(), 4);
    EXPECT_EQ(canvas.OffsetDisplay(), odOctal);
    EXPECT_EQ(canvas.OffsetSeparator(), '|');
    EXPECT_TRUE(canvas.SwapNibbles());
    EXPECT_EQ(canvas.Font().pointSize(), 17);
    EXPECT_EQ(canvas.Font().family(), f.family());
    EXPECT_EQ(canvas.MemFieldDisplay(), odHex);
    EXPECT_EQ(canvas.MemFieldSeparator(), ' ');
    EXPECT_TRUE(canvas.DisplayCharField());
    EXPECT_EQ(canvas.CharFieldSeparator(), '\0');
    EXPECT_FALSE(canvas.StretchToFit()); // not the control's to set
}

TEST_F(HexToCanvasTest, FormatDumpLineUsesTheControlsOffsetsAndCharacters) {
    QByteArray bytes(1000, 'x');
    for (int i = 0; i < 16; ++i)
        bytes[i] = char(i);
    bytes[1] = 'A';
    Load(bytes);
    // Masked control characters show the mask, as on the grid.
    EXPECT_EQ(canvas.FormatDumpLine(0, 999),
              "0x000:0041 0203 0405 0607 0809 0A0B 0C0D 0E0F  .A..............");
    editor->SetMaskChar('~');
    editor->SetOffsetDisplay(odDec);
    canvas.AssignFromEditor();
    EXPECT_EQ(canvas.FormatDumpLine(992, 999).left(4), "992:");
    EXPECT_EQ(canvas.FormatDumpLine(0, 999).left(4), "  0:");
    EXPECT_TRUE(canvas.FormatDumpLine(0, 999).endsWith(" ~A~~~~~~~~~~~~~~"));
    // Unmasked, a control character draws nothing: a blank keeps the columns.
    editor->SetMaskWhiteSpaces(false);
    EXPECT_TRUE(canvas.FormatDumpLine(0, 999).endsWith("  A              "));
    // The control's character set applies: EBCDIC 0xC1 is A.
    Load(QByteArray("\xC1\xC2\x81", 3));
    editor->SetTranslation(ttEBCDIC);
    EXPECT_TRUE(canvas.FormatDumpLine(0, 2).startsWith("0:C1C2 81"));
    EXPECT_TRUE(canvas.FormatDumpLine(0, 2).endsWith(" ABa" + QString(13, ' ')));
}

TEST_F(HexToCanvasTest, DrawPageRefusesWhatCannotBeDrawn) {
    TRecordingCanvas target(2000, 2000);
    Room(target, 20);
    Load(0);
    EXPECT_EQ(Draw(target, 0, 100), -1); // empty document
    Load(20);
    EXPECT_EQ(Draw(target, 20, 100), -1);
    EXPECT_EQ(Draw(target, 5, 4), -1);
    EXPECT_EQ(Draw(target, -1, 10), -1);
    canvas.SetBytesPerLine(0);
    EXPECT_EQ(Draw(target, 0, 19), -1);
    EXPECT_TRUE(target.Drawn().empty());
}

TEST_F(HexToCanvasTest, TwentyBytesGiveTwoLinesWithBlanksForTheMissingBytes) {
    Load(QByteArray("abcdefghijklmnopqrst"));
    TRecordingCanvas target(3000, 3000);
    Room(target, 40);
    EXPECT_EQ(Draw(target, 0, 1000), 20);
    ASSERT_EQ(target.Drawn().size(), 2u);
    EXPECT_EQ(target.Drawn()[0].text,
              "0x00:6162 6364 6566 6768 696A 6B6C 6D6E 6F70  abcdefghijklmnop");
    EXPECT_EQ(target.Drawn()[1].text,
              "0x10:7172 7374" + QString(6 * 5 + 1, ' ') + " qrst" + QString(12, ' '));
    EXPECT_EQ(target.Top(target.Drawn()[0]), canvas.Top);
    EXPECT_EQ(target.Top(target.Drawn()[1]), canvas.Top + Step(target));
    EXPECT_EQ(target.Drawn()[0].x, canvas.Left);
}

TEST_F(HexToCanvasTest, FiveLinesOfRoomHoldHeaderThreeLinesAndFooter) {
    Load(100);
    TRecordingCanvas target(3000, 3000);
    Room(target, 5);
    const int step = Step(target);
    EXPECT_EQ(Draw(target, 0, 99, "Head", "Foot"), 48);
    const auto& d = target.Drawn();
    ASSERT_EQ(d.size(), 5u);
    EXPECT_EQ(d[0].text, "Head");
    EXPECT_TRUE(d[1].text.startsWith("0x00:"));
    EXPECT_TRUE(d[2].text.startsWith("0x10:"));
    EXPECT_TRUE(d[3].text.startsWith("0x20:"));
    EXPECT_EQ(d[4].text, "Foot");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(target.Top(d[size_t(i)]), canvas.Top + i * step) << i;
    EXPECT_EQ(target.Top(d[4]), canvas.Bottom - step);
    // Without header and footer the same room holds five dump lines.
    target.Clear();
    EXPECT_EQ(Draw(target, 48, 99), 100);
    EXPECT_EQ(target.Drawn().size(), 4u); // 52 bytes left: three full lines and four bytes
}

TEST_F(HexToCanvasTest, PagesFollowOneAnotherUntilTheEnd) {
    Load(200);
    TRecordingCanvas target(3000, 3000);
    Room(target, 5);
    QStringList offsets;
    int32_t first = 0;
    int pages = 0;
    while (first <= 199) {
        const int32_t next = Draw(target, first, 199, "H", QString("P%1").arg(++pages));
        ASSERT_GT(next, first);
        first = next;
    }
    EXPECT_EQ(first, 200);
    EXPECT_EQ(pages, 5); // 13 lines, three a page
    for (const auto& d : target.Drawn())
        if (d.text.startsWith("0x")) offsets << d.text.left(5);
    ASSERT_EQ(offsets.size(), 13);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(offsets[i],
                  QString("0x%1:").arg(i * 16, 2, 16, QChar('0')).toUpper().replace("0X", "0x"));
}

TEST_F(HexToCanvasTest, APageTooShortForOneLine) {
    Load(100);
    TRecordingCanvas target(3000, 3000);
    Room(target, 2); // header and footer only
    EXPECT_EQ(Draw(target, 32, 99, "H", "F"), 32);
    EXPECT_EQ(target.Texts(), (std::vector<QString>{"H", "F"}));
    target.Clear();
    canvas.AtLeastOneLine = true;
    EXPECT_EQ(Draw(target, 32, 99, "H", "F"), 48);
    ASSERT_EQ(target.Drawn().size(), 3u);
    EXPECT_TRUE(target.Drawn()[1].text.startsWith("0x20:"));
    canvas.Bottom = canvas.Top; // no room at all: still one line
    target.Clear();
    EXPECT_EQ(Draw(target, 96, 99, "H", "F"), 100);
}

TEST_F(HexToCanvasTest, DrawingTheSamePageTwiceDrawsTheSamePage) {
    Load(QByteArray("0123456789abcdefghijklmnopqrstuvwxyz!@#$%^&*()ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    canvas.SetShrinkToFit(true);
    canvas.SetStretchToFit(true);
    QImage first(900, 400, QImage::Format_RGB32), second(900, 400, QImage::Format_RGB32);
    first.fill(Qt::white);
    second.fill(Qt::white);
    canvas.Top = 20;
    canvas.Left = 30;
    canvas.Bottom = 380;
    canvas.Right = 870;
    QFont painterFont(QStringLiteral("DejaVu Sans"));
    painterFont.setPixelSize(7);
    int32_t a = 0, b = 0;
    {
        QPainter p(&first);
        p.setFont(painterFont);
        a = canvas.DrawPage(p, 0, 1000, "Header", "Page 1");
        EXPECT_EQ(p.font(), painterFont); // the painter's font is given back
        QPainter q(&second);
        q.setFont(painterFont);
        b = canvas.DrawPage(q, 0, 1000, "Header", "Page 1");
    }
    EXPECT_EQ(a, 72);
    EXPECT_EQ(b, 72);
    EXPECT_EQ(first, second);
    // Something was drawn, and nothing outside the rectangle's left margin.
    QImage white(900, 400, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_NE(first, white);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(first.pixel(x, y), white.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(canvas.Top, 20); // the rectangle and the properties stay as they were
    EXPECT_EQ(canvas.Font().pixelSize(), 20);
}

TEST_F(HexToCanvasTest, ShrinkKeepsTheSizeOfANarrowLineAndShrinksAWideOne) {
    Load(64);
    TRecordingCanvas target(3000, 3000);
    Room(target, 10);
    canvas.SetStretchToFit(false);
    canvas.SetShrinkToFit(true);
    Draw(target, 0, 63);
    for (const auto& d : target.Drawn())
        EXPECT_EQ(d.font.pixelSize(), 20);
    // A rectangle narrower than the line: the largest size that fits.
    const QString line = canvas.FormatDumpLine(0, 63);
    const int width = QFontMetrics(canvas.Font(), &target).horizontalAdvance(line);
    canvas.Right = canvas.Left + width * 3 / 4;
    target.Clear();
    Draw(target, 0, 63, "H", "F");
    ASSERT_FALSE(target.Drawn().empty());
    const QFont used = target.Drawn()[0].font;
    EXPECT_LT(used.pixelSize(), 20);
    for (const auto& d : target.Drawn())
        EXPECT_EQ(d.font.pixelSize(), used.pixelSize()) << "one size for the whole page";
    EXPECT_LE(QFontMetrics(used, &target).horizontalAdvance(line), canvas.Right - canvas.Left);
    QFont bigger = used;
    bigger.setPixelSize(used.pixelSize() + 1);
    EXPECT_GT(QFontMetrics(bigger, &target).horizontalAdvance(line), canvas.Right - canvas.Left);
    // Too narrow for any size: size 1, and the page still ends.
    canvas.Right = canvas.Left + 1;
    target.Clear();
    EXPECT_EQ(Draw(target, 0, 63), 64);
    EXPECT_EQ(target.Drawn()[0].font.pixelSize(), 1);
}

TEST_F(HexToCanvasTest, StretchFillsTheWidth) {
    Load(64);
    TRecordingCanvas target(6000, 3000);
    Room(target, 10);
    canvas.SetStretchToFit(true);
    const QString line = canvas.FormatDumpLine(0, 63);
    Draw(target, 0, 63);
    ASSERT_FALSE(target.Drawn().empty());
    const QFont used = target.Drawn()[0].font;
    EXPECT_GT(used.pixelSize(), 20);
    EXPECT_LE(QFontMetrics(used, &target).horizontalAdvance(line), canvas.Right - canvas.Left);
    QFont bigger = used;
    bigger.setPixelSize(used.pixelSize() + 1);
    EXPECT_GT(QFontMetrics(bigger, &target).horizontalAdvance(line), canvas.Right - canvas.Left);
    // A line with nothing in it stretches no further than the rectangle is
    // high; then no line fits under the header.
    canvas.SetOffsetDisplay(odNone);
    canvas.SetOffsetSeparator(0);
    canvas.SetMemFieldDisplay(odNone);
    canvas.SetMemFieldSeparator(0);
    canvas.SetDisplayCharField(false);
    target.Clear();
    EXPECT_EQ(Draw(target, 0, 63, "H"), 0);
    ASSERT_EQ(target.Texts(), std::vector<QString>{"H"});
    const QFontMetrics fm(target.Drawn()[0].font, &target);
    EXPECT_GE(fm.height(), canvas.Bottom - canvas.Top);
    EXPECT_LT(fm.height(), 2 * (canvas.Bottom - canvas.Top));
}

TEST_F(HexToCanvasTest, APdfPageReadsBackAsTheDump) {
    Load(QByteArray("abcdefghijklmnopqrst"));
    const QString path = testenv::ScratchPath(QStringLiteral("page.pdf"));
    {
        QPdfWriter pdf(path);
        pdf.setResolution(600);
        canvas.SetFont(QFont(QStringLiteral("courier new"), 10));
        canvas.Top = pdf.height() / 20;
        canvas.Left = pdf.width() / 20;
        canvas.Bottom = pdf.height() - pdf.height() / 20;
        canvas.Right = pdf.width() - pdf.width() / 20;
        QPainter p(&pdf);
        EXPECT_EQ(canvas.DrawPage(p, 0, 19, "Header line", "Page 1"), 20);
    }
    const QStringList pages = PdfPages(path);
    ASSERT_EQ(pages.size(), 1);
    QStringList lines;
    for (const QString& l : pages[0].split('\n'))
        if (!l.trimmed().isEmpty()) lines << l.trimmed();
    ASSERT_EQ(lines.size(), 4) << pages[0].toStdString();
    EXPECT_EQ(lines[0], "Header line");
    // The layout of the reading back spaces columns its own way: blanks are
    // compared as single ones here (the recording canvas checks them exactly).
    EXPECT_EQ(lines[1].simplified().toStdString(),
              "0x00:6162 6364 6566 6768 696A 6B6C 6D6E 6F70 abcdefghijklmnop");
    EXPECT_EQ(lines[2].simplified().toStdString(), "0x10:7172 7374 qrst");
    EXPECT_EQ(lines[3], "Page 1");
}
