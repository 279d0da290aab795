#include "hexeditor/core/undojournal.h"

#include "hexeditor/core/hexmodel.h"
#include "hexeditor/core/workfile.h"

#include <fcntl.h>
#include <unistd.h>

namespace {
void PutInt(char* at, int32_t v) {
    const uint32_t u = uint32_t(v);
    for (int i = 0; i < 4; ++i)
        at[i] = char((u >> (8 * i)) & 0xFF);
}
} // namespace

QByteArray TUndoJournal::HeaderBytes(const TUndoHeader& h, uint8_t byte33) {
    QByteArray out(34, '\0');
    char* p = out.data();
    p[0] = char(h.kind);
    p[1] = char(h.mark);
    p[2] = char(h.modified);
    PutInt(p + 3, h.caretPosition);
    p[7] = char(h.caretNibble);
    p[8] = char(h.caretInChar);
    PutInt(p + 9, h.selLow);
    PutInt(p + 13, h.selHigh);
    PutInt(p + 17, h.selAnchor);
    PutInt(p + 21, h.position);
    PutInt(p + 25, h.count);
    PutInt(p + 29, h.oldCount);
    p[33] = char(byte33);
    return out;
}

void TUndoJournal::Push(const TUndoHeader& header, const TWorkFile& work, int32_t from,
                        int32_t savedCount) {
    TUndoRecord rec;
    rec.header = header;
    rec.savedCount = std::max(0, savedCount);
    if (rec.savedCount > 0 && rec.savedCount <= kInlineLimit) {
        rec.saved.resize(rec.savedCount);
        work.Read(from, rec.saved.data(), rec.savedCount);
        rec.firstSaved = uint8_t(rec.saved[0]);
    } else if (rec.savedCount > 0) {
        if (!spill_.Valid()) {
            spill_ = hexfile::CreateScratchFile(hexfile::TempFolder());
            spillEnd_ = 0;
            if (!spill_.Valid()) throw EHexEditorError("Cannot create the undo scratch file");
        }
        if (!hexfile::Reserve(spill_.Get(), spillEnd_, rec.savedCount)) {
            throw EHexEditorError("Not enough disk space for the undo journal");
        }
        work.CopyOut(from, rec.savedCount, spill_.Get(), spillEnd_);
        rec.spillOffset = spillEnd_;
        work.Read(from, &rec.firstSaved, 1);
        spillEnd_ += rec.savedCount;
    }
    records_.push_back(std::move(rec));
    if (Count() > kMaxRecords) DropOldest();
}

void TUndoJournal::PopNewest() {
    if (records_.empty()) return;
    const TUndoRecord& rec = records_.back();
    if (rec.spillOffset >= 0) {
        spillEnd_ = rec.spillOffset;
        if (::ftruncate(spill_.Get(), spillEnd_) != 0) {
            // The tail stays allocated; later records are written after it anyway.
        }
    }
    records_.pop_back();
    if (records_.empty()) Clear();
}

void TUndoJournal::DropOldest() {
    if (records_.empty()) return;
    const TUndoRecord& rec = records_.front();
    if (rec.spillOffset >= 0)
        ::fallocate(spill_.Get(), FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, rec.spillOffset,
                    rec.savedCount);
    records_.pop_front();
}

void TUndoJournal::Clear() {
    records_.clear();
    if (spill_.Valid()) spill_.Close();
    spillEnd_ = 0;
}

QByteArray TUndoJournal::NewestSaved() const {
    const TUndoRecord& rec = Newest();
    if (rec.spillOffset < 0) return rec.saved;
    QByteArray out(rec.savedCount, Qt::Uninitialized);
    if (!hexfile::ReadAt(spill_.Get(), out.data(), rec.savedCount, rec.spillOffset))
        throw EHexEditorError("Undo journal: read error");
    return out;
}

void TUndoJournal::CopyNewestSaved(TWorkFile& work, int64_t pos) const {
    const TUndoRecord& rec = Newest();
    if (rec.spillOffset < 0)
        work.Write(pos, rec.saved.constData(), rec.savedCount);
    else
        work.CopyIn(spill_.Get(), rec.spillOffset, pos, rec.savedCount);
}

int64_t TUndoJournal::ByteSize() const {
    int64_t total = 0;
    for (const auto& rec : records_)
        total += rec.Length();
    return total;
}

int64_t TUndoJournal::SpilledBytes() const {
    int64_t total = 0;
    for (const auto& rec : records_)
        if (rec.spillOffset >= 0) total += rec.savedCount;
    return total;
}

QByteArray TUndoJournal::Bytes() const {
    QByteArray out;
    out.reserve(qsizetype(std::min<int64_t>(ByteSize(), 1 << 30)));
    for (const auto& rec : records_) {
        const TUndoHeader& h = rec.header;
        const bool saves = rec.savedCount > 0;
        QByteArray head = HeaderBytes(h, saves ? rec.firstSaved : h.oldByte);
        out += head;
        if (saves) {
            if (rec.spillOffset < 0) {
                out.append(rec.saved.constData() + 1, rec.savedCount - 1);
            } else {
                QByteArray rest(rec.savedCount - 1, Qt::Uninitialized);
                hexfile::ReadAt(spill_.Get(), rest.data(), rest.size(), rec.spillOffset + 1);
                out += rest;
            }
        }
        char trailer[4];
        PutInt(trailer, int32_t(rec.Length()));
        out.append(trailer, 4);
    }
    return out;
}
