#pragma once
// The matches that Replace all replaces, found in the text as it was before
// any replacement. After each replacement the caret stands behind the text
// just inserted and the next forward search starts there; what follows the
// caret is still the old text, so searching the old text behind the previous
// match finds the same occurrences, and the inserted text is never searched.
#include <functional>
#include <vector>

// searchFrom(position) returns the next match that a forward search starting
// at position finds (never one that begins before position), or -1.
// from: where the first search starts; findLength: the searched text's length.
// Returns the match positions in ascending order.
std::vector<int> ReplaceAllMatches(int from, int findLength,
                                   const std::function<int(int position)>& searchFrom);
