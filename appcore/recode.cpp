#include "appcore/recode.h"

#include "base/cp1250.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <array>
#include <vector>

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

struct Edit {
    int position; // in the document
    QString text; // replaces as many characters
};
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
    // Every changed line gets one edit from its first to its last changed
    // character: no line break is touched, so each line keeps its own break.
    std::vector<Edit> edits;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        const QString line = b.text();
        qsizetype first = -1, last = -1;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const char16_t c = line[i].unicode();
            if (c < 0x80 || RecodeChar(c, direction) == c) continue;
            if (first < 0) first = i;
            last = i;
            ++result.replaced;
            if (c == capitalZ)
                result.afterLastCapitalZ = b.position() + b.blockNumber() + int(i) + 1;
        }
        if (first < 0) continue;
        QString span = line.mid(first, last - first + 1);
        for (QChar& c : span)
            c = QChar(RecodeChar(c.unicode(), direction));
        edits.push_back({b.position() + int(first), std::move(span)});
    }
    if (edits.empty()) return result;
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const Edit& e : edits) {
        cursor.setPosition(e.position);
        cursor.setPosition(e.position + int(e.text.size()), QTextCursor::KeepAnchor);
        cursor.insertText(e.text);
    }
    cursor.endEditBlock();
    return result;
}
