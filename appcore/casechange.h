#pragma once
// Capital and small letters of Windows-1250 text: every letter that has its
// pair of the other case in the code page changes (the Polish letters
// included); everything else stays as it is, so the text keeps its length
// and every character stays one of the code page's.
#include <QString>
#include <QStringView>
#include <vector>

enum class TLetterCase { Upper, Lower };

// The text with its letters changed to the case.
QString ChangeCase(QStringView text, TLetterCase to);

// A stretch of a text, start and length in characters.
struct TTextSpan {
    int start = 0;
    int length = 0;
};

// Where ChangeCase changes something, as one stretch per line from its first
// to its last changed character (never across a line break), in order.
std::vector<TTextSpan> ChangedSpans(QStringView text, TLetterCase to);
