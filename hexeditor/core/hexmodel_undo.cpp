// The undo journal of the hex document: recording before each accepted edit,
// and reverting the newest record.
#include "hexeditor/core/hexmodel_impl.h"

namespace {
const char* const kUndoLabels[] = {"Byte changed",      "Byte(s) removed", "Insert buffer",
                                   "Replace selection", "Append buffer",   "Insert nibble",
                                   "Delete nibble",     "Convert"};

QString UndoLabel(int kind) {
    return kind >= 0 && kind <= 7 ? QString::fromLatin1(kUndoLabels[kind]) : QString();
}
} // namespace

bool THexModel::CanUndo() const {
    return d->canUndo;
}
QString THexModel::UndoDescription() const {
    return d->undoDescription;
}
int THexModel::UndoCount() const {
    return d->journal.Count();
}
QByteArray THexModel::UndoJournalBytes() const {
    return d->journal.Bytes();
}
int64_t THexModel::UndoSpilledBytes() const {
    return d->journal.SpilledBytes();
}

void THexModel::RecordUndo(int kind, int32_t position, int32_t count, int32_t oldCount) {
    TUndoHeader h;
    h.kind = uint8_t(kind);
    const bool oneByte = kind == ukByteChanged || kind == ukInsertNibble || kind == ukDeleteNibble;
    if (oneByte) {
        h.mark = IsChanged(position) ? 1 : 0;
        h.oldByte = ReadByte(position);
    }
    h.modified = d->modified ? 1 : 0;
    h.caretPosition = CaretPosition();
    h.caretInChar = InCharField() ? 1 : 0;
    h.caretNibble =
        (!h.caretInChar && IsHexColumn(d->caret.col)) ? uint8_t((d->caret.col - 2) % 2) : 0;
    h.selLow = d->selLow;
    h.selHigh = d->selHigh;
    h.selAnchor = d->selAnchor;
    h.position = position;
    h.count = count;
    h.oldCount = oldCount;

    int32_t saved = 0;
    if (kind == ukBytesRemoved || kind == ukConvert)
        saved = count;
    else if (kind == ukReplaceSelection)
        saved = oldCount;
    if (saved > 0) saved = int32_t(std::clamp<int64_t>(int64_t(DataSize()) - position, 0, saved));

    {
        // Large saved runs are copied to the scratch file; that can take a moment.
        const bool busy = saved > (8 << 20);
        if (busy) BeginBusy();
        try {
            d->journal.Push(h, d->work, position, saved);
        } catch (...) {
            if (busy) EndBusy();
            throw;
        }
        if (busy) EndBusy();
    }
    d->undoDescription = UndoLabel(kind);
    if (kind == ukBytesRemoved || kind == ukInsertBuffer || kind == ukReplaceSelection ||
        kind == ukAppendBuffer || kind == ukConvert)
        DropDisplayWindow();
}

void THexModel::RestoreState(const TUndoHeader& h) {
    THexCell cell = PositionToCell(h.caretPosition, h.caretInChar != 0);
    if (!h.caretInChar && DataSize() > 0) cell.col += h.caretNibble;
    MoveCaret(cell.col, cell.row);
    InvalidatePositions(d->selLow, d->selHigh);
    d->selLow = h.selLow;
    d->selHigh = h.selHigh;
    d->selAnchor = h.selAnchor;
    InvalidatePositions(d->selLow, d->selHigh);
    d->modified = h.modified != 0;
}

void THexModel::RemoveNewestRecord() {
    d->work.ForgetSize();
    d->journal.PopNewest();
    if (!d->journal.Empty()) {
        d->undoDescription = UndoLabel(d->journal.Newest().header.kind);
        PostStateChanged();
    } else {
        ClearUndo();
    }
}

void THexModel::Undo() {
    if (!d->canUndo || d->journal.Empty()) {
        ClearUndo();
        return;
    }
    const TUndoRecord& rec = d->journal.Newest();
    const TUndoHeader h = rec.header;
    const int32_t p = h.position;
    const int32_t n = h.count;
    // Both nibble kinds end alike: the old byte and its mark come back and the
    // extra byte the shift left at the end goes.
    const auto restoreNibbleByte = [&] {
        d->work.Write(p, &h.oldByte, 1);
        d->marks.Set(p, h.mark != 0);
        RestoreState(h);
        d->marks.Truncate(p);
        d->work.Resize(std::max<int64_t>(0, d->work.Size() - 1));
        RecomputeGrid();
        Repaint();
    };
    switch (h.kind) {
    case ukByteChanged:
        d->work.Write(p, &h.oldByte, 1);
        d->marks.Set(p, h.mark != 0);
        RestoreState(h);
        if (d->view) d->view->InvalidateRows(p / d->bpl, p / d->bpl);
        UpdateDisplayWindow(p, h.oldByte);
        break;
    case ukBytesRemoved:
        ReserveGrowth(rec.savedCount);
        DropDisplayWindow();
        RawInsertSaved(rec.savedCount, p);
        RestoreState(h);
        d->marks.Truncate(p);
        Repaint();
        break;
    case ukInsertBuffer:
        DropDisplayWindow();
        DeleteRange(p, p + n, d->caret);
        RestoreState(h);
        d->marks.Truncate(p);
        Repaint();
        break;
    case ukReplaceSelection: {
        if (rec.savedCount > n) ReserveGrowth(rec.savedCount - n);
        DropDisplayWindow();
        {
            // Take out the new bytes and put the old ones back in one move of the tail.
            TBusyScope busy(*this);
            const int32_t saved = rec.savedCount;
            if (saved > n)
                d->work.OpenGap(int64_t(p) + n, saved - n);
            else
                d->work.CloseGap(int64_t(p) + saved, int64_t(p) + n);
            d->journal.CopyNewestSaved(d->work, p);
        }
        RecomputeGrid();
        RestoreState(h);
        d->marks.Truncate(std::max(0, p - 1));
        Repaint();
        break;
    }
    case ukAppendBuffer:
        DropDisplayWindow();
        MoveCaret(2, d->caret.row);
        d->work.Resize(p);
        RecomputeGrid();
        d->marks.Truncate(p);
        RestoreState(h);
        Repaint();
        break;
    case ukInsertNibble:
        DropDisplayWindow();
        DeleteNibble(p, false);
        restoreNibbleByte();
        break;
    case ukDeleteNibble: {
        DropDisplayWindow();
        TBusyScope busy(*this);
        RawNibbleInsert(p, false);
        restoreNibbleByte();
        break;
    }
    case ukConvert:
        DropDisplayWindow();
        {
            TBusyScope busy(*this);
            d->journal.CopyNewestSaved(d->work, p);
        }
        RestoreState(h);
        d->marks.Truncate(p);
        Repaint();
        break;
    default:
        return; // an unknown kind reverts nothing and removes nothing
    }
    RemoveNewestRecord();
}

void THexModel::ClearUndo() {
    d->canUndo = false;
    d->undoDescription = QStringLiteral("No Undo");
    d->journal.Clear();
    Notify();
}
