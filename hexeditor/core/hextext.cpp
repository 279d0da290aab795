#include "hexeditor/core/hextext.h"

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
