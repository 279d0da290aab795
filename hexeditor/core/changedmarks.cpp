#include "hexeditor/core/changedmarks.h"

bool TChangedMarks::Get(int32_t position) const {
    if (position < 0 || position >= length_) return false;
    const auto it = pages_.find(position / kPageBits);
    if (it == pages_.end()) return false;
    const int bit = position % kPageBits;
    return (it->second[size_t(bit / 64)] >> (bit % 64)) & 1u;
}

void TChangedMarks::Set(int32_t position, bool marked) {
    if (position < 0) return;
    if (!marked) {
        if (position >= length_) return;
        const auto it = pages_.find(position / kPageBits);
        if (it == pages_.end()) return;
        const int bit = position % kPageBits;
        it->second[size_t(bit / 64)] &= ~(uint64_t(1) << (bit % 64));
        return;
    }
    if (position >= length_) length_ = position + 1;
    auto [it, fresh] = pages_.try_emplace(position / kPageBits);
    if (fresh) it->second.fill(0);
    const int bit = position % kPageBits;
    it->second[size_t(bit / 64)] |= uint64_t(1) << (bit % 64);
}

void TChangedMarks::Truncate(int32_t position) {
    if (position < 0) position = 0;
    length_ = position;
    const int32_t page = position / kPageBits;
    pages_.erase(pages_.upper_bound(page), pages_.end());
    const auto it = pages_.find(page);
    if (it == pages_.end()) return;
    const int bit = position % kPageBits;
    if (bit == 0) {
        pages_.erase(it);
        return;
    }
    Page& words = it->second;
    const size_t word = size_t(bit / 64);
    words[word] &= (uint64_t(1) << (bit % 64)) - 1;
    for (size_t w = word + 1; w < words.size(); ++w)
        words[w] = 0;
}
