#include "appcore/settingsstore.h"

#include <gtest/gtest.h>

using namespace settings;
using ini::TIniDocument;

namespace {
TIniDocument Section(const QByteArray& body) {
    return TIniDocument::Parse("[Pozycje]\n" + body);
}
TPlacement SomePlacement() {
    TPlacement p;
    p.Flags = 0;
    p.ShowCmd = 3;
    p.PixelsPerInch = 96;
    p.Left = 10;
    p.Top = 20;
    p.Right = 610;
    p.Bottom = 420;
    return p;
}
} // namespace

TEST(SettingsStore, FactoryValues) {
    const TProperties p = FactoryProperties();
    EXPECT_FALSE(p.WordWrap);
    EXPECT_EQ(p.PasekNarz, TAlign::Top);
    EXPECT_EQ(p.PasekHex1, TAlign::Top);
    EXPECT_EQ(p.EdytorColor, -2147483643);
    EXPECT_EQ(p.EdytorFont,
              (TFontProps{1, -2147483640, -11, "MS Sans Serif", TPitch::Default, 8, 0}));
    EXPECT_EQ(p.HexColors,
              (THexColors{-2147483643, 128, 255, -2147483643, 255, 0, 0, 16711680, 8388608}));
    EXPECT_EQ(p.HexFont, (TFontProps{0, 0, -16, "courier new", TPitch::Fixed, 12, 0}));
}

TEST(SettingsStore, WritesEveryKeyInTheStoredOrder) {
    TIniDocument doc;
    TProperties p = FactoryProperties();
    p.EdytorFont.Style = fsBold | fsStrikeOut;
    WriteSection(doc, SomePlacement(), p, QSize(1024, 768), false);
    const QByteArray expected =
        "[Pozycje]\nFlags=0\nShowCmd=3\nPixelsPerInch=96\nMinMaxPos=-1,-1,-1,-1\n"
        "NormPos=10,20,610,420\nMinMaxPos(1024x768)=-1,-1,-1,-1\nNormPos(1024x768)=10,20,610,420\n"
        "Visible=0\nZawijWier1_Checked=False\nPasekNarz_Align=alTop\nPasekHex1_Align=alTop\n"
        "Edytor_Color=-2147483643\nEdytor_FontCharset=1\nEdytor_FontColor=-2147483640\n"
        "Edytor_FontHeight=-11\nEdytor_FontName=MS Sans Serif\nEdytor_FontPitch=fpDefault\n"
        "Edytor_FontSize=8\nEdytor_FontStyle=[fsBold,fsStrikeOut]\n"
        "HexEditor1_ColorsBackground=-2147483643\nHexEditor1_ColorsPositionBackground=128\n"
        "HexEditor1_ColorsPositionText=255\nHexEditor1_ColorsChangedBackground=-2147483643\n"
        "HexEditor1_ColorsChangedText=255\nHexEditor1_ColorsCursorFrame=0\n"
        "HexEditor1_ColorsOffset=0\nHexEditor1_ColorsOddColumn=16711680\n"
        "HexEditor1_ColorsEvenColumn=8388608\nHexEditor1_FontCharset=0\nHexEditor1_FontColor=0\n"
        "HexEditor1_FontHeight=-16\nHexEditor1_FontName=courier new\n"
        "HexEditor1_FontPitch=fpFixed\nHexEditor1_FontSize=12\nHexEditor1_FontStyle=[]\n";
    EXPECT_EQ(doc.Serialize(), expected);
    // Written again at destruction: the same keys, Visible now 1.
    WriteSection(doc, SomePlacement(), p, QSize(1024, 768), true);
    EXPECT_EQ(doc.Serialize(), QByteArray(expected).replace("Visible=0", "Visible=1"));
}

TEST(SettingsStore, WhatIsWrittenReadsBackTheSame) {
    TProperties p = FactoryProperties();
    p.WordWrap = true;
    p.PasekNarz = TAlign::Bottom;
    p.PasekHex1 = TAlign::Right;
    p.EdytorColor = 0x123456;
    p.EdytorFont = {
        238, 0x00FF00, -21, "\"Liberation Serif\"", TPitch::Variable, 16, fsItalic | fsUnderline};
    p.HexColors = {1, 2, 3, 4, 5, 6, 7, 8, -2147483633};
    p.HexFont = {0, 0xFF, -13, "DejaVu Sans Mono", TPitch::Fixed, 10, fsBold};
    TIniDocument doc;
    WriteSection(doc, SomePlacement(), p, QSize(800, 600), false);
    TProperties back = FactoryProperties();
    ReadProperties(TIniDocument::Parse(doc.Serialize()), back);
    EXPECT_EQ(back, p);
    const auto pl =
        ReadPlacement(TIniDocument::Parse(doc.Serialize()), QSize(800, 600), TPlacement{});
    EXPECT_TRUE(pl.FoundPosition);
    EXPECT_EQ(pl.Values, SomePlacement());
}

