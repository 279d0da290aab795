#pragma once
// Recoding of the Polish letters between Windows-1250 and ISO-8859-2. Six
// letters have different codes in the two code pages (ą Ą ś Ś ź Ź); a text
// written in one and read in the other shows them as other characters. The
// recoding rewrites exactly those six codes, all at once: the twelve codes
// are distinct, so the order of the letters does not matter.
#include <QByteArray>
#include <cstdint>

class QTextDocument;

enum class TRecoding { ToIso, ToWindows };

// The code of a byte after recoding (the byte itself when it is none of the six).
uint8_t RecodeByte(uint8_t b, TRecoding direction);
void RecodeBytes(QByteArray& bytes, TRecoding direction);

// The same on a character of the editor (the Windows-1250 character a byte stands for).
char16_t RecodeChar(char16_t c, TRecoding direction);

// The Windows-1250 codes of the six letters in the order ą, Ą, ś, Ś, ź, Ź, and
// their ISO-8859-2 codes.
extern const uint8_t kWindowsCodes[6];
extern const uint8_t kIsoCodes[6];

struct TRecodeResult {
    int replaced = 0;
    // Index (line breaks counting two) just behind the last Ź replaced, or -1.
    int afterLastCapitalZ = -1;
};

// Recodes the whole document as one undo step. Line breaks and everything else
// stay untouched; a document without any of the six codes is not changed at all.
// Undoing it leaves the caret where it is.
TRecodeResult RecodeDocument(QTextDocument& document, TRecoding direction);
