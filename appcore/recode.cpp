#include "appcore/recode.h"

#include "appcore/charrewrite.h"
#include "base/cp1250.h"

#include <QTextBlock>
#include <QTextDocument>
#include <array>

const uint8_t kWindowsCodes[6] = {0xB9, 0xA5, 0x9C, 0x8C, 0x9F, 0x8F};
const uint8_t kIsoCodes[6] = {0xB1, 0xA1, 0xB6, 0xA6, 0xBC, 0xAC};

namespace {
using Table = std::array<uint8_t, 256>;

Table MakeTable(const uint8_t* from, const uint8_t* to) {
    Table t{};
    for (int b = 0; b < 256; ++b)
        t[b] = uint8_t(b);
    for (int i = 0; i < 6; ++i)
        t[from[i]] = to[i];
    return t;
}

const Table& TableOf(TRecoding direction) {
    static const Table toIso = MakeTable(kWindowsCodes, kIsoCodes);
    static const Table toWindows = MakeTable(kIsoCodes, kWindowsCodes);
    return direction == TRecoding::ToIso ? toIso : toWindows;
}
} // namespace

uint8_t RecodeByte(uint8_t b, TRecoding direction) {
    return TableOf(direction)[b];
}

void RecodeBytes(QByteArray& bytes, TRecoding direction) {
    const Table& t = TableOf(direction);
    for (char& c : bytes)
        c = char(t[uint8_t(c)]);
}

char16_t RecodeChar(char16_t c, TRecoding direction) {
    if (c < 0x80) return c;
    const int b = cp1250::FromUnicode(c);
    return b < 0 ? c : cp1250::ToUnicode(RecodeByte(uint8_t(b), direction));
}

TRecodeResult RecodeDocument(QTextDocument& document, TRecoding direction) {
    const char16_t capitalZ =
        cp1250::ToUnicode(direction == TRecoding::ToIso ? kWindowsCodes[5] : kIsoCodes[5]);
    TRecodeResult result;
    int lastCapitalZ = -1; // its document position
    // Each letter keeps its place, so the whole text changes in one pass and
    // every line keeps its own break.
    result.replaced = RewriteCharacters(document, 0, document.characterCount() - 1,
                                        [&](char16_t c, int position) {
                                            if (c < 0x80) return c;
                                            if (c == capitalZ) lastCapitalZ = position;
                                            return RecodeChar(c, direction);
                                        });
    if (lastCapitalZ >= 0) // the index counts the line breaks before it twice
        result.afterLastCapitalZ =
            lastCapitalZ + document.findBlock(lastCapitalZ).blockNumber() + 1;
    return result;
}
