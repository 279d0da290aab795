#include "hexeditor/core/charsets.h"

#include <cstring>

namespace {
#include "hexeditor/core/charsets_tables.inc"

bool Valid(int translation) {
    return translation >= ttAnsi && translation <= ttEBCDIC;
}

// The byte table of one direction, or null where bytes stay as they are.
const uint8_t* FromAnsiTable(int translation) {
    switch (translation) {
    case ttDos8:
    case ttASCII:
        return kAnsiToOem; // the OEM set keeps all eight bits in both
    case ttMac:
        return kAnsiToMac; // identity below 0x80
    case ttEBCDIC:
        return kAnsiToEbcdic;
    default:
        return nullptr;
    }
}

const uint8_t* ToAnsiTable(int translation) {
    switch (translation) {
    case ttDos8:
    case ttASCII:
        return kOemToAnsi;
    case ttMac:
        return kMacToAnsi;
    case ttEBCDIC:
        return kEbcdicToAnsi;
    default:
        return nullptr;
    }
}

void Apply(const uint8_t* table, const uint8_t* src, uint8_t* dst, int32_t count) {
    if (count <= 0) return;
    if (!table) {
        if (src != dst) std::memmove(dst, src, static_cast<size_t>(count));
        return;
    }
    for (int32_t i = 0; i < count; ++i)
        dst[i] = table[src[i]];
}
} // namespace

void TranslateFromAnsi(int translation, const uint8_t* src, uint8_t* dst, int32_t count) {
    if (!Valid(translation)) return; // an unknown set converts nothing: the target stays as it is
    Apply(FromAnsiTable(translation), src, dst, count);
}

void TranslateToAnsi(int translation, const uint8_t* src, uint8_t* dst, int32_t count) {
    if (!Valid(translation)) return;
    Apply(ToAnsiTable(translation), src, dst, count);
}

uint8_t ByteToDisplayChar(int translation, bool maskWhiteSpaces, uint8_t maskChar, uint8_t b) {
    uint8_t c;
    switch (translation) {
    case ttAnsi:
        c = b;
        break;
    case ttDos8:
        c = kOemToAnsi[b];
        break;
    case ttASCII:
        c = b > 0x7F ? maskChar : kOemToAnsi[b];
        break;
    case ttMac:
        c = kMacToAnsi[b];
        break;
    case ttEBCDIC:
        c = kEbcdicToAnsi[b] == 0 ? maskChar : kEbcdicToAnsi[b];
        break;
    default:
        c = maskChar;
        break;
    }
    if (maskWhiteSpaces && c < 0x20) c = maskChar;
    return c;
}

uint8_t CharToByte(int translation, uint8_t c) {
    switch (translation) {
    case ttAnsi:
        return c < 0x20 ? 0 : c;
    case ttDos8:
        return c <= 0x1F ? 0 : kAnsiToOem[c];
    case ttASCII:
        return (c >= 0x80 || c <= 0x1F) ? 0 : kAnsiToOem[c];
    case ttMac:
        return c < 0x20 ? 0 : kAnsiToMac[c];
    case ttEBCDIC:
        return kAnsiToEbcdic[c]; // the table holds 0 for every character without a code
    default:
        return 0;
    }
}

uint8_t AnsiToOem(uint8_t c) {
    return kAnsiToOem[c];
}
uint8_t OemToAnsi(uint8_t c) {
    return kOemToAnsi[c];
}

uint8_t AnsiLower(uint8_t c) {
    return kAnsiLower[c];
}
const uint8_t* AnsiLowerTable() {
    return kAnsiLower;
}

const char* TranslationLabel(int translation) {
    switch (translation) {
    case ttAnsi:
        return "ANSI";
    case ttDos8:
        return "OEM Codepage 850";
    case ttASCII:
        return "ASCII 7 Bit";
    case ttMac:
        return "MAC";
    case ttEBCDIC:
        return "EBCDIC CP 038";
    default:
        return "";
    }
}
