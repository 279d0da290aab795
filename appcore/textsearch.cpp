#include "appcore/textsearch.h"

#include "base/cp1250.h"

#include <QChar>

namespace {
std::array<bool, 256> MakeSeparators() {
    std::array<bool, 256> sep{};
    for (int b = 0; b < 256; ++b) {
        const bool ascii =
            (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
        // Letters with diacritics are word characters; the caron, a modifier, is not.
        const QChar c(cp1250::ToUnicode(uint8_t(b)));
        const bool letter = b >= 0x80 && c.isLetter() && c.category() != QChar::Letter_Modifier;
        sep[b] = !(ascii || letter);
    }
    return sep;
}

std::array<uint8_t, 256> MakeUpper() {
    std::array<uint8_t, 256> map{};
    for (int b = 0; b < 256; ++b) {
        const QChar upper = QChar(cp1250::ToUnicode(uint8_t(b))).toUpper();
        const int code = cp1250::FromUnicode(upper.unicode());
        map[b] = uint8_t(code >= 0 ? code : b);
    }
    return map;
}

std::array<uint8_t, 256> MakeIdentity() {
    std::array<uint8_t, 256> map{};
    for (int b = 0; b < 256; ++b)
        map[b] = uint8_t(b);
    return map;
}
} // namespace

const std::array<bool, 256>& WordSeparators() {
    static const std::array<bool, 256> table = MakeSeparators();
    return table;
}

const std::array<uint8_t, 256>& UpperCaseMap() {
    static const std::array<uint8_t, 256> table = MakeUpper();
    return table;
}

const std::array<uint8_t, 256>& CaseMap(TFindOptions options) {
    static const std::array<uint8_t, 256> identity = MakeIdentity();
    return (options & frMatchCase) ? identity : UpperCaseMap();
}

QByteArray MappedText(QByteArrayView text, TFindOptions options) {
    const auto& map = CaseMap(options);
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = char(map[uint8_t(text[i])]);
    return out;
}

void SkipToWordStart(const uint8_t* buffer, int& position, int& count, int direction) {
    const auto& sep = WordSeparators();
    if (direction > 0) {
        // Only the rest of a word begun before the position is skipped: a word
        // that starts right here is a candidate.
        if (position > 0 && !sep[buffer[position - 1]])
            while (count > 0 && !sep[buffer[position]]) {
                ++position;
                --count;
            }
        while (count > 0 && sep[buffer[position]]) {
            ++position;
            --count;
        }
        return;
    }
    const int origin = position;
    while (count > 0 && sep[buffer[position]]) {
        --position;
        --count;
    }
    while (count > 0 && !sep[buffer[position]]) {
        --position;
        --count;
    }
    // Stopped on the separator before a word: onto the word's first character.
    // Never forwards past where this step began, or the search would turn in place.
    if (sep[buffer[position]] && position < origin && !sep[buffer[position + 1]]) {
        ++position;
        ++count;
    }
}

int FindInBuffer(const char* buffer, int length, int selStart, int selLength, QByteArrayView text,
                 TFindOptions options) {
    const qint64 n = text.size();
    if (length <= 0 || n == 0) return -1;
    const bool down = options & frDown;
    qint64 start, count;
    if (down) {
        start = qint64(selStart) + selLength;
        count = length - start - n;
        if (count < 0 || start + count > length) return -1;
    } else {
        if (selStart > length) return -1;
        start = qint64(selStart) - n;
        count = start;
    }
    if (start < 0 || start > length) return -1;

    const auto* b = reinterpret_cast<const uint8_t*>(buffer);
    const auto& map = CaseMap(options);
    const QByteArray t = MappedText(text, options);
    const auto* tp = reinterpret_cast<const uint8_t*>(t.constData());
    const bool whole = options & frWholeWord;
    const int direction = down ? 1 : -1;
    int pos = int(start), left = int(count);
    while (left >= 0) {
        if (whole) SkipToWordStart(b, pos, left, direction);
        qint64 i = 0;
        while (i < n && map[b[pos + i]] == tp[i])
            ++i;
        if (i == n && (!whole || IsWholeWordAt(b, length, pos, int(n)))) return pos;
        pos += direction;
        --left;
    }
    return -1;
}
