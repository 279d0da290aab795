#pragma once
// The five character sets of the hex editor and the routines that move bytes
// between them. ANSI (Windows-1250) is the pivot of every conversion.
#include <cstdint>

enum TTranslationType : uint8_t { ttAnsi = 0, ttDos8 = 1, ttASCII = 2, ttMac = 3, ttEBCDIC = 4 };

// Translations are passed as int: a value outside 0..4 is legal and converts nothing.

// count bytes from ANSI to the given set; src and dst may be the same block.
void TranslateFromAnsi(int translation, const uint8_t* src, uint8_t* dst, int32_t count);
// count bytes from the given set to ANSI; src and dst may be the same block.
void TranslateToAnsi(int translation, const uint8_t* src, uint8_t* dst, int32_t count);

// The ANSI character the character column shows for data byte b.
uint8_t ByteToDisplayChar(int translation, bool maskWhiteSpaces, uint8_t maskChar, uint8_t b);
// The byte stored for ANSI character c typed into the character column; 0 = refused.
uint8_t CharToByte(int translation, uint8_t c);

// Single-character conversions between ANSI (Windows-1250) and OEM (code page 852).
uint8_t AnsiToOem(uint8_t c);
uint8_t OemToAnsi(uint8_t c);

// Windows-1250 lower-casing of one byte, Polish letters included, and its table.
uint8_t AnsiLower(uint8_t c);
const uint8_t* AnsiLowerTable();

// The label of a set in the conversion dialog ("ANSI", "OEM Codepage 850", ...).
const char* TranslationLabel(int translation);
