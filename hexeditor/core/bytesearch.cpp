#include "hexeditor/core/bytesearch.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string.h> // memmem
#include <vector>

namespace {

// Exact comparison may stand in for a folded one when no data byte other than
// the pattern byte itself folds onto any pattern byte (digits, punctuation).
bool FoldIsExactFor(const uint8_t* pattern, int32_t len, const uint8_t* fold) {
    std::array<int, 256> preimages{};
    for (int b = 0; b < 256; ++b)
        ++preimages[fold[b]];
    for (int32_t i = 0; i < len; ++i)
        if (preimages[pattern[i]] != 1 || fold[pattern[i]] != pattern[i]) return false;
    return true;
}

// Boyer–Moore–Horspool over raw data bytes, comparing them folded.
class FoldedMatcher {
public:
    FoldedMatcher(const uint8_t* pattern, int32_t len, const uint8_t* fold)
        : pattern_(pattern), len_(len), fold_(fold) {
        std::array<int32_t, 256> shiftOfFolded;
        shiftOfFolded.fill(len);
        for (int32_t i = 0; i + 1 < len; ++i)
            shiftOfFolded[pattern[i]] = len - 1 - i;
        for (int b = 0; b < 256; ++b)
            skip_[b] = shiftOfFolded[fold[b]];
    }

    // Offset of the first match in data[0..size), or -1.
    int64_t Find(const uint8_t* data, int64_t size) const {
        const uint8_t last = pattern_[len_ - 1];
        const int64_t lastStart = size - len_;
        for (int64_t i = 0; i <= lastStart;) {
            const uint8_t b = data[i + len_ - 1];
            if (fold_[b] == last && Rest(data + i)) return i;
            i += skip_[b];
        }
        return -1;
    }

private:
    bool Rest(const uint8_t* at) const {
        for (int32_t k = 0; k + 1 < len_; ++k)
            if (fold_[at[k]] != pattern_[k]) return false;
        return true;
    }

    const uint8_t* pattern_;
    int32_t len_;
    const uint8_t* fold_;
    std::array<int32_t, 256> skip_;
};

int64_t FindExact(const uint8_t* data, int64_t size, const uint8_t* pattern, int32_t len) {
    const void* hit =
        len == 1 ? std::memchr(data, pattern[0], static_cast<size_t>(size))
                 : memmem(data, static_cast<size_t>(size), pattern, static_cast<size_t>(len));
    return hit ? static_cast<const uint8_t*>(hit) - data : -1;
}

} // namespace

int32_t SearchBytes(const BlockReader& read, const uint8_t* pattern, int32_t len, int32_t start,
                    int32_t end, const uint8_t* fold, int32_t blockSize) {
    if (len < 1 || !pattern) return -1;
    if (start < 0) start = 0; // nothing lies before the first byte
    const int64_t stop = static_cast<int64_t>(end) + 1;
    if (static_cast<int64_t>(start) + len > stop) return -1;
    if (fold && FoldIsExactFor(pattern, len, fold)) fold = nullptr;
    std::optional<FoldedMatcher> folded;
    if (fold) folded.emplace(pattern, len, fold);

    // Each block keeps the last len - 1 bytes of the one before, so a match
    // straddling a boundary is seen whole; nothing past end is ever read.
    const int64_t keep = len - 1;
    std::vector<uint8_t> buf(static_cast<size_t>(std::max(blockSize, 1)) + keep);
    int64_t pos = start; // data position of buf[0]
    int64_t have = 0;
    for (;;) {
        const int64_t want =
            std::min<int64_t>(static_cast<int64_t>(buf.size()) - have, stop - (pos + have));
        int64_t got =
            want > 0 ? read(pos + have, buf.data() + have, static_cast<int32_t>(want)) : 0;
        got = std::clamp<int64_t>(got, 0, want);
        have += got;
        if (have >= len) {
            const int64_t at =
                folded ? folded->Find(buf.data(), have) : FindExact(buf.data(), have, pattern, len);
            if (at >= 0) return static_cast<int32_t>(pos + at);
        }
        if (got < want || pos + have >= stop)
            return -1; // end bound reached, or the data ended early
        std::memmove(buf.data(), buf.data() + have - keep, static_cast<size_t>(keep));
        pos += have - keep;
        have = keep;
    }
}
