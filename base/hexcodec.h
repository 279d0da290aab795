#pragma once
// The one hex codec of the program: digit values and characters, bytes as hex
// text (two upper-case digits a byte, high nibble first, or low first when
// swapped, nothing between the pairs) and hex text back to bytes.
#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>
#include <cstdint>
#include <string>

// Value of a hex digit of either case, -1 for any other character.
int HexDigitValue(char32_t c);
// The upper-case digit of value & 15.
char HexDigitChar(int value);
// The digit a nibble cell shows: the high nibble of b, or the low one.
inline char NibbleDigit(uint8_t b, bool high) {
    return HexDigitChar(high ? b >> 4 : b & 15);
}

// Upper-case hex digits of a non-negative value, no prefix, no leading zeros ("0" for 0).
std::string IntToHex(int64_t value);

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

// Whole texts, as the clipboard carries bytes: the hex text of bytes, and the
// bytes of every pair of digits in a text (anything else skipped, an odd last
// digit dropped).
QByteArray HexTextOf(QByteArrayView bytes, bool swap = false);
QByteArray BytesOfHexText(QStringView text, bool swap = false);

// A typed search pattern: its hex digits only, a leading zero added to an odd
// count, paired from the left ("1 23" is 01 23). Empty when it has no digit.
QByteArray HexPatternBytes(QStringView typed);
