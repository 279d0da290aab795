#pragma once
// Text search over 8-bit Windows-1250 text, forwards or backwards, with or
// without regard to case, for a substring or a whole word. FindInBuffer is the
// definition of a match; TTextImage (appcore/textimage.h) answers the same
// questions faster on a text that is searched many times.
//
// Whole words: a word is a run of word characters (digits, ASCII letters and
// every letter of Windows-1250, the Polish ones included); everything else
// separates words. A whole-word match starts at a word start and ends before a
// separator, the two ends of the text counting as boundaries. A forward search
// that starts inside a word leaves that word first; one that starts exactly at
// a word start considers that word.
#include <QByteArrayView>
#include <array>
#include <cstdint>

enum TFindOption : unsigned {
    frDown = 1,
    frMatchCase = 2,
    frWholeWord = 4,
    frReplace = 8,
    frReplaceAll = 16
};
using TFindOptions = unsigned;

// One flag per byte: true when the byte separates words.
const std::array<bool, 256>& WordSeparators();

// The upper-case letter of each byte (the byte itself when it has none).
const std::array<uint8_t, 256>& UpperCaseMap();

// The case map of a search: the identity with match case, else UpperCaseMap().
const std::array<uint8_t, 256>& CaseMap(TFindOptions options);

// Moves position (and the remaining count with it) to where a whole-word
// search compares next. direction +1: past the rest of a word it stands
// inside, then past separators. direction -1: back to the start of the word at
// or before position. Never moves further than count allows.
void SkipToWordStart(const uint8_t* buffer, int& position, int& count, int direction);

// The position of the first match from the selection on (forwards: after the
// selection; backwards: a match ending at or before selStart, nearest first),
// or -1. An empty text or buffer never matches.
int FindInBuffer(const char* buffer, int length, int selStart, int selLength, QByteArrayView text,
                 TFindOptions options);

// The search text as compared against a case-mapped buffer.
QByteArray MappedText(QByteArrayView text, TFindOptions options);

// True when the match of length n at position in buffer is bounded by
// separators or the ends of the text on both sides.
inline bool IsWholeWordAt(const uint8_t* buffer, int length, int position, int n) {
    const auto& sep = WordSeparators();
    return (position == 0 || sep[buffer[position - 1]]) &&
           (position + n == length || sep[buffer[position + n]]);
}
