// Edits of the hex document: raw access, the permission check, and every
// operation that changes the bytes, the size or the changed marks.
#include "hexeditor/core/hexmodel_impl.h"

#include <algorithm>
#include <cstring>

// ---- Raw access ------------------------------------------------------------------

uint8_t THexModel::ReadByte(int32_t position) const {
    uint8_t b = 0;
    if (position >= 0 && position < DataSize()) d->work.Read(position, &b, 1);
    return b;
}

void THexModel::WriteByte(int32_t position, uint8_t value) {
    WriteBlock(&value, position, 1);
}

void THexModel::ReadBlock(void* buffer, int32_t position, int32_t count) const {
    if (count <= 0) return;
    auto* out = static_cast<uint8_t*>(buffer);
    const int64_t size = DataSize();
    const int64_t from = std::max<int64_t>(0, position);
    const int64_t to = std::min<int64_t>(size, int64_t(position) + count);
    std::memset(out, 0, size_t(count));
    if (to > from) d->work.Read(from, out + (from - position), to - from);
}

void THexModel::WriteBlock(const void* buffer, int32_t position, int32_t count) {
    if (count <= 0 || position < 0) return;
    EnsureWorkFile();
    d->work.Write(position, buffer, count);
}

QByteArray THexModel::BufferFromFile(int32_t position, int32_t& count) const {
    const int32_t size = DataSize();
    if (position < 0 || position >= size) throw EHexEditorError("Invalid BufferFromFile argument");
    if (count < 0) count = 0;
    if (int64_t(position) + count > size) count = size - position;
    QByteArray out;
    try {
        out.resize(count);
        d->work.Read(position, out.data(), count);
    } catch (const std::exception&) {
        count = 0;
        return {};
    }
    return out;
}

// ---- Changed marks ------------------------------------------------------------------

bool THexModel::IsChanged(int32_t position) const {
    return !InsertMode() && d->marks.Get(position);
}

void THexModel::SetChanged(int32_t position, bool changed) {
    if (InsertMode()) d->marks.Truncate(0);
    d->marks.Set(position, changed);
}

void THexModel::TruncateChangedMarks(int32_t position) {
    d->marks.Truncate(position);
}

// ---- Permission -----------------------------------------------------------------------

bool THexModel::CanChange(int kind, int32_t position, int32_t count, int32_t oldCount) {
    bool allowed = kind >= ukByteChanged && kind <= ukConvert &&
                   (DataSize() > 0 || kind == ukInsertBuffer || kind == ukAppendBuffer);
    if (allowed && d->noSizeChange) {
        switch (kind) {
        case ukBytesRemoved:
        case ukInsertBuffer:
        case ukAppendBuffer:
        case ukInsertNibble:
            allowed = false;
            break;
        case ukReplaceSelection:
            allowed = count == oldCount;
            break;
        default:
            break;
        }
    }
    if (allowed) {
        RecordUndo(kind, position, count, oldCount);
        d->canUndo = true;
        d->modified = true;
    }
    PostStateChanged();
    return allowed;
}

void THexModel::ReserveGrowth(int64_t count) {
    EnsureWorkFile();
    if (!hexfile::Reserve(d->work.Fd(), d->work.Size(), count))
        throw EHexEditorError("Not enough disk space for the working file");
}

// ---- Raw insertion ---------------------------------------------------------------------

void THexModel::RawInsert(const uint8_t* buffer, int32_t count, int32_t position) {
    EnsureWorkFile();
    if (DataSize() == 0) d->marks.Truncate(0);
    {
        TBusyScope busy(*this, DataSize() - int64_t(position) + count > kBusyBytes);
        d->work.OpenGap(position, count);
        d->work.Write(position, buffer, count);
    }
    RecomputeGrid();
}

void THexModel::RawInsertSaved(int32_t count, int32_t position) {
    EnsureWorkFile();
    if (DataSize() == 0) d->marks.Truncate(0);
    TBusyScope busy(*this);
    d->work.OpenGap(position, count);
    d->journal.CopyNewestSaved(d->work, position);
    RecomputeGrid();
}

// ---- Edit operations -----------------------------------------------------------------------

void THexModel::ChangeByte(int32_t position, uint8_t oldValue, uint8_t newValue) {
    if (oldValue == newValue || position < 0 || position >= DataSize() ||
        !CanChange(ukByteChanged, position, 1, 0))
        return;
    d->work.Write(position, &newValue, 1);
    if (!InsertMode()) d->marks.Set(position, true);
    InvalidateByte(position);
}

void THexModel::InsertBuffer(const uint8_t* buffer, int32_t count, int32_t position) {
    if (!buffer || count <= 0 || position < 0 || position > DataSize() ||
        int64_t(DataSize()) + count > kMaxDataSize)
        return;
    ReserveGrowth(count);
    if (!CanChange(ukInsertBuffer, position, count, 0)) return;
    RawInsert(buffer, count, position);
    d->marks.Truncate(position);
    if (position == CaretPosition()) {
        d->sel.Run(position, count);
        PostStateChanged();
    }
    Repaint();
}

void THexModel::AppendBuffer(const uint8_t* buffer, int32_t count) {
    const int32_t s = DataSize();
    if (!buffer || count <= 0 || int64_t(s) + count > kMaxDataSize) return;
    ReserveGrowth(count);
    if (!CanChange(ukAppendBuffer, s, count, 0)) return;
    const bool charField = CaretInCharField();
    RawInsert(buffer, count, s);
    const THexCell cell = PositionToCell(s, charField);
    MoveCaret(cell);
    d->sel.Run(s, count);
    PostStateChanged();
    Repaint();
}

