#include "hexeditor/core/dumpformat.h"

#include "hexeditor/core/hextext.h"
#include "hexeditor/core/offsettext.h"

#include <algorithm>

void AppendDumpLine(const TDumpFormat& format, int offsetChars, const TDisplayChars& chars,
                    int64_t start, const uint8_t* bytes, int present, std::string& out) {
    const int count = std::max(0, format.bytesPerLine);
    present = std::clamp(present, 0, count);
    const int group = std::max(1, format.bytesPerColumn);

    out += OffsetNumberText(format.offsetDisplay, start, offsetChars);
    if (format.offsetSeparator != 0) out += format.offsetSeparator;

    if (format.memFieldDisplay != odNone) {
        char hex[3];
        for (int i = 0; i < count; ++i) {
            const bool here = i < present;
            switch (format.memFieldDisplay) {
            case odHex:
                if (here) {
                    BytesToHexText(bytes + i, 1, hex, format.swapNibbles);
                    out.append(hex, 2);
                } else {
                    out.append(2, ' ');
                }
                break;
            case odDec:
                out += here ? PadLeft(' ', std::to_string(bytes[i]), 3) : std::string(3, ' ');
                break;
            case odOctal:
            default:
                out += here ? PadLeft('0', IntToOctal(bytes[i]), 4) : std::string(4, ' ');
                break;
            }
            if ((i + 1) % group == 0) out += ' ';
        }
    }
    if (format.memFieldSeparator != 0) out += format.memFieldSeparator;

    if (format.displayCharField) {
        for (int i = 0; i < count; ++i)
            out += i < present ? char(chars[bytes[i]]) : ' ';
    }
    if (format.charFieldSeparator != 0) out += format.charFieldSeparator;
}

std::string DumpLine(const TDumpFormat& format, int offsetChars, const TDisplayChars& chars,
                     int64_t start, const uint8_t* bytes, int present) {
    std::string out;
    AppendDumpLine(format, offsetChars, chars, start, bytes, present, out);
    return out;
}

int DumpLineStep(int textHeight) {
    const int64_t h = std::max(0, textHeight);
    // 6h/5 is never halfway between two integers, so rounding up from 3/5 is exact.
    int64_t step = (6 * h + 2) / 5;
    if (step == h) ++step;
    return int(std::min<int64_t>(step, INT32_MAX));
}

int DumpLinesOnPage(int top, int bottom, int step, bool header, bool footer) {
    if (step < 1) return 0;
    const int64_t first = int64_t(top) + (header ? step : 0);
    const int64_t limit = int64_t(bottom) - (footer ? step : 0);
    // A line is drawn while its top plus one step stays within the limit.
    const int64_t room = limit - first;
    return room < step ? 0 : int(std::min<int64_t>(room / step, INT32_MAX));
}

int FitDumpFontSize(int size, bool stretch, bool shrink, int roomWidth, int roomHeight,
                    const std::function<TTextExtent(int size)>& measure, int maxSize) {
    maxSize = std::max(1, maxSize);
    size = std::clamp(size, 1, maxSize);
    if (!stretch && !shrink) return size;
    TTextExtent e = measure(size);
    if (stretch) {
        while (e.width < roomWidth && e.height < roomHeight && size < maxSize)
            e = measure(++size);
    }
    if (stretch || shrink) {
        while (e.width > roomWidth && size > 1)
            e = measure(--size);
    }
    return size;
}
