#include "appcore/replaceall.h"

std::vector<int> ReplaceAllMatches(const QByteArray& bytes, int from, int before,
                                   QByteArrayView find, QByteArrayView replacement,
                                   TFindOptions options) {
    std::vector<int> matches;
    const int n = int(find.size());
    if (n <= 0 || from < 0 || from > bytes.size()) return matches;
    options |= frDown;
    QByteArray text = bytes; // one byte at a time stands in for what was inserted
    text.detach();
    char* data = text.data();
    const int length = int(text.size());
    // A separator stands for the start of the text: both end a word.
    const char kBoundary = ' ';
    int position = from;
    int prev = before;
    for (;;) {
        char saved = 0;
        if (position > 0) {
            saved = data[position - 1];
            data[position - 1] = prev < 0 ? kBoundary : char(prev);
        }
        const int match = FindInBuffer(data, length, position, 0, find, options);
        if (position > 0) data[position - 1] = saved;
        if (match < position) break; // none, or (never) one that would turn back
        matches.push_back(match);
        if (!replacement.isEmpty())
            prev = uint8_t(replacement.back());
        else if (match > position)
            prev = uint8_t(bytes[match - 1]);
        // else: nothing inserted right at the start, the byte in front stays
        position = match + n;
    }
    return matches;
}
