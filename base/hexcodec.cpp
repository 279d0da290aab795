#include "base/hexcodec.h"

#include <array>
#include <utility>

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";

// Value of each accepted hex digit (either case), -1 for every other byte.
constexpr std::array<int8_t, 256> MakeDigitValues() {
    std::array<int8_t, 256> v{};
    for (auto& x : v)
        x = -1;
    for (int i = 0; i < 10; ++i)
        v['0' + i] = static_cast<int8_t>(i);
    for (int i = 0; i < 6; ++i) {
        v['a' + i] = static_cast<int8_t>(10 + i);
        v['A' + i] = static_cast<int8_t>(10 + i);
    }
    return v;
}
constexpr std::array<int8_t, 256> kDigitValue = MakeDigitValues();

uint8_t SwapHalves(uint8_t b) {
    return static_cast<uint8_t>((b << 4) | (b >> 4));
}
} // namespace

int HexDigitValue(char32_t c) {
    return c < 256 ? kDigitValue[c] : -1;
}

char HexDigitChar(int value) {
    return kDigits[value & 15];
}

std::string IntToHex(int64_t value) {
    uint64_t v = value < 0 ? 0 : static_cast<uint64_t>(value);
    std::string s;
    do {
        s.insert(s.begin(), kDigits[v & 15]);
        v >>= 4;
    } while (v > 0);
    return s;
}

char* BytesToHexText(const uint8_t* bytes, int32_t count, char* out, bool swap) {
    char* p = out;
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t b = bytes[i];
        const char high = kDigits[b >> 4];
        const char low = kDigits[b & 0x0F];
        *p++ = swap ? low : high;
        *p++ = swap ? high : low;
    }
    *p = '\0';
    return out;
}

int32_t HexTextDecoder::Feed(const char* text, int32_t length, uint8_t* out) {
    int32_t n = 0;
    for (int32_t i = 0; i < length; ++i) {
        const int v = kDigitValue[static_cast<uint8_t>(text[i])];
        if (v < 0) continue;
        if (pending_ < 0) {
            pending_ = v;
            continue;
        }
        const auto b = static_cast<uint8_t>(pending_ * 16 + v);
        // out[n] lies at or before text[i] when out aliases text: never overtakes its input.
        out[n++] = swap_ ? SwapHalves(b) : b;
        pending_ = -1;
    }
    return n;
}

uint8_t* HexTextToBytes(const char* text, int32_t length, uint8_t* out, int32_t& outCount,
                        bool swap) {
    HexTextDecoder decoder(swap);
    outCount = length > 0 ? decoder.Feed(text, length, out) : 0;
    return out; // a lone digit at the end is dropped
}

QByteArray HexTextOf(QByteArrayView bytes, bool swap) {
    QByteArray text(2 * bytes.size() + 1, Qt::Uninitialized);
    BytesToHexText(reinterpret_cast<const uint8_t*>(bytes.data()), int32_t(bytes.size()),
                   text.data(), swap);
    text.chop(1);
    return text;
}

namespace {
// The hex digits of a text, other characters left out.
QByteArray DigitsOf(QStringView text) {
    QByteArray digits;
    digits.reserve(text.size());
    for (QChar c : text)
        if (HexDigitValue(c.unicode()) >= 0) digits.append(char(c.unicode()));
    return digits;
}

// Decodes digits in place: bytes never overtake the digits they come from.
QByteArray DecodeInPlace(QByteArray digits, bool swap) {
    int32_t count = 0;
    HexTextToBytes(digits.constData(), int32_t(digits.size()),
                   reinterpret_cast<uint8_t*>(digits.data()), count, swap);
    digits.resize(count);
    return digits;
}
} // namespace

QByteArray BytesOfHexText(QStringView text, bool swap) {
    return DecodeInPlace(DigitsOf(text), swap);
}

QByteArray HexPatternBytes(QStringView typed) {
    QByteArray digits = DigitsOf(typed);
    if (digits.size() % 2 != 0) digits.prepend('0');
    return DecodeInPlace(std::move(digits), false);
}
