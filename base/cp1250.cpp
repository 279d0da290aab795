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

char16_t ToUnicode(uint8_t b) {
    return kToUnicode[b];
}

int FromUnicode(char32_t c) {
    if (c < 0x80) return static_cast<int>(c);
    if (c > 0xFFFF) return -1;
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
        if (b < 0) all = false;
        out[n++] = static_cast<char>(b < 0 ? '?' : b);
    }
    out.truncate(n);
    if (ok) *ok = all;
    return out;
}

namespace {

bool Holds(char32_t c) {
    return FromUnicode(c) >= 0;
}

// The character standing for c: c, its unaccented letter, a line break or '?'.
QChar Nearest(char32_t c) {
    if (c == 0x2028 || c == 0x2029) return QLatin1Char('\n');
    if (Holds(c)) return QChar(char16_t(c));
    // Strip one accent at a time: the first character of a canonical
    // decomposition is the letter beneath it ("ǖ" -> "ü" -> "u").
    for (char32_t base = c;;) {
        if (QChar::decompositionTag(base) != QChar::Canonical) break;
        const QString parts = QChar::decomposition(base);
        if (parts.isEmpty()) break;
        base = parts.at(0).isHighSurrogate() && parts.size() > 1
                   ? QChar::surrogateToUcs4(parts.at(0), parts.at(1))
                   : parts.at(0).unicode();
        if (Holds(base)) return QChar(char16_t(base));
    }
    return QLatin1Char('?');
}

} // namespace

QString Representable(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && Holds(text[i].unicode()))
        ++i;
    if (i == text.size()) return text.toString();
    // Join letters with the combining accents that follow them.
    const QString composed = text.toString().normalized(QString::NormalizationForm_C);
    QString out;
    out.reserve(composed.size());
    for (qsizetype k = 0; k < composed.size(); ++k) {
        char32_t c = composed[k].unicode();
        if (composed[k].isHighSurrogate() && k + 1 < composed.size() &&
            composed[k + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(composed[k], composed[k + 1]);
            ++k;
        }
        out += Nearest(c);
    }
    return out;
}

} // namespace cp1250
