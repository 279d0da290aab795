// Byte search over blocks: the first match wholly within [start, end], also
// across the internal block boundary, exact or case-folded.
#include "hexeditor/core/bytesearch.h"
#include "hexeditor/core/charsets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

struct MemoryData {
    std::vector<uint8_t> bytes;
    int64_t furthestRead = 0; // one past the last byte ever asked for
    int calls = 0;

    explicit MemoryData(const std::string& s) : bytes(s.begin(), s.end()) {}
    explicit MemoryData(std::vector<uint8_t> b) : bytes(std::move(b)) {}

    BlockReader Reader() {
        return [this](int64_t pos, uint8_t* buf, int32_t count) -> int32_t {
            ++calls;
            furthestRead = std::max(furthestRead, pos + count);
            const int64_t n =
                std::clamp<int64_t>(static_cast<int64_t>(bytes.size()) - pos, 0, count);
            std::memcpy(buf, bytes.data() + pos, static_cast<size_t>(n));
            return static_cast<int32_t>(n);
        };
    }
    int32_t End() const { return static_cast<int32_t>(bytes.size()) - 1; }
};

int32_t Search(MemoryData& data, const std::string& pattern, int32_t start, int32_t end,
               const uint8_t* fold = nullptr, int32_t blockSize = 4) {
    return SearchBytes(data.Reader(), reinterpret_cast<const uint8_t*>(pattern.data()),
                       static_cast<int32_t>(pattern.size()), start, end, fold, blockSize);
}

// The plain one-byte-at-a-time scan the block search must agree with.
int32_t NaiveSearch(const std::vector<uint8_t>& data, const std::vector<uint8_t>& pattern,
                    int32_t start, int32_t end, const uint8_t* fold) {
    const auto len = static_cast<int32_t>(pattern.size());
    if (len < 1 || static_cast<int64_t>(start) + len > static_cast<int64_t>(end) + 1) return -1;
    for (int32_t c = start;; ++c)
        for (int32_t k = 0;; ++k) {
            if (k == len) return c;
            if (c + k > end) return -1;
            const uint8_t b = fold ? fold[data[c + k]] : data[c + k];
            if (b != pattern[k]) break;
        }
}

} // namespace

TEST(SearchBytes, PatternStartingInsideAnEarlierPartialMatch) {
    MemoryData d("aaab");
    EXPECT_EQ(Search(d, "aab", 0, d.End()), 1);
}

TEST(SearchBytes, StartOnAMatchReturnsIt) {
    MemoryData d("xxabxxabxx");
    EXPECT_EQ(Search(d, "ab", 2, d.End()), 2);
    EXPECT_EQ(Search(d, "ab", 3, d.End()), 6);
    EXPECT_EQ(Search(d, "ab", 7, d.End()), -1);
}

TEST(SearchBytes, MatchMustEndWithinTheEndBound) {
    MemoryData d("xxxxabc");
    EXPECT_EQ(Search(d, "abc", 0, 6), 4);
    EXPECT_EQ(Search(d, "abc", 0, 5), -1);
}

TEST(SearchBytes, NeverReadsBeyondTheEndBound) {
    MemoryData d(std::string(1000, 'x') + "abc");
    EXPECT_EQ(Search(d, "abc", 0, 900, nullptr, 64), -1);
    EXPECT_LE(d.furthestRead, 901);
}

TEST(SearchBytes, NeverLooksBeforeTheStart) {
    MemoryData d("abcabc");
    EXPECT_EQ(Search(d, "abc", 1, d.End()), 3);
    EXPECT_EQ(Search(d, "abc", 4, d.End()), -1); // no wrapping
}

TEST(SearchBytes, EmptyPatternOrTooShortRangeFindsNothing) {
    MemoryData d("abc");
    EXPECT_EQ(Search(d, "", 0, d.End()), -1);
    EXPECT_EQ(Search(d, "abcd", 0, d.End()), -1);
    EXPECT_EQ(Search(d, "bc", 2, d.End()), -1);
    EXPECT_EQ(d.calls, 0);
}

TEST(SearchBytes, NegativeStartSearchesFromTheFirstByte) {
    MemoryData d("abc");
    EXPECT_EQ(Search(d, "ab", -5, d.End()), 0);
}

