#pragma once
// A printed hex dump without a painter: the text of one dump line (offset,
// byte field, character field, separators) and the arithmetic of a page
// (line step, lines between header and footer, fitting the font size).
#include "hexeditor/core/hexdisplaytypes.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

// How a dump line is laid out. Character 0 as a separator means none.
struct TDumpFormat {
    int bytesPerLine = 16;
    TOffsetDisplayStyle offsetDisplay = odHex;
    char offsetSeparator = ':';
    TOffsetDisplayStyle memFieldDisplay = odHex; // odNone: no byte field
    char memFieldSeparator = ';';
    bool displayCharField = true;
    char charFieldSeparator = 0;
    int bytesPerColumn = 2; // a blank follows every group of this many bytes
    bool swapNibbles = false;
};

// The character shown for every byte value (a Windows-1250 byte).
using TDisplayChars = std::array<uint8_t, 256>;

// Appends to out the line of the bytes start .. start + bytesPerLine - 1, of
// which the first present are given in bytes; the missing ones print as blanks
// in both fields. offsetChars is the grid's offset column width; chars maps a
// byte to the character the grid shows for it. The text is Windows-1250.
void AppendDumpLine(const TDumpFormat& format, int offsetChars, const TDisplayChars& chars,
                    int64_t start, const uint8_t* bytes, int present, std::string& out);
std::string DumpLine(const TDumpFormat& format, int offsetChars, const TDisplayChars& chars,
                     int64_t start, const uint8_t* bytes, int present);

// Distance from one line's top to the next: 1.2 times the text height rounded
// to the nearest integer, and always at least one more than the height.
int DumpLineStep(int textHeight);

// Dump lines that fit from top to bottom with the given step when a header
// takes the first line and a footer the last. Never negative.
int DumpLinesOnPage(int top, int bottom, int step, bool header, bool footer);

// Width and height of the first line at a font size.
struct TTextExtent {
    int width = 0;
    int height = 0;
};

// The font size at which the line fits roomWidth. stretch: grow while the line
// is narrower, then shrink while it is wider; shrink: shrink while it is wider.
// The size never goes below 1, and never grows past the size at which the line
// fills the width, or fills roomHeight on its own (a line that does not widen,
// an empty one, stops there), nor past maxSize.
int FitDumpFontSize(int size, bool stretch, bool shrink, int roomWidth, int roomHeight,
                    const std::function<TTextExtent(int size)>& measure, int maxSize = 4096);
