#pragma once
// The spelling check's built-in list: common misspellings of Polish words and
// their corrections, single words in Windows-1250, in the order the check
// searches them (the list itself is described in data/README.md).
#include <QStringList>
#include <cstddef>

struct TMisspelling {
    const char* misspelling; // Windows-1250
    const char* correction;  // Windows-1250
};

// All pairs, in checking order.
const TMisspelling* MisspellingList();
size_t MisspellingCount();

// The two columns as text of the editor (each byte its Windows-1250 character).
QStringList Misspellings();
QStringList Corrections();
