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
    const THexGeometry& g = d->geometry;
    h.caretNibble = (!h.caretInChar && g.IsHexColumn(d->caret.col))
                        ? uint8_t(g.NibbleOfColumn(d->caret.col))
                        : 0;
    h.selLow = d->sel.Low();
    h.selHigh = d->sel.High();
    h.selAnchor = d->sel.Anchor();
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
        TBusyScope busy(*this, saved > kBusyBytes);
        d->journal.Push(h, d->work, position, saved);
    }
    d->undoDescription = UndoLabel(kind);
}

void THexModel::RestoreState(const TUndoHeader& h) {
    const THexGeometry& g = d->geometry;
    const bool hex = !h.caretInChar && DataSize() > 0;
    MoveCaret(hex ? g.HexCell(h.caretPosition, h.caretNibble)
                  : g.PositionToCell(h.caretPosition, h.caretInChar != 0));
    InvalidatePositions(d->sel.Low(), d->sel.High());
    d->sel.Restore(h.selAnchor, h.selLow, h.selHigh);
    InvalidatePositions(d->sel.Low(), d->sel.High());
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
        InvalidatePositions(p, p);
        break;
    case ukBytesRemoved:
        ReserveGrowth(rec.savedCount);
        RawInsertSaved(rec.savedCount, p);
        RestoreState(h);
        d->marks.Truncate(p);
        Repaint();
        break;
    case ukInsertBuffer:
        DeleteRange(p, p + n, d->caret);
        RestoreState(h);
        d->marks.Truncate(p);
        Repaint();
        break;
    case ukReplaceSelection: {
        if (rec.savedCount > n) ReserveGrowth(rec.savedCount - n);
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
        MoveCaret(THexGeometry::kFirstHexColumn, d->caret.row);
        d->work.Resize(p);
        RecomputeGrid();
        d->marks.Truncate(p);
        RestoreState(h);
        Repaint();
        break;
    case ukInsertNibble:
        DeleteNibble(p, false);
        restoreNibbleByte();
        break;
    case ukDeleteNibble: {
        TBusyScope busy(*this);
        RawNibbleInsert(p, false);
        restoreNibbleByte();
        break;
    }
    case ukConvert: {
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
