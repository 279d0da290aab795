#pragma once
// The undo journal: up to 100 records, newest last, each in the fixed
// little-endian layout (34-byte header, saved bytes, 4-byte length trailer).
// Saved bytes of large records live in an unnamed scratch file rather than
// in memory, so undoing the deletion of a 1 GiB selection needs no 1 GiB buffer.
#include "hexeditor/core/fileops.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <deque>

class TWorkFile;

struct TUndoHeader {
    uint8_t kind = 0;
    uint8_t mark = 0;     // kinds 0, 5, 6: changed mark of the byte before the edit
    uint8_t modified = 0; // Modified before the edit
    int32_t caretPosition = 0;
    uint8_t caretNibble = 0;
    uint8_t caretInChar = 0;
    int32_t selLow = -1;
    int32_t selHigh = -1;
    int32_t selAnchor = -1;
    int32_t position = 0;
    int32_t count = 0;
    int32_t oldCount = 0;
    uint8_t oldByte = 0; // kinds 0, 5, 6: the byte at position before the edit
};

struct TUndoRecord {
    TUndoHeader header;
    int32_t savedCount = 0; // saved bytes that follow offset 33 (kinds 1, 3, 7)
    QByteArray saved;       // the saved bytes when held in memory
    int64_t spillOffset = -1;
    uint8_t firstSaved = 0;
    int64_t Length() const { return 33 + std::max<int64_t>(1, savedCount) + 4; }
};

class TUndoJournal {
public:
    static constexpr int kMaxRecords = 100;
    // Saved byte runs longer than this go to the scratch file.
    static constexpr int32_t kInlineLimit = 64 * 1024;

    int Count() const { return int(records_.size()); }
    bool Empty() const { return records_.empty(); }
    const TUndoRecord& Newest() const { return records_.back(); }

    // Appends a record whose saved bytes are [from, from + savedCount) of the
    // working file (none when savedCount is 0); drops the oldest record past
    // 100. Throws EHexEditorError when the saved bytes cannot be kept; the
    // journal is then unchanged.
    void Push(const TUndoHeader& header, const TWorkFile& work, int32_t from, int32_t savedCount);
    void PopNewest();
    void DropOldest();
    void Clear();

    // The saved bytes of the newest record: into memory, or straight into the
    // working file at pos (which must already hold room for them).
    QByteArray NewestSaved() const;
    void CopyNewestSaved(TWorkFile& work, int64_t pos) const;

    // The records in their byte layout, oldest first.
    QByteArray Bytes() const;
    int64_t ByteSize() const;
    // Bytes of the scratch file still in use (for tests).
    int64_t SpilledBytes() const;

    static QByteArray HeaderBytes(const TUndoHeader& header, uint8_t byte33);

private:
    std::deque<TUndoRecord> records_;
    hexfile::TFd spill_;
    int64_t spillEnd_ = 0;
};
