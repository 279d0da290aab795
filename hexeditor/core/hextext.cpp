#include "hexeditor/core/hextext.h"

#include <array>

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";

// Value of each accepted hex digit (either case), -1 for every other character.
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

std::string IntToOctal(int64_t value) {
    // Negative values do not occur as offsets; they are written with a sign rather than garbled.
    const bool negative = value < 0;
    uint64_t v = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + v % 8));
        v /= 8;
    } while (v != 0);
    return (negative ? "-0" : "0") + digits;
}

std::string PadLeft(char pad, std::string text, int width) {
    if (static_cast<int64_t>(text.size()) < width)
        text.insert(text.begin(), static_cast<size_t>(width) - text.size(), pad);
    return text;
}
