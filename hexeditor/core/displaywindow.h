#pragma once
// The 64 KiB of the document that painting reads from, so that a screen costs
// the same at any offset of any size. It belongs to what paints and reads a
// const document; it knows it is stale when the document's data version moved
// on, and then reads through to the document until it is loaded again.
#include <cstddef>
#include <cstdint>
#include <vector>

class THexModel;

class THexDisplayWindow {
public:
    static constexpr int32_t kSize = 65536;

    // Covers the row starting at rowStart, centred on it when it must be
    // (re)loaded; reloads only when it does not cover the row or is stale.
    void Load(const THexModel& model, int32_t rowStart);
    // A byte of the document: from the window when it holds it and is current.
    uint8_t Byte(const THexModel& model, int32_t position) const;
    // First byte the window holds for this document, -1 when dropped or stale.
    int32_t Start(const THexModel& model) const;
    void Drop();

private:
    bool Current(const THexModel& model) const;

    std::vector<uint8_t> bytes_ = std::vector<uint8_t>(size_t(kSize));
    const THexModel* model_ = nullptr;
    uint64_t version_ = 0;
    int32_t start_ = -1;
    int32_t valid_ = 0;
};
