// Whole-data replacement from a source of bytes delivered in blocks, so that
// an import of any size never holds its bytes at once.
#include "hexeditor/core/hexmodel_impl.h"

#include <algorithm>
#include <vector>

namespace {
constexpr int32_t kImportBlock = 1 << 20;
} // namespace

bool THexModel::ReplaceAllFromSource(int32_t count, const TBlockSource& fill) {
    if (count < 0 || !fill) return true;
    // Writes the new bytes at 0 in blocks once the room for them is made.
    // A source or a write failing part-way counts as a failed fill, so that the
    // step is undone rather than left with a hole of unwritten bytes.
    auto writeAll = [&]() {
        try {
            std::vector<uint8_t> block(size_t(std::min(std::max(count, 1), kImportBlock)));
            for (int32_t done = 0; done < count;) {
                const int32_t n = std::min(count - done, kImportBlock);
                if (!fill(block.data(), n)) return false;
                d->work.Write(done, block.data(), n);
                done += n;
            }
            return true;
        } catch (...) {
            return false;
        }
    };

    const int64_t before = DataSize();
    if (before == 0) {
        // As InsertBuffer at the caret of an empty document.
        if (count == 0) return true;
        ReserveGrowth(count);
        if (!CanChange(ukInsertBuffer, 0, count, 0)) return true;
        EnsureWorkFile();
        d->marks.Truncate(0);
        bool ok = false;
        {
            TBusyScope busy(*this);
            d->work.OpenGap(0, count);
            ok = writeAll();
        }
        RecomputeGrid();
        if (!ok) {
            Undo();
            return false;
        }
        d->marks.Truncate(0);
        if (CaretPosition() == 0) {
            d->sel.Run(0, count);
            PostStateChanged();
        }
        Repaint();
        return true;
    }

    // As ReplaceSelection over the whole data.
    SetSelStart(0);
    SetSelEnd(int32_t(before - 1));
    const bool charField = CaretInCharField();
    if (d->noSizeChange) {
        if (count == 0) return true;
        count = int32_t(std::min<int64_t>(count, before));
        if (count < before) {
            MoveCaret(PositionToCell(0, charField));
            InvalidatePositions(0, d->sel.High());
            d->sel.Run(0, count);
        }
    }
    const int32_t oldCount = SelCount();
    if (before - oldCount + count > kMaxDataSize) return true;
    if (count > oldCount) ReserveGrowth(count - oldCount);
    if (!CanChange(ukReplaceSelection, 0, count, oldCount)) return true;

    const THexCell remembered = d->caret;
    bool ok = false;
    {
        TBusyScope busy(*this);
        if (count > oldCount)
            d->work.OpenGap(oldCount, count - oldCount);
        else
            d->work.CloseGap(count, oldCount);
        ok = writeAll();
    }
    RecomputeGrid();
    if (!ok) {
        Undo();
        return false;
    }
    const int64_t afterDelete = before - oldCount;
    THexCell cell = PositionToCell(0, charField);
    if (afterDelete == 0) cell = THexCell{};
    MoveCaret(cell);
    ClearSelection(true);
    d->marks.Truncate(0);
    if (CellToPosition(remembered.col, remembered.row).position == 0 && 0 < DataSize()) {
        MoveCaret(remembered);
        if (count > 0) d->sel.Run(0, count);
        PostStateChanged();
    }
    Repaint();
    return true;
}
