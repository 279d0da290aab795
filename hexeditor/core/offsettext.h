#pragma once
// The offset of a row as the grid's offset column and the printed dump show
// it: how many characters the column needs, and the number's text.
#include "hexeditor/core/hexdisplaytypes.h"

#include <cstdint>
#include <string>

// Characters of the offset column when the last row starts at lastRowStart:
// hex digits + 3, decimal digits + 1, octal (with its leading "0") + 3, 0 for odNone.
int OffsetColumnChars(TOffsetDisplayStyle style, int64_t lastRowStart);

// The offset without separator in a column of width characters: "0x" and hex
// digits padded with "0" to width - 3, decimal padded with blanks to width - 1,
// "o " and octal padded with "0" to width - 3; nothing for odNone. A number
// longer than that stays whole.
std::string OffsetNumberText(TOffsetDisplayStyle style, int64_t start, int width);
