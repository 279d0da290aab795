// The RTF reader: documents of real writers, the parts of RTF that carry no
// text, code pages, Unicode escapes, and input that is not well formed.
#include "appcore/rtfreader.h"
#include "tests/appcore/rtfsamples.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {
QString Read(const char* rtf) {
    return rtf::ToText(QByteArrayView(rtf));
}
} // namespace

TEST(RtfReader, RecognisesRtfByItsStart) {
    EXPECT_TRUE(rtf::LooksLikeRtf("{\\rtf1\\ansi x}"));
    EXPECT_FALSE(rtf::LooksLikeRtf(" {\\rtf1}"));
    EXPECT_FALSE(rtf::LooksLikeRtf("<html>{\\rtf1}</html>"));
    EXPECT_FALSE(rtf::LooksLikeRtf(""));
}

TEST(RtfReader, ReadsTextWrittenByLibreOfficeFromAPolishTextFile) {
    const QByteArray doc = RtfSample("lo_plain.rtf");
    ASSERT_FALSE(doc.isEmpty());
    EXPECT_EQ(rtf::ToText(doc), QStringLiteral("Zażółć gęślą jaźń.\r\n"
                                               "Pchnąć w tę łódź jeża lub ośm skrzyń fig.\r\n"
                                               "\r\n"
                                               "ZAŻÓŁĆ GĘŚLĄ JAŹŃ\tkoniec"));
}

TEST(RtfReader, ReadsAFormattedLibreOfficeDocumentWithATable) {
    const QByteArray doc = RtfSample("lo_formatted.rtf");
    ASSERT_FALSE(doc.isEmpty());
    EXPECT_EQ(rtf::ToText(doc),
              QStringLiteral("Źdźbło trawy i chrząszcz brzmi w trzcinie.\r\n"
                             "„Cudzysłów” — myślnik, ‘apostrof’ oraz znak € i ąę.\r\n"
                             "Łódź\tKraków\t\r\n"
                             "Ostatni akapit: śćń."));
}

TEST(RtfReader, ReadsAWordPadStyleDocumentInItsCodePage) {
    const QByteArray doc = RtfSample("wordpad.rtf");
    ASSERT_FALSE(doc.isEmpty());
    EXPECT_EQ(rtf::ToText(doc), QStringLiteral("Zażółć gęślą jaźń\r\nPogrubione i zwykłe\ttab\r\n"
                                               "Café"));
}

TEST(RtfReader, ReadsNestedGroupsUnicodeFontTablesPicturesAndFields) {
    const QByteArray doc = RtfSample("handmade.rtf");
    ASSERT_FALSE(doc.isEmpty());
    EXPECT_EQ(rtf::ToText(doc), QStringLiteral("Początek zagnieżdżone głęboko grupy koniec.\r\n"
                                               "Unicode: żółć, Ś i ź.\r\n"
                                               "Po obrazku.\r\n"
                                               "odnośnik w tekście.\r\n"
                                               "Wé are\u00A0here,—–‘’“”•\r\n"
                                               "Привет\r\nKoniec dokumentu"));
}

TEST(RtfReader, SkipsDestinationsWithoutText) {
    EXPECT_EQ(Read("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1;}{\\stylesheet{\\s0 N;}}"
                   "{\\info{\\title T}}{\\*\\x y}{\\header H}{\\footer F}a}"),
              "a");
    EXPECT_EQ(Read("{\\rtf1 a{\\pict\\bin4 }}}}}b}"), "ab"); // binary data holds braces
}

TEST(RtfReader, ReadsTheCodePageOfTheDocumentOrOfTheFont) {
    EXPECT_EQ(Read("{\\rtf1\\ansi\\ansicpg1250 \\'b9}"), u"ą");
    EXPECT_EQ(Read("{\\rtf1\\ansi \\'b9}"), u"¹"); // Windows-1252 when nothing else is said
    EXPECT_EQ(Read("{\\rtf1\\ansi{\\fonttbl\\f0\\fcharset238 A;\\f1\\fcharset0 B;}"
                   "\\f0\\'b9{\\f1\\'b9}\\'b9}"),
              u"ą¹ą");
    EXPECT_EQ(Read("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f1\\fcharset204 C;}}\\'e0}"), u"а");
    EXPECT_EQ(Read("{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f2\\cpg1251 C;}}\\f2\\'e0\\plain\\'e0}"),
              u"аŕ");
    EXPECT_EQ(Read("{\\rtf1\\ansi\\ansicpg1250 \xb9}"), u"ą"); // raw 8-bit text
}

