#pragma once
// Forward byte search over data read in large blocks, finding matches that
// straddle block boundaries.
#include <cstdint>
#include <functional>

// Reads up to count bytes at pos into buf; returns how many it read.
using BlockReader = std::function<int32_t(int64_t pos, uint8_t* buf, int32_t count)>;

// Position of the first occurrence of pattern[0..len) lying wholly within
// [start, end] (inclusive), or -1. With fold non-null every data byte is
// mapped through fold[256] before it is compared (the pattern must already be
// folded). blockSize is the read size; tests make it small to hit boundaries.
int32_t SearchBytes(const BlockReader& read, const uint8_t* pattern, int32_t len, int32_t start,
                    int32_t end, const uint8_t* fold, int32_t blockSize = 4 << 20);
