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

} // namespace cp1250
