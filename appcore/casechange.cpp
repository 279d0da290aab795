#include "appcore/casechange.h"

#include "base/cp1250.h"

#include <QChar>
#include <array>
#include <memory>

namespace {
// The case pairs of the code page, for every UTF-16 code unit: a character
// maps to itself unless it and its pair are both in the code page.
struct TCaseTables {
    std::unique_ptr<std::array<char16_t, 0x10000>> upper{new std::array<char16_t, 0x10000>};
    std::unique_ptr<std::array<char16_t, 0x10000>> lower{new std::array<char16_t, 0x10000>};

    TCaseTables() {
        for (int c = 0; c < 0x10000; ++c)
            (*upper)[c] = (*lower)[c] = char16_t(c);
        for (int b = 0; b < 256; ++b) {
            const char16_t c = cp1250::ToUnicode(uint8_t(b));
            const QChar q(c);
            const char16_t up = q.toUpper().unicode();
            const char16_t low = q.toLower().unicode();
            // A pair only when each side maps back to the other.
            if (up != c && cp1250::FromUnicode(up) >= 0 && QChar(up).toLower().unicode() == c)
                (*upper)[c] = up;
            if (low != c && cp1250::FromUnicode(low) >= 0 && QChar(low).toUpper().unicode() == c)
                (*lower)[c] = low;
        }
    }
    const char16_t* Of(TLetterCase to) const {
        return to == TLetterCase::Upper ? upper->data() : lower->data();
    }
};

const TCaseTables& Tables() {
    static const TCaseTables tables;
    return tables;
}
} // namespace

char16_t ChangeLetterCase(char16_t c, TLetterCase to) {
    return Tables().Of(to)[c];
}
