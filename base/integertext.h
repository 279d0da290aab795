#pragma once
// The one rule by which typed numbers are read (go to a position, the
// calculator's starting value): optional leading blanks, an optional sign,
// then decimal digits that fit a signed 32-bit integer, or a hexadecimal
// prefix ("$", "x", "X", "0x", "0X") and one to eight hex digits taken as a
// 32-bit pattern ("$FFFFFFFF" is -1). Nothing may follow the digits.
#include <QStringView>
#include <cstdint>
#include <optional>

std::optional<int32_t> ParseIntegerText(QStringView text);
