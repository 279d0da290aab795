#pragma once
// Hex text (the codec itself is shared with the rest of the program) and the
// offset forms of the grid: octal offsets and left padding.
#include "base/hexcodec.h"

#include <cstdint>
#include <string>

// Octal with a leading "0": 0 -> "00", 8 -> "010", 511 -> "0777".
std::string IntToOctal(int64_t value);

// text with pad in front until it is at least width long.
std::string PadLeft(char pad, std::string text, int width);