TEST(SettingsStore, MissingKeysLeaveValuesAndBadOnesFollowTheRules) {
    TProperties p = FactoryProperties();
    p.WordWrap = true;
    ReadProperties(
        Section("Edytor_Color=blue\nHexEditor1_ColorsOffset= 42 \nZawijWier1_Checked=tak\n"
                "PasekNarz_Align=ALBOTTOM\nPasekHex1_Align=alMiddle\n"
                "Edytor_FontPitch=FPFIXED\nEdytor_FontStyle=[fsBold, fsWide ,FSITALIC]\n"
                "HexEditor1_FontName=\"courier\"\nHexEditor1_FontSize=99999999999\n"
                "Edytor_FontHeight=+7\n"),
        p);
    EXPECT_EQ(p.EdytorColor, 0); // not a number: black
    EXPECT_EQ(p.HexColors[6], 42);
    EXPECT_TRUE(p.WordWrap); // "tak" is no name: unchanged
    EXPECT_EQ(p.PasekNarz, TAlign::Bottom);
    EXPECT_EQ(p.PasekHex1, TAlign::Top);
    EXPECT_EQ(p.EdytorFont.Pitch, TPitch::Fixed);
    EXPECT_EQ(p.EdytorFont.Style, fsBold | fsItalic);
    EXPECT_EQ(p.HexFont.Name, "courier");
    EXPECT_EQ(p.HexFont.Size, 0); // too large for 32 bits
    EXPECT_EQ(p.EdytorFont.Height, 7);
    EXPECT_EQ(p.HexColors[0], FactoryProperties().HexColors[0]);
    TProperties q = FactoryProperties();
    ReadProperties(TIniDocument::Parse("[Inna]\nEdytor_Color=1\n"), q);
    EXPECT_EQ(q, FactoryProperties());
}