void THexModel::ReplaceSelection(const uint8_t* buffer, int32_t count) {
    if (count < 0 || (count > 0 && !buffer)) return;
    if (SelCount() == 0) {
        InsertBuffer(buffer, count, CaretPosition());
        return;
    }
    const bool charField = CaretInCharField();
    if (d->noSizeChange) {
        if (count == 0) return;
        if (count > SelCount()) count = SelCount();
        if (count < SelCount()) {
            const int32_t low = d->sel.Low();
            MoveCaret(PositionToCell(low, charField));
            InvalidatePositions(low, d->sel.High());
            d->sel.Run(low, count);
        }
    }
    const int32_t p = d->sel.Low();
    const int32_t oldCount = SelCount();
    const int64_t before = DataSize();
    if (before - oldCount + count > kMaxDataSize) return;
    if (count > oldCount) ReserveGrowth(count - oldCount);
    if (!CanChange(ukReplaceSelection, p, count, oldCount)) return;

    const THexCell remembered = d->caret;
    {
        // Delete the old bytes and insert the new ones in one move of the tail.
        TBusyScope busy(*this, before - p > kBusyBytes);
        if (count > oldCount)
            d->work.OpenGap(int64_t(p) + oldCount, count - oldCount);
        else
            d->work.CloseGap(int64_t(p) + count, int64_t(p) + oldCount);
        d->work.Write(p, buffer, count);
    }
    RecomputeGrid();
    // The caret goes where deleting the old bytes alone would have put it.
    const int64_t afterDelete = before - oldCount;
    THexCell cell = PositionToCell(p, charField);
    if (p >= afterDelete)
        cell = afterDelete == 0 ? THexCell{} : PositionToCell(int32_t(afterDelete - 1), charField);
    MoveCaret(cell);
    ClearSelection(true);
    d->marks.Truncate(p);
    if (CellToPosition(remembered.col, remembered.row).position == p && p < DataSize()) {
        MoveCaret(remembered);
        if (count > 0) d->sel.Run(p, count);
        PostStateChanged();
    }
    Repaint();
}

void THexModel::DeleteSelection() {
    int32_t start, end;
    THexCell cell;
    if (SelCount() > 0) {
        start = d->sel.Low();
        end = d->sel.High() + 1;
        cell = PositionToCell(start, CaretInCharField());
    } else {
        start = CaretPosition();
        end = start + 1;
        cell = d->caret;
    }
    d->marks.Truncate(start);
    if (start < 0 || start >= DataSize()) return;
    end = std::min(end, DataSize());
    if (CanChange(ukBytesRemoved, start, end - start, 0)) DeleteRange(start, end, cell);
}

void THexModel::DeleteRange(int32_t start, int32_t end, THexCell caretCell) {
    start = std::max(0, start);
    end = std::min(end, DataSize());
    if (end > start) {
        TBusyScope busy(*this, DataSize() - int64_t(end) > kBusyBytes);
        d->work.CloseGap(start, end);
    }
    RecomputeGrid();
    const int32_t size = DataSize();
    const THexCellPosition at = CellToPosition(caretCell.col, caretCell.row);
    if (at.position >= size)
        caretCell = size == 0 ? THexCell{} : PositionToCell(size - 1, at.charField);
    MoveCaret(caretCell);
    ClearSelection(true);
    Repaint();
}

void THexModel::DeleteAtCaret(bool backward) {
    const int32_t a = CurrentPosition();
    if (backward) {
        if (a != 0 && a <= DataSize() && CanChange(ukBytesRemoved, a - 1, 1, 0)) {
            DeleteRange(a - 1, a, d->caret);
            Seek(a - 1, 0, true);
        }
    } else if (a < DataSize() && CanChange(ukBytesRemoved, a, 1, 0)) {
        DeleteRange(a, a + 1, d->caret);
    }
}

// ---- Nibbles ----------------------------------------------------------------------------------

void THexModel::RawNibbleInsert(int32_t position, bool high) {
    EnsureWorkFile();
    const uint8_t x = ReadByte(position);
    d->work.ShiftRightNibble(position);
    const uint8_t first = high ? uint8_t(x >> 4) : uint8_t(x & 0xF0);
    d->work.Write(position, &first, 1);
}

void THexModel::DeleteNibble(int32_t position, bool high) {
    TBusyScope busy(*this);
    const uint8_t x = ReadByte(position);
    d->work.ShiftLeftNibble(position);
    if (!high) {
        const uint8_t y = ReadByte(position);
        const uint8_t kept = uint8_t((x & 0xF0) | (y & 0x0F));
        d->work.Write(position, &kept, 1);
    }
}

bool THexModel::InsertNibble(int32_t position, bool high) {
    if (DataSize() == 0) {
        ClearSelection(true);
        const uint8_t zero = 0;
        AppendBuffer(&zero, 1);
        return DataSize() == 1;
    }
    if (position < 0 || position >= DataSize() || DataSize() >= kMaxDataSize) return false;
    ReserveGrowth(1);
    if (!CanChange(ukInsertNibble, position, 0, 0)) return false;
    ClearSelection(false);
    EnsureWorkFile();
    {
        TBusyScope busy(*this);
        RawNibbleInsert(position, high);
    }
    d->marks.Truncate(position);
    RecomputeGrid();
    Repaint();
    return true;
}
