// THexModel's character-set, hex text and search members, built on the
// document's public operations.
#include "hexeditor/core/busyscope.h"
#include "hexeditor/core/bytesearch.h"
#include "hexeditor/core/charsets.h"
#include "hexeditor/core/hexmodel.h"
#include "hexeditor/core/hextext.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Large ranges are converted and written as hex text piece by piece.
constexpr int32_t kChunk = 1 << 20;
constexpr int32_t kFindBlock = 4 << 20;

// One table doing source -> ANSI -> target for every byte value; the two steps
// act on each byte alone, so composing them gives the same bytes.
std::array<uint8_t, 256> ConversionTable(int source, int target) {
    std::array<uint8_t, 256> table;
    for (int b = 0; b < 256; ++b)
        table[b] = static_cast<uint8_t>(b);
    TranslateToAnsi(source, table.data(), table.data(), 256);
    TranslateFromAnsi(target, table.data(), table.data(), 256);
    return table;
}

void SelectAll(THexModel& model) {
    if (model.DataSize() <= 0) return;
    model.SetSelStart(0);
    model.SetSelEnd(model.DataSize() - 1);
}

} // namespace

uint8_t THexModel::ByteToDisplayChar(uint8_t b) const {
    return ::ByteToDisplayChar(Translation(), MaskWhiteSpaces(), MaskChar(), b);
}

uint8_t THexModel::CharToByte(uint8_t ansiChar) const {
    return ::CharToByte(Translation(), ansiChar);
}

void THexModel::Convert(int32_t start, int32_t end, int source, int target) {
    if (end < start || source == target || end >= DataSize() || start < 0) return;
    const int32_t count = end - start + 1;
    if (!CanChange(ukConvert, start, count, 0)) // records the old bytes
        return;
    {
        TBusyScope busy(*this);
        const auto table = ConversionTable(source, target);
        std::vector<uint8_t> block(static_cast<size_t>(std::min(count, kChunk)));
        for (int32_t done = 0; done < count;) {
            const int32_t n = std::min(count - done, kChunk);
            ReadBlock(block.data(), start + done, n);
            for (int32_t i = 0; i < n; ++i)
                block[i] = table[block[i]];
            WriteBlock(block.data(), start + done, n);
            done += n;
        }
    }
    Repaint();
}

void THexModel::SetAsText(const QByteArray& text) {
    SelectAll(*this);
    QByteArray bytes = text; // the caller's text stays as it is
    auto* data = reinterpret_cast<uint8_t*>(bytes.data());
    TranslateFromAnsi(Translation(), data, data, static_cast<int32_t>(bytes.size()));
    ReplaceSelection(data, static_cast<int32_t>(bytes.size()));
}

void THexModel::SetAsHex(const QByteArray& text) {
    SelectAll(*this);
    QByteArray bytes(text.size() / 2, Qt::Uninitialized);
    int32_t count = 0;
    HexTextToBytes(text.constData(), static_cast<int32_t>(text.size()),
                   reinterpret_cast<uint8_t*>(bytes.data()), count, SwapNibbles());
    ReplaceSelection(reinterpret_cast<const uint8_t*>(bytes.constData()), count);
}

QByteArray THexModel::GetAsHex() const {
    const int32_t size = DataSize();
    if (size <= 0) return {};
    QByteArray text(static_cast<qsizetype>(size) * 2, Qt::Uninitialized);
    std::vector<uint8_t> block(static_cast<size_t>(std::min(size, kChunk)));
    std::vector<char> digits(block.size() * 2 + 1);
    const bool swap = SwapNibbles();
    for (int32_t done = 0; done < size;) {
        const int32_t n = std::min(size - done, kChunk);
        ReadBlock(block.data(), done, n);
        BytesToHexText(block.data(), n, digits.data(), swap);
        std::copy_n(digits.data(), static_cast<size_t>(n) * 2,
                    text.data() + static_cast<qsizetype>(done) * 2);
        done += n;
    }
    return text;
}

int32_t THexModel::Find(uint8_t* pattern, int32_t length, int32_t start, int32_t end,
                        bool ignoreCase, bool translate) {
    const int32_t size = DataSize();
    if (end >= size) end = size - 1;
    if (start < 0) start = 0; // nothing lies before the first byte
    if (length < 1 || !pattern ||
        static_cast<int64_t>(start) + length > static_cast<int64_t>(end) + 1)
        return -1;
    TBusyScope busy(*this);
    if (translate && Translation() != ttAnsi)
        TranslateFromAnsi(Translation(), pattern, pattern, length);
    const uint8_t* fold = nullptr;
    if (ignoreCase) {
        fold = AnsiLowerTable();
        for (int32_t i = 0; i < length; ++i)
            pattern[i] = fold[pattern[i]];
    }
    const BlockReader read = [this, size](int64_t pos, uint8_t* buf, int32_t count) -> int32_t {
        const auto n = static_cast<int32_t>(std::min<int64_t>(count, size - pos));
        if (n <= 0) return 0;
        ReadBlock(buf, static_cast<int32_t>(pos), n);
        return n;
    };
    return SearchBytes(read, pattern, length, start, end, fold, kFindBlock);
}
