#include "base/cp1250.h"

#include <array>

namespace cp1250 {
namespace {
constexpr std::array<char16_t, 256> kToUnicode = {
#include "base/cp1250_table.inc"
};

// Reverse map for the characters above 0x7F; built once.
struct Reverse {
    std::array<int16_t, 0x10000> byChar;
    Reverse() {
        byChar.fill(-1);
        for (int b = 0; b < 256; ++b)
            byChar[kToUnicode[b]] = static_cast<int16_t>(b);
    }
};
const Reverse& reverse() {
    static const Reverse r;
    return r;
}
} // namespace

char16_t ToUnicode(uint8_t b) { return kToUnicode[b]; }

int FromUnicode(char32_t c) {
    if (c < 0x80)
        return static_cast<int>(c);
    if (c > 0xFFFF)
        return -1;
    return reverse().byChar[c];
}

QString Decode(QByteArrayView bytes) {
    QString s(bytes.size(), Qt::Uninitialized);
    QChar* out = s.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(kToUnicode[static_cast<uint8_t>(bytes[i])]);
    return s;
}

QByteArray Encode(QStringView text, bool* ok) {
    QByteArray out(text.size(), Qt::Uninitialized);
    bool all = true;
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const int b = FromUnicode(c);
        if (b < 0)
            all = false;
        out[n++] = static_cast<char>(b < 0 ? '?' : b);
    }
    out.truncate(n);
    if (ok)
        *ok = all;
    return out;
}

} // namespace cp1250
