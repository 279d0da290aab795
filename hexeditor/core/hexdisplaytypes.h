#pragma once
// Display styles of the hex grid shared by the widget, its layout and printing.
#include <cstdint>

enum TOffsetDisplayStyle : uint8_t { odHex = 0, odDec = 1, odOctal = 2, odNone = 3 };
enum TCaretStyle : uint8_t { csFull = 0, csLeftLine = 1, csBottomLine = 2 };
