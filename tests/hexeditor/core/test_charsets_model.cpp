// The document's character column: display and typing follow Translation,
// MaskWhiteSpaces and MaskChar.
#include "hexeditor/core/charsets.h"
#include "tests/hexeditor/core/test_find_support.h"

namespace {
class CharColumnTest : public textmodel::DocumentTest {};
} // namespace

TEST_F(CharColumnTest, DefaultsShowAnsiAndMaskControlCharacters) {
    EXPECT_EQ(model.ByteToDisplayChar('A'), 'A');
    EXPECT_EQ(model.ByteToDisplayChar(0xB9), 0xB9);
    EXPECT_EQ(model.ByteToDisplayChar(0x09), '.');
    EXPECT_EQ(model.CharToByte(0x09), 0);
    EXPECT_EQ(model.CharToByte(0xB9), 0xB9);
}

TEST_F(CharColumnTest, MaskSettingsApply) {
    model.SetMaskChar('*');
    EXPECT_EQ(model.ByteToDisplayChar(0x09), '*');
    model.SetMaskWhiteSpaces(false);
    EXPECT_EQ(model.ByteToDisplayChar(0x09), 0x09);
}

TEST_F(CharColumnTest, EbcdicColumn) {
    model.SetTranslation(ttEBCDIC);
    EXPECT_EQ(model.ByteToDisplayChar(0xC1), 'A');
    EXPECT_EQ(model.ByteToDisplayChar(0x00), '.');
    EXPECT_EQ(model.CharToByte('A'), 0xC1);
    EXPECT_EQ(model.CharToByte('['), 0);
}

TEST_F(CharColumnTest, AsciiColumnMasksAndRefusesTheUpperHalf) {
    model.SetTranslation(ttASCII);
    EXPECT_EQ(model.ByteToDisplayChar(0xC1), '.');
    EXPECT_EQ(model.CharToByte(0xB9), 0);
    EXPECT_EQ(model.CharToByte('a'), 'a');
}

TEST_F(CharColumnTest, OemColumnShowsAndTypesPolishLetters) {
    model.SetTranslation(ttDos8);
    EXPECT_EQ(model.ByteToDisplayChar(0xA5), 0xB9); // ą
    EXPECT_EQ(model.CharToByte(0xB9), 0xA5);
}

TEST_F(CharColumnTest, MacColumn) {
    model.SetTranslation(ttMac);
    EXPECT_EQ(model.ByteToDisplayChar(0x80), 0xC4);
    EXPECT_EQ(model.CharToByte(0xC4), 0x80);
}
