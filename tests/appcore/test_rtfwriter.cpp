// The RTF writer: what the document declares, how characters are written, and
// that the reader gives back exactly the text that went in.
#include "appcore/rtfreader.h"
#include "appcore/rtfwriter.h"
#include "base/cp1250.h"

#include <QList>
#include <gtest/gtest.h>

namespace {
TRtfFont Font(const QString& family = QStringLiteral("Courier New"), double size = 10) {
    TRtfFont f;
    f.Family = family;
    f.PointSize = size;
    return f;
}

// Every byte from 0x20 to 0xFF, as the editor holds them.
QString AllPrintableBytes() {
    QByteArray bytes;
    for (int b = 0x20; b <= 0xFF; ++b)
        bytes.append(char(b));
    return cp1250::Decode(bytes);
}
} // namespace

TEST(RtfWriter, DeclaresWindows1250AndTheFont) {
    const QByteArray doc = TRtfWriter::Document(u"x", Font("Arial", 12));
    EXPECT_TRUE(doc.startsWith("{\\rtf1\\ansi\\ansicpg1250"));
    EXPECT_TRUE(doc.contains("{\\fonttbl{\\f0\\fnil\\fcharset238 Arial;}}"));
    EXPECT_TRUE(doc.contains("\\f0\\fs24 x"));
    EXPECT_TRUE(doc.trimmed().endsWith('}'));
    EXPECT_EQ(doc.count('{'), doc.count('}'));
}

TEST(RtfWriter, WritesFractionalSizesBoldAndItalic) {
    TRtfFont f = Font("Courier New", 10.5);
    f.Bold = true;
    f.Italic = true;
    const QByteArray doc = TRtfWriter::Document(u"x", f);
    EXPECT_TRUE(doc.contains("\\fs21\\b\\i x")) << doc.constData();
}

TEST(RtfWriter, EscapesBracesAndBackslashesAndWritesBreaksAndTabs) {
    const QByteArray doc = TRtfWriter::Document(u"a{b}c\\d\te\r\nf\ng\rh", Font());
    EXPECT_TRUE(doc.contains("a\\{b\\}c\\\\d\\tab e\\par\r\nf\\par\r\ng\\par\r\nh\\par\r\n}"))
        << doc.constData();
}

TEST(RtfWriter, WritesPolishLettersAsUnicodeWithTheirWindows1250Byte) {
    const QByteArray doc = TRtfWriter::Document(u"ąŁ", Font());
    EXPECT_TRUE(doc.contains("\\uc1"));
    EXPECT_TRUE(doc.contains("\\u261\\'b9\\u321\\'a3")) << doc.constData();
}

TEST(RtfWriter, KeepsEveryFileLineShortAndPlainAscii) {
    const QString text = QString(5000, QChar(u'ż'));
    const QByteArray doc = TRtfWriter::Document(text, Font());
    for (const QByteArray& line : doc.split('\n'))
        EXPECT_LE(line.size(), 240);
    for (char c : doc)
        EXPECT_LT(uint8_t(c), 0x80);
}

TEST(RtfWriter, EveryByteFrom0x20To0xFFReadsBackExactly) {
    const QString text = AllPrintableBytes();
    const QString back = rtf::ToText(TRtfWriter::Document(text, Font()));
    EXPECT_EQ(cp1250::Encode(back).toHex(), cp1250::Encode(text).toHex());
}

TEST(RtfWriter, TextWithBreaksTabsAndEmptyLinesReadsBackExactly) {
    for (const QString& text :
         {QString(), QStringLiteral("\r\n"), QStringLiteral("a\r\n"), QStringLiteral("\r\n\r\nb"),
          QStringLiteral("Zażółć\tgęślą\r\njaźń {x} \\par\r\n\r\n")}) {
        const QString back = rtf::ToText(TRtfWriter::Document(text, Font()));
        EXPECT_EQ(back, text);
    }
}

TEST(RtfWriter, ControlCharactersKeepTheirBytes) {
    const QString text = QStringLiteral("a\fb") + QChar(1) + QChar(0x1A);
    EXPECT_EQ(rtf::ToText(TRtfWriter::Document(text, Font())), text);
}

TEST(RtfWriter, FontNamesAreWrittenSafely) {
    const QByteArray doc = TRtfWriter::Document(u"x", Font("Zł;{x}"));
    EXPECT_TRUE(doc.contains("\\fcharset238 Z\\u322\\'b3\\{x\\};}")) << doc.constData();
    EXPECT_EQ(rtf::ToText(doc), "x");
}

TEST(RtfWriter, StopsWhenTheSinkFails) {
    int blocks = 0;
    TRtfWriter writer(Font(), [&](QByteArrayView) {
        ++blocks;
        return false;
    });
    EXPECT_FALSE(writer.Begin());
    EXPECT_FALSE(writer.Text(QString(200000, QChar('a'))));
    EXPECT_FALSE(writer.End());
    EXPECT_EQ(blocks, 1);
}

TEST(RtfWriter, TextInPiecesGivesTheSameDocument) {
    const QString text = QStringLiteral("ab\r\ncd\r\nęf");
    QByteArray pieces;
    TRtfWriter writer(Font(), [&](QByteArrayView b) {
        pieces.append(b);
        return true;
    });
    writer.Begin();
    writer.Text(QStringView(text).first(3)); // ends inside the CR LF
    writer.Text(QStringView(text).sliced(3));
    writer.End();
    EXPECT_EQ(pieces, TRtfWriter::Document(text, Font()));
}