TEST(SearchBytes, SingleBytePattern) {
    MemoryData d("....x");
    EXPECT_EQ(Search(d, "x", 0, d.End(), nullptr, 1), 4);
    EXPECT_EQ(Search(d, "x", 0, 3, nullptr, 1), -1);
}

TEST(SearchBytes, MatchStraddlingEveryBlockBoundaryPosition) {
    for (int32_t blockSize : {1, 2, 3, 4, 5, 7, 8, 16}) {
        for (int32_t at = 0; at < 40; ++at) {
            std::string s(48, '.');
            s.replace(static_cast<size_t>(at), 6, "needle");
            MemoryData d(s);
            EXPECT_EQ(Search(d, "needle", 0, d.End(), nullptr, blockSize), at)
                << "block " << blockSize << " at " << at;
            EXPECT_EQ(Search(d, "NEEDLE", 0, d.End(), AnsiLowerTable(), blockSize), -1);
            EXPECT_EQ(Search(d, "needle", 0, d.End(), AnsiLowerTable(), blockSize), at);
        }
    }
}

TEST(SearchBytes, OverlappingCandidatesAcrossABoundary) {
    // With blocks of 3, the partial match "aa" ends one block and the real match
    // begins inside it.
    MemoryData d("xaaaab");
    EXPECT_EQ(Search(d, "aab", 0, d.End(), nullptr, 3), 3);
    EXPECT_EQ(Search(d, "aab", 0, d.End(), AnsiLowerTable(), 3), 3);
}

TEST(SearchBytes, FoldMatchesEitherCase) {
    const uint8_t* lower = AnsiLowerTable();
    MemoryData d("xABcx aBc abc");
    EXPECT_EQ(Search(d, "abc", 0, d.End(), lower), 1);
    EXPECT_EQ(Search(d, "abc", 2, d.End(), lower), 6);
    EXPECT_EQ(Search(d, "abc", 0, d.End()), 10);
    EXPECT_EQ(Search(d, "ABc", 0, d.End()), 1);
}

TEST(SearchBytes, FoldMatchesPolishCapitals) {
    // "ŻÓŁĆ" and "żółć" in Windows-1250.
    MemoryData d("..\xAF\xD3\xA3\xC6..");
    const std::string lower = "\xBF\xF3\xB3\xE6";
    EXPECT_EQ(Search(d, lower, 0, d.End(), AnsiLowerTable()), 2);
    EXPECT_EQ(Search(d, lower, 0, d.End()), -1);
}

TEST(SearchBytes, FoldWithDigitsOnlyStillHonoursBounds) {
    MemoryData d("a12b12");
    EXPECT_EQ(Search(d, "12", 2, d.End(), AnsiLowerTable()), 4);
    EXPECT_EQ(Search(d, "12", 2, 4, AnsiLowerTable()), -1);
}

TEST(SearchBytes, DataEndingEarlyEndsTheSearch) {
    MemoryData d("abcabc");
    EXPECT_EQ(Search(d, "abc", 1, 100), 3);
    EXPECT_EQ(Search(d, "abd", 0, 100), -1);
}

TEST(SearchBytes, AgreesWithThePlainScanOnRandomData) {
    std::mt19937 rng(12345);
    const uint8_t alphabet[] = {'a', 'b', 'A', 'B', 0xB9, 0xA5};
    const uint8_t* lower = AnsiLowerTable();
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> data(rng() % 60 + 1);
        for (auto& b : data)
            b = alphabet[rng() % (round % 2 ? 2 : 6)];
        std::vector<uint8_t> pattern(rng() % 5 + 1);
        for (auto& b : pattern)
            b = alphabet[rng() % 2];
        const bool useFold = rng() % 2;
        const auto n = static_cast<int32_t>(data.size());
        const auto start = static_cast<int32_t>(rng() % (n + 2)) - 1;
        const auto end = static_cast<int32_t>(rng() % (n + 1));
        const auto blockSize = static_cast<int32_t>(rng() % 9 + 1);
        MemoryData d(data);
        const int32_t got =
            SearchBytes(d.Reader(), pattern.data(), static_cast<int32_t>(pattern.size()), start,
                        std::min(end, n - 1), useFold ? lower : nullptr, blockSize);
        const int32_t want = NaiveSearch(data, pattern, std::max(start, 0), std::min(end, n - 1),
                                         useFold ? lower : nullptr);
        ASSERT_EQ(got, want) << "round " << round;
    }
}
