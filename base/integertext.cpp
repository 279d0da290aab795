#include "base/integertext.h"

#include "base/hexcodec.h"

std::optional<int32_t> ParseIntegerText(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool hex = false;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n) return std::nullopt;

    if (hex) {
        if (n - i > 8) return std::nullopt;
        uint32_t pattern = 0;
        for (; i < n; ++i) {
            const int v = HexDigitValue(text[i].unicode());
            if (v < 0) return std::nullopt;
            pattern = (pattern << 4) | static_cast<uint32_t>(v);
        }
        const int32_t value = static_cast<int32_t>(pattern);
        // Negating the pattern wraps like 32-bit arithmetic does.
        return negative ? static_cast<int32_t>(0u - pattern) : value;
    }

    int64_t value = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > int64_t(INT32_MAX) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
    return static_cast<int32_t>(value);
}
