#pragma once
// One mark per byte position: the byte was overwritten since load or save.
// Kept as sparse 32 Ki-bit pages, so a mark near the end of a 2 GiB
// document costs 4 KiB, not 256 MiB.
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>

class TChangedMarks {
public:
    bool Get(int32_t position) const;
    void Set(int32_t position, bool marked);
    // Forgets every mark at position or beyond (the set's length becomes position).
    void Truncate(int32_t position);
    int32_t Length() const { return length_; }
    bool Any() const { return !pages_.empty(); }

private:
    static constexpr int kPageBits = 1 << 15;
    using Page = std::array<uint64_t, kPageBits / 64>;
    std::map<int32_t, Page> pages_;
    int32_t length_ = 0;
};