TEST(RtfReader, UnicodeEscapesSkipTheirFallbacks) {
    EXPECT_EQ(Read("{\\rtf1 \\u261\\'b9x}"), u"ąx");
    EXPECT_EQ(Read("{\\rtf1 \\uc2\\u261\\'b9\\'b9x}"), u"ąx");
    EXPECT_EQ(Read("{\\rtf1 \\uc0\\u261 x}"), u"ąx");
    EXPECT_EQ(Read("{\\rtf1 \\u261 ab}"), u"ąb");
    EXPECT_EQ(Read("{\\rtf1 \\u-3913?}"), QString(QChar(char16_t(0xF0B7))));
    EXPECT_EQ(Read("{\\rtf1 {\\uc3\\u261 a}b}"), u"ąb"); // a group's end stops the skipping
    EXPECT_EQ(Read("{\\rtf1 \\u261\\par x}"), u"ąx");    // a control word counts as one
}

TEST(RtfReader, BreaksTabsAndSymbols) {
    EXPECT_EQ(Read("{\\rtf1 a\\par b\\line c\\tab d\\par}"), u"a\r\nb\r\nc\td");
    EXPECT_EQ(Read("{\\rtf1 a\\par\\par}"), u"a\r\n");
    EXPECT_EQ(Read("{\\rtf1 \\{\\}\\\\\\~\\-\\_}"), u"{}\\\u00A0-");
    EXPECT_EQ(Read("{\\rtf1 a\\\nb}"), u"a\r\nb");
    EXPECT_EQ(Read("{\\rtf1 a\r\nb\tc}"), u"ab\tc");
}

TEST(RtfReader, ControlWordsEndAtTheirDelimiter) {
    EXPECT_EQ(Read("{\\rtf1\\b bold\\b0  x}"), u"bold x");
    EXPECT_EQ(Read("{\\rtf1\\fs-20-x}"), u"-x");
    EXPECT_EQ(Read("{\\rtf1\\abcdefghijklmnopqrstuvwxyzabcdefghijklmnop x}"), u"x");
}

TEST(RtfReader, MalformedInputGivesABestEffortText) {
    EXPECT_EQ(Read("{\\rtf1 abc"), u"abc"); // never closed
    EXPECT_EQ(Read("{\\rtf1 a}}}b"), u"a"); // the document has ended
    EXPECT_EQ(Read("}}{\\rtf1 a}"), u"a");  // stray closing braces
    EXPECT_EQ(Read("{\\rtf1 a\\'"), u"a");  // truncated escapes
    EXPECT_EQ(Read("{\\rtf1 a\\'4"), u"a\x04");
    EXPECT_EQ(Read("{\\rtf1 a\\'zz}"), u"azz");
    EXPECT_EQ(Read("{\\rtf1 a\\"), u"a");
    EXPECT_EQ(Read("{\\rtf1 a\\u"), u"a");
    EXPECT_EQ(Read("{\\rtf1 \\u99999999999999999999999 a}"), u"");
    EXPECT_EQ(Read("{\\rtf1 \\uc99999999999 \\u261 abcdefghijklmnopqrstu}"), u"ąqrstu");
    EXPECT_EQ(Read("{\\rtf1 a\\bin99999999999 b}"), u"a");
    EXPECT_EQ(Read("{\\rtf1 a\\bin-5 b}"), u"ab");
    EXPECT_EQ(Read("{\\rtf1 a\\'00b}"), QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
}

TEST(RtfReader, DeepNestingIsReadInLinearTime) {
    const int depth = 2000000;
    QByteArray doc = "{\\rtf1 ";
    doc += QByteArray(depth, '{') + "x" + QByteArray(depth, '}') + "y}";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(rtf::ToText(doc), u"xy");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(Read("{\\rtf1 {{{{\\*\\x}}}}z}"), u"z");
}

TEST(RtfReader, TheTextIsNeverLongerThanTheInput) {
    for (const char* doc : {"{\\rtf1\\par\\par\\par\\par x}", "\\~\\~\\~\\~", "\\u1\\u1\\u1\\u1",
                            "\\tab\\tab\\line\\line", "\\'41\\'41\\'41"})
        EXPECT_LE(Read(doc).size(), qsizetype(std::strlen(doc)));
}
