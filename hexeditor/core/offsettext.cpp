#include "hexeditor/core/offsettext.h"

#include "hexeditor/core/hextext.h"

#include <algorithm>

int OffsetColumnChars(TOffsetDisplayStyle style, int64_t lastRowStart) {
    const int64_t last = std::max<int64_t>(0, lastRowStart);
    switch (style) {
    case odHex:
        return int(IntToHex(last).size()) + 3;
    case odDec:
        return int(std::to_string(last).size()) + 1;
    case odOctal:
        return int(IntToOctal(last).size()) + 3;
    case odNone:
    default:
        return 0;
    }
}

std::string OffsetNumberText(TOffsetDisplayStyle style, int64_t start, int width) {
    start = std::max<int64_t>(0, start);
    switch (style) {
    case odHex:
        return "0x" + PadLeft('0', IntToHex(start), width - 3);
    case odDec:
        return PadLeft(' ', std::to_string(start), width - 1);
    case odOctal:
        return "o " + PadLeft('0', IntToOctal(start), width - 3);
    case odNone:
    default:
        return {};
    }
}
