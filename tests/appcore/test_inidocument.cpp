#include "appcore/inidocument.h"

#include <gtest/gtest.h>

using ini::TIniDocument;

TEST(IniDocument, UntouchedFileIsKeptByteForByte) {
    for (QByteArray text :
         {QByteArray(""), QByteArray("a"), QByteArray("[A]\r\nx=1\r\n\r\n; note\r\n"),
          QByteArray("\xEF\xBB\xBF[A]\nx = 1\n[B]\ry=2"), QByteArray("no section\n\n=\n[\n]x\n")})
        EXPECT_EQ(TIniDocument::Parse(text).Serialize(), text);
}

TEST(IniDocument, NamesMatchWithoutCaseAndTheFirstWins) {
    const auto doc = TIniDocument::Parse("[pozycje]\nFLAGS=1\nflags=2\n[Pozycje]\nFlags=3\n");
    EXPECT_TRUE(doc.HasSection(u"POZYCJE"));
    EXPECT_EQ(doc.Value(u"Pozycje", u"Flags"), QStringLiteral("1"));
    EXPECT_FALSE(doc.Value(u"Pozycje", u"Flag"));
    EXPECT_FALSE(doc.Value(u"Inna", u"Flags"));
}

TEST(IniDocument, ValuesAreTrimmedAndOnePairOfQuotesIsStripped) {
    const auto doc = TIniDocument::Parse("[S]\n a = x y \t\nb=\"q\"\nc='q'\nd=\"\"q\"\"\ne=\"q'\n"
                                         "f=\"\nh=\ng\n");
    EXPECT_EQ(doc.Value(u"S", u"a"), QStringLiteral("x y"));
    EXPECT_EQ(doc.Value(u"S", u"b"), QStringLiteral("q"));
    EXPECT_EQ(doc.Value(u"S", u"c"), QStringLiteral("q"));
    EXPECT_EQ(doc.Value(u"S", u"d"), QStringLiteral("\"q\""));
    EXPECT_EQ(doc.Value(u"S", u"e"), QStringLiteral("\"q'"));
    EXPECT_EQ(doc.Value(u"S", u"f"), QStringLiteral("\""));
    EXPECT_EQ(doc.Value(u"S", u"h"), QString());
    EXPECT_FALSE(doc.Value(u"S", u"g")); // a line without "=" is no key
    EXPECT_EQ(doc.RawValue(u"S", u"b"), QStringLiteral("\"q\""));
}

TEST(IniDocument, WriteRuleAddsQuotesThatTheReadRuleTakesAway) {
    EXPECT_EQ(TIniDocument::WriteRule(QStringLiteral("  x  ")), QStringLiteral("x"));
    EXPECT_EQ(TIniDocument::WriteRule(QStringLiteral("\"a\"")), QStringLiteral("\"\"a\"\""));
    EXPECT_EQ(TIniDocument::WriteRule(QStringLiteral("'a'")), QStringLiteral("\"'a'\""));
    EXPECT_EQ(TIniDocument::WriteRule(QStringLiteral("\"a")), QStringLiteral("\"a"));
    EXPECT_EQ(TIniDocument::WriteRule(QStringLiteral("a\nb")), QStringLiteral("a b"));
    for (QString v : {QStringLiteral("\"a\""), QStringLiteral("'b'"), QStringLiteral("c"),
                      QStringLiteral("\"\"")}) {
        TIniDocument doc;
        doc.SetValue(QStringLiteral("S"), QStringLiteral("k"), v);
        EXPECT_EQ(TIniDocument::Parse(doc.Serialize()).Value(u"S", u"k"), v);
    }
}

TEST(IniDocument, SettingKeepsOtherLinesAndTheFileLineEnds) {
    auto doc =
        TIniDocument::Parse("; top\r\n[A]\r\nx=1\r\n\r\n[Pozycje]\r\nold=1\r\n\r\n[B]\r\ny=2");
    doc.SetValue(QStringLiteral("pozycje"), QStringLiteral("OLD"), QStringLiteral("5"));
    doc.SetValue(QStringLiteral("Pozycje"), QStringLiteral("new"), QStringLiteral("6"));
    doc.SetValue(QStringLiteral("C"), QStringLiteral("z"), QStringLiteral("7"));
    EXPECT_EQ(doc.Serialize(),
              QByteArray("; top\r\n[A]\r\nx=1\r\n\r\n[Pozycje]\r\nOLD=5\r\nnew=6\r\n"
                         "\r\n[B]\r\ny=2\r\n\r\n[C]\r\nz=7\r\n"));
}

TEST(IniDocument, NewFileUsesLineFeeds) {
    TIniDocument doc;
    doc.SetValue(QStringLiteral("Pozycje"), QStringLiteral("a"), QStringLiteral("1"));
    doc.SetValue(QStringLiteral("Pozycje"), QStringLiteral("b"), QStringLiteral("zażółć"));
    EXPECT_EQ(doc.Serialize(),
              QByteArray("[Pozycje]\na=1\nb=za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\n"));
    EXPECT_EQ(TIniDocument::Parse(doc.Serialize()).Value(u"Pozycje", u"b"),
              QStringLiteral("zażółć"));
}

TEST(IniDocument, EightBitValuesAreReadAsWindows1250) {
    const auto doc = TIniDocument::Parse("[S]\nk=\xB9\xE6\n");
    EXPECT_EQ(doc.Value(u"S", u"k"), QStringLiteral("ąć"));
}

TEST(IniDocument, EraseSectionRemovesEveryCopyAndOnlyThem) {
    auto doc = TIniDocument::Parse("[A]\na=1\n[Pozycje]\nx=1\n\n[B]\nb=2\n[POZYCJE]\ny=2\n");
    doc.EraseSection(u"Pozycje");
    EXPECT_FALSE(doc.HasSection(u"Pozycje"));
    EXPECT_EQ(doc.Serialize(), QByteArray("[A]\na=1\n[B]\nb=2\n"));
    doc.EraseSection(u"Missing");
    EXPECT_EQ(doc.Serialize(), QByteArray("[A]\na=1\n[B]\nb=2\n"));
}

TEST(IniDocument, RemoveKeyAndKeysList) {
    auto doc = TIniDocument::Parse("[S]\na=1\nb=2\n");
    EXPECT_EQ(doc.Keys(u"S"), (QStringList{"a", "b"}));
    EXPECT_TRUE(doc.RemoveKey(u"s", u"A"));
    EXPECT_FALSE(doc.RemoveKey(u"s", u"A"));
    EXPECT_EQ(doc.Serialize(), QByteArray("[S]\nb=2\n"));
}

TEST(IniDocument, AppendingAfterAnUnterminatedLastLine) {
    auto doc = TIniDocument::Parse("[S]\r\na=1");
    doc.SetValue(QStringLiteral("S"), QStringLiteral("b"), QStringLiteral("2"));
    EXPECT_EQ(doc.Serialize(), QByteArray("[S]\r\na=1\r\nb=2\r\n"));
}
