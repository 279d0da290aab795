#include "appcore/replaceall.h"

std::vector<int> ReplaceAllMatches(int from, int findLength,
                                   const std::function<int(int position)>& searchFrom) {
    std::vector<int> matches;
    if (findLength <= 0) return matches;
    int position = from;
    for (;;) {
        const int match = searchFrom(position);
        // A search that went backwards would loop for ever.
        if (match < position) break;
        matches.push_back(match);
        position = match + findLength;
    }
    return matches;
}
