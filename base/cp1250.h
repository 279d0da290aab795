#pragma once
// Windows-1250, the program's 8-bit code page: one fixed table, every byte
// value maps to exactly one character and back.
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <cstdint>

namespace cp1250 {

// The character a byte stands for.
char16_t ToUnicode(uint8_t b);

// The byte of a character, or -1 when Windows-1250 has no such character.
int FromUnicode(char32_t c);

// Whole texts. Decode never fails; Encode maps characters without a byte to
// '?' and, when ok is given, reports whether every character had one.
QString Decode(QByteArrayView bytes);
QByteArray Encode(QStringView text, bool* ok = nullptr);

// The text as Windows-1250 can hold it, one character for each character of
// the text (a surrogate pair counts as one): the character itself where the
// code page has it; else the same letter without its accent where the code
// page has that ("è" -> "e"); the Unicode line and paragraph separators
// become '\n'; anything else '?'. A letter followed by combining accents is
// first joined with them, so a decomposed letter fares like a composed one.
// Text that is already representable comes back unchanged.
QString Representable(QStringView text);

} // namespace cp1250
