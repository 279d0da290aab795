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

// The lines in which ChangeCase changes something, each as its whole text
// without the break, in order. (An editor replaces whole lines faster than
// parts of them, and a line's break is never touched.)
std::vector<TTextSpan> ChangedLines(QStringView text, TLetterCase to);