TEST(SettingsStore, ParseIntBoundaries) {
    EXPECT_EQ(ParseInt("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt("-2147483648"), INT32_MIN);
    EXPECT_FALSE(ParseInt("2147483648"));
    EXPECT_FALSE(ParseInt("-2147483649"));
    EXPECT_FALSE(ParseInt("-"));
    EXPECT_FALSE(ParseInt(""));
    EXPECT_FALSE(ParseInt("$FF"));
    EXPECT_FALSE(ParseInt("1 2"));
    EXPECT_EQ(ParseInt(" -12 "), -12);
}

TEST(SettingsStore, ScreenSizeKeysAreReadFirst) {
    const auto doc = Section("NormPos=1,2,301,202\nNormPos(1024x768)=5,6,405,306\n"
                             "MinMaxPos=-1,-1,7,8\n");
    auto r = ReadPlacement(doc, QSize(1024, 768), TPlacement{});
    EXPECT_TRUE(r.FoundPosition);
    EXPECT_EQ(r.Values.Left, 5);
    EXPECT_EQ(r.Values.Right, 405);
    EXPECT_EQ(r.Values.MaxPos, QPoint(7, 8));
    r = ReadPlacement(doc, QSize(800, 600), TPlacement{});
    EXPECT_EQ(r.Values.Left, 1);
    EXPECT_EQ(r.Values.Bottom, 202);
}

TEST(SettingsStore, PlacementOnlyWithAPositionAndTheSameResolution) {
    TPlacement current;
    current.PixelsPerInch = 96;
    const QRect here(194, 109, 760, 540);
    auto none = ReadPlacement(Section("ShowCmd=3\n"), QSize(1024, 768), current);
    EXPECT_FALSE(none.FoundPosition);
    EXPECT_FALSE(PlaceAt(none, 96, here, false));
    EXPECT_EQ(StateOfShowCmd(none.Values.ShowCmd), TWindowState::Maximized);

    auto other =
        ReadPlacement(Section("PixelsPerInch=120\nNormPos=1,2,301,202\n"), QSize(1, 1), current);
    EXPECT_FALSE(PlaceAt(other, 96, here, false));

    auto same = ReadPlacement(Section("NormPos=1,2,301,202\n"), QSize(1, 1), current);
    EXPECT_EQ(PlaceAt(same, 96, here, false), QRect(1, 2, 300, 200));
    EXPECT_EQ(PlaceAt(same, 96, here, true), QRect(1, 2, 760, 540));

    auto empty = ReadPlacement(Section("NormPos=300,2,300,202\n"), QSize(1, 1), current);
    EXPECT_FALSE(PlaceAt(empty, 96, here, false));
    auto partly = ReadPlacement(Section("NormPos=x,2,300\n"), QSize(1, 1), current);
    EXPECT_EQ(partly.Values.Left, 0); // unreadable parts keep the current values
    EXPECT_EQ(partly.Values.Right, 300);
}

TEST(SettingsStore, ShowCmdStates) {
    EXPECT_EQ(StateOfShowCmd(0), TWindowState::Normal);
    EXPECT_EQ(StateOfShowCmd(1), TWindowState::Normal);
    EXPECT_EQ(StateOfShowCmd(3), TWindowState::Maximized);
    for (int c : {2, 6, 7})
        EXPECT_EQ(StateOfShowCmd(c), TWindowState::Minimized);
    EXPECT_EQ(StateOfShowCmd(-5), TWindowState::Normal);
    const auto r = ReadPlacement(Section("Flags=1\n"), QSize(1, 1), TPlacement{});
    EXPECT_FALSE(r.FoundShowCmd);
    EXPECT_EQ(StateOfShowCmd(r.Values.ShowCmd), TWindowState::Normal);
}

TEST(SettingsStore, WindowsOffEveryScreenComeBack) {
    const QList<QRect> screens{QRect(0, 0, 1024, 768), QRect(1024, 0, 800, 600)};
    EXPECT_EQ(KeepOnScreens(QRect(100, 100, 400, 300), screens), QRect(100, 100, 400, 300));
    EXPECT_EQ(KeepOnScreens(QRect(1500, 10, 400, 300), screens), QRect(1500, 10, 400, 300));
    EXPECT_EQ(KeepOnScreens(QRect(-30000, -30000, 400, 300), screens), QRect(0, 0, 400, 300));
    EXPECT_EQ(KeepOnScreens(QRect(5000, 700, 2000, 2000), screens), QRect(0, 0, 1024, 768));
    EXPECT_EQ(KeepOnScreens(QRect(100, -500, 400, 300), screens), QRect(100, 0, 400, 300));
}

TEST(SettingsStore, RestoredDefaultsChangeOnlyBackgroundsAndFonts) {
    TProperties p = FactoryProperties();
    p.WordWrap = true;
    p.PasekNarz = TAlign::Left;
    p.HexColors[1] = 77;
    p.HexFont.Pitch = TPitch::Variable;
    p.EdytorFont.Style = fsBold;
    const TProperties r = WithRestoredDefaults(p, 96);
    EXPECT_EQ(r.EdytorColor, 16777215);
    EXPECT_EQ(r.HexColors[0], 16777215);
    EXPECT_EQ(r.EdytorFont, (TFontProps{1, 0, -11, "MS Sans Serif", TPitch::Default, 8, 0}));
    EXPECT_EQ(r.HexFont, (TFontProps{1, 0, -16, "Courier new", TPitch::Variable, 12, 0}));
    TProperties rest = r;
    rest.EdytorColor = p.EdytorColor;
    rest.HexColors[0] = p.HexColors[0];
    rest.EdytorFont = p.EdytorFont;
    rest.HexFont = p.HexFont;
    EXPECT_EQ(rest, p);
    EXPECT_EQ(HeightOfSize(12, 120), -20);
}

TEST(SettingsStore, BlanksKeptOnlyByQuotesAreLostAtTheNextSave) {
    TProperties p = FactoryProperties();
    ReadProperties(Section("HexEditor1_FontName=\"courier new\t\t\"\n"), p);
    EXPECT_EQ(p.HexFont.Name, "courier new\t\t");
    TIniDocument doc;
    WriteSection(doc, TPlacement{}, p, QSize(1, 1), false);
    EXPECT_TRUE(doc.Serialize().contains("\nHexEditor1_FontName=courier new\n"));
}
