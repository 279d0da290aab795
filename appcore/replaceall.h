#pragma once
// The matches that Replace all replaces, found in the text as it was before
// any replacement. After each replacement the caret stands behind the text
// just inserted and the next forward search starts there. What follows the
// caret is still the old text, so searching the old text behind the previous
// match finds the same occurrences, and the inserted text is never searched.
// The one character a forward search reads in front of its start (whole
// words look at it) is the last one inserted; it is put in place for each
// search, so the answer is the same as searching the changed text each time.
#include "appcore/textsearch.h"

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

// bytes: the text before any replacement. from: where the first search starts.
// before: the byte in front of from in the text as it is at that moment (it
// differs from bytes[from - 1] when the selection there was just replaced),
// or -1 when from is the start of the text. Searches down with options.
// Returns the match positions in bytes, in ascending order.
std::vector<int> ReplaceAllMatches(const QByteArray& bytes, int from, int before,
                                   QByteArrayView find, QByteArrayView replacement,
                                   TFindOptions options);
