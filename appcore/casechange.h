#pragma once
// Capital and small letters of Windows-1250 text: every letter that has its
// pair of the other case in the code page changes (the Polish letters
// included); everything else stays as it is, so the text keeps its length
// and every character stays one of the code page's.

enum class TLetterCase { Upper, Lower };

// The character in the case.
char16_t ChangeLetterCase(char16_t c, TLetterCase to);
