// Replace all's matches: one pass, never inside the replaced text.
#include "appcore/replaceall.h"

#include <QString>
#include <gtest/gtest.h>

namespace {
std::vector<int> Matches(const QString& text, const QString& find, int from) {
    return ReplaceAllMatches(from, int(find.size()),
                             [&](int position) { return int(text.indexOf(find, position)); });
}
} // namespace

TEST(ReplaceAll, EachOccurrenceOnceFromTheStart) {
    EXPECT_EQ(Matches("banana", "a", 0), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(Matches("aaaa", "aa", 0), (std::vector<int>{0, 2}));
    EXPECT_EQ(Matches("banana", "a", 2), (std::vector<int>{3, 5}));
    EXPECT_TRUE(Matches("banana", "x", 0).empty());
    EXPECT_TRUE(Matches("banana", "", 0).empty());
}

TEST(ReplaceAll, AMisbehavingSearchCannotLoop) {
    int calls = 0;
    const auto m = ReplaceAllMatches(5, 1, [&](int) {
        ++calls;
        return 0; // behind the start
    });
    EXPECT_TRUE(m.empty());
    EXPECT_EQ(calls, 1);
}
