#pragma once
// Hex text: two upper-case digits a byte, high nibble first (low first when
// swapped), nothing between the pairs. Also octal offsets and left padding.
#include <cstdint>
#include <string>

// Writes 2*count digits and a terminating zero byte; out holds 2*count+1 bytes. Returns out.
char* BytesToHexText(const uint8_t* bytes, int32_t count, char* out, bool swap);

// Reads every pair of hex digits of text (other characters are skipped, an odd
// last digit is dropped) into out, at most length/2 bytes. out may alias text.
// outCount receives the number of bytes written. Returns out.
uint8_t* HexTextToBytes(const char* text, int32_t length, uint8_t* out, int32_t& outCount,
                        bool swap);

// The same decoding fed in pieces: a digit left over at the end of one piece
// pairs with the first digit of the next, so any split gives the same bytes.
class HexTextDecoder {
public:
    explicit HexTextDecoder(bool swap) : swap_(swap) {}
    // Decodes one piece into out (room for (length + 1) / 2 bytes); returns the bytes written.
    int32_t Feed(const char* text, int32_t length, uint8_t* out);
    bool HasPendingDigit() const { return pending_ >= 0; }

private:
    bool swap_;
    int pending_ = -1; // value of a first digit still waiting for its second
};

// Octal with a leading "0": 0 -> "00", 8 -> "010", 511 -> "0777".
std::string IntToOctal(int64_t value);

// text with pad in front until it is at least width long.
std::string PadLeft(char pad, std::string text, int width);
