#include "hexeditor/core/hexmodel.h"
#include "hexeditor/core/hextextfile.h"
#include "tests/common/testenv.h"

#include <QFile>
#include <gtest/gtest.h>
#include <vector>

namespace {
void Fill(THexModel& m, const std::vector<uint8_t>& bytes) {
    m.CreateEmptyFile("Bez nazwy");
    m.AppendBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}
} // namespace

TEST(HexTextFile, WritesExactlyTwoUpperCaseDigitsPerByte) {
    THexModel m;
    Fill(m, {0x01, 0xAB, 0xFF});
    const QString path = testenv::ScratchPath("out.hex");
    ASSERT_TRUE(ExportHexTextFile(m, path));
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("01ABFF"));
}

TEST(HexTextFile, SwappedNibblesWriteLowDigitFirst) {
    THexModel m;
    Fill(m, {0x01, 0xAB, 0xFF});
    m.SetSwapNibbles(true);
    const QString path = testenv::ScratchPath("swap.hex");
    ASSERT_TRUE(ExportHexTextFile(m, path));
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("10BAFF"));
}

TEST(HexTextFile, EmptyDocumentWritesEmptyFile) {
    THexModel m;
    m.CreateEmptyFile("Bez nazwy");
    const QString path = testenv::ScratchPath("empty.hex");
    testenv::WriteFile(path, "old content");
    ASSERT_TRUE(ExportHexTextFile(m, path));
    EXPECT_EQ(testenv::ReadFile(path), QByteArray());
}

TEST(HexTextFile, LargeDocumentMatchesTheWholeTextAcrossBlocks) {
    std::vector<uint8_t> bytes((1 << 20) + 3);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(i * 7 + (i >> 11));
    THexModel m;
    Fill(m, bytes);
    const QString path = testenv::ScratchPath("big.hex");
    ASSERT_TRUE(ExportHexTextFile(m, path));
    EXPECT_EQ(testenv::ReadFile(path), m.GetAsHex());
}

TEST(HexTextFile, UnwritablePathFailsAndLeavesNothing) {
    THexModel m;
    Fill(m, {0x01});
    const QString path = testenv::ScratchDir() + "/no-such-folder/out.hex";
    EXPECT_FALSE(ExportHexTextFile(m, path));
    EXPECT_FALSE(QFile::exists(path));
}
