// Replace all's matches: one pass, never inside the replaced text, and the
// same occurrences as replacing one by one and searching the changed text.
#include "appcore/replaceall.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {
// Replace all done the slow way: replace, search the changed text behind the
// inserted text, and so on. Returns the final text.
QByteArray OneByOne(QByteArray text, int from, QByteArrayView find, QByteArrayView with,
                    TFindOptions options) {
    int caret = from;
    for (;;) {
        const int m =
            FindInBuffer(text.constData(), int(text.size()), caret, 0, find, options | frDown);
        if (m < 0) return text;
        text.replace(m, find.size(), with.toByteArray());
        caret = m + int(with.size());
    }
}

QByteArray Apply(const QByteArray& text, const std::vector<int>& matches, int n,
                 QByteArrayView with) {
    QByteArray out;
    int at = 0;
    for (int m : matches) {
        out += text.mid(at, m - at) + with.toByteArray();
        at = m + n;
    }
    return out + text.mid(at);
}

std::vector<int> All(const QByteArray& text, QByteArrayView find, QByteArrayView with,
                     TFindOptions options = 0, int from = 0) {
    return ReplaceAllMatches(text, from, from > 0 ? uint8_t(text[from - 1]) : -1, find, with,
                             options);
}
} // namespace

TEST(ReplaceAll, EachOccurrenceOnceInOnePass) {
    EXPECT_EQ(All("banana", "a", "aa"), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(All("aaaa", "aa", "a"), (std::vector<int>{0, 2}));
    EXPECT_EQ(All("banana", "a", "x", 0, 2), (std::vector<int>{3, 5}));
    EXPECT_EQ(All("BaNAna", "a", "x"), (std::vector<int>{1, 3, 5})); // without match case
    EXPECT_EQ(All("BaNAna", "a", "x", frMatchCase), (std::vector<int>{1, 5}));
    EXPECT_TRUE(All("banana", "x", "y").empty());
    EXPECT_TRUE(All("banana", "", "y").empty());
    EXPECT_TRUE(All("", "a", "y").empty());
}

TEST(ReplaceAll, WholeWordsSeeTheInsertedTextInFront) {
    // "a a": after replacing the first "a" by "b-", the second "a" follows " ".
    EXPECT_EQ(All("a a", "a", "b-", frWholeWord), (std::vector<int>{0, 2}));
    // "x-x" with "-x" as whole word: after "x" is replaced by "y", "-x"
    // follows the word character "y" and is no whole word.
    // The selection "a" at 0 just replaced by "-": the "a" behind it is a word of its own.
    EXPECT_EQ(ReplaceAllMatches("aa a", 1, '-', "a", "-", frWholeWord), (std::vector<int>{1, 3}));
    const QByteArray text = "x -x";
    EXPECT_EQ(Apply(text, All(text, "x", "y", frWholeWord), 1, "y"),
              OneByOne(text, 0, "x", "y", frWholeWord));
}

// Random texts over a small alphabet of word characters and separators: the
// matches found in the old text give the same result as the slow way, also
// when the character in front of the start was just replaced (the selection
// replaced before Replace all searches on).
TEST(ReplaceAll, SameResultAsReplacingOneByOne) {
    QRandomGenerator random(1250);
    const QByteArray alphabet = "aA \xb9-"; // \xb9 is a Polish letter
    const QByteArray finds[] = {"a", "aA", "a a", " a", "a-", "\xb9", "A"};
    const QByteArray withs[] = {"", "a", "aa", "x-", "-", " ", "b\xb9"};
    for (int round = 0; round < 20000; ++round) {
        QByteArray text;
        const int length = random.bounded(0, 16);
        for (int i = 0; i < length; ++i)
            text += alphabet[random.bounded(int(alphabet.size()))];
        const QByteArray& find = finds[random.bounded(7)];
        const QByteArray& with = withs[random.bounded(7)];
        const TFindOptions options =
            (random.bounded(2) ? frWholeWord : 0) | (random.bounded(2) ? frMatchCase : 0);
        const int from = length ? random.bounded(length + 1) : 0;
        // The text as it is when the search starts: the byte in front of from
        // may be another one than in the text the matches are looked up in.
        QByteArray now = text;
        int before = -1;
        if (from > 0) {
            before = uint8_t(random.bounded(2) ? text[from - 1]
                                               : alphabet[random.bounded(int(alphabet.size()))]);
            now[from - 1] = char(before);
        }
        const auto matches = ReplaceAllMatches(text, from, before, find, with, options);
        ASSERT_EQ(Apply(now, matches, int(find.size()), with),
                  OneByOne(now, from, find, with, options))
            << text.toStdString() << " | " << find.toStdString() << " -> " << with.toStdString()
            << " options " << options << " from " << from;
    }
}
