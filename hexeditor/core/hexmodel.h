#pragma once
// The hex document: bytes in a working file (never held whole in memory),
// changed marks, the undo journal, and the caret, selection and marker model
// of the grid. No widgets: a view is told what to repaint through IHexView,
// and the widget tells the caret model which keys and buttons are held.
//
// Failures: the errors of the grid's contract throw EHexEditorError; edits the
// document refuses do nothing; SaveToFile and the import return a Boolean.
#include "hexeditor/core/charsets.h"
#include "hexeditor/core/hexgeometry.h"
#include "hexeditor/core/hexview.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

// Errors of the hex editor carry fixed English messages ("Invalid SelStart", ...).
class EHexEditorError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum THexUndoKind : uint8_t {
    ukByteChanged = 0,
    ukBytesRemoved = 1,
    ukInsertBuffer = 2,
    ukReplaceSelection = 3,
    ukAppendBuffer = 4,
    ukInsertNibble = 5,
    ukDeleteNibble = 6,
    ukConvert = 7,
};

class THexModel {
public:
    explicit THexModel(IHexView* view = nullptr);
    virtual ~THexModel();
    THexModel(const THexModel&) = delete;
    THexModel& operator=(const THexModel&) = delete;

    void SetView(IHexView* view);

    // Busy cursor around long operations (calls nest) and a repaint of the whole view.
    void BeginBusy() const;
    void EndBusy() const;
    void Repaint() const;

    // ---- Document and file I/O -------------------------------------------
    void CreateEmptyFile(const QString& name);
    // Copies the file into a fresh working file; the document changes only when
    // the copy succeeded (a failure leaves it whole, marked FileReadOnly).
    void LoadFromFile(const QString& name);
    // Writes a temporary file in the target's folder, flushes it and renames it
    // over the target (links followed, mode and owner kept); hard-linked targets
    // and unwritable folders are written in place once the room is reserved.
    // False on any failure, with the target and the document unchanged. A
    // document without data writes an empty file.
    bool SaveToFile(const QString& name);

    int32_t DataSize() const;
    QString FileName() const;
    QString WorkFileName() const;
    bool Modified() const;
    bool FileReadOnly() const;
    void SetFileReadOnly(bool value); // posts when it turns on
    bool CreateBackup() const;
    void SetCreateBackup(bool value);
    QString BackupExtension() const;
    void SetBackupExtension(const QString& value);
    bool NoSizeChange() const;
    void SetNoSizeChange(bool value);
    bool AllowInsertMode() const;
    void SetAllowInsertMode(bool value);

    // Raw access: no checks, no journal.
    uint8_t ReadByte(int32_t position) const;
    void WriteByte(int32_t position, uint8_t value);
    void ReadBlock(void* buffer, int32_t position, int32_t count) const;
    void WriteBlock(const void* buffer, int32_t position, int32_t count);
    // Copy of count bytes from position (count is cut at the end of the data).
    // Throws "Invalid BufferFromFile argument" for a position outside the data.
    QByteArray BufferFromFile(int32_t position, int32_t& count) const;

    // ---- Edits (each passes CanChange first) ------------------------------
    void ChangeByte(int32_t position, uint8_t oldValue, uint8_t newValue);
    void InsertBuffer(const uint8_t* buffer, int32_t count, int32_t position);
    void AppendBuffer(const uint8_t* buffer, int32_t count);
    void ReplaceSelection(const uint8_t* buffer, int32_t count);
    void DeleteSelection();
    void DeleteRange(int32_t start, int32_t end, THexCell caretCell);
    bool InsertNibble(int32_t position, bool high);
    void DeleteAtCaret(bool backward);
    void Convert(int32_t start, int32_t end, int source, int target);
    // Whole-data replacement by a text (ANSI bytes) or by the bytes of a hex text.
    void SetAsText(const QByteArray& text);
    void SetAsHex(const QByteArray& text);
    QByteArray GetAsHex() const;
    // SetAsHex for bytes too many to hold: the whole data is replaced (on empty
    // data: inserted) by count bytes that fill(buffer, n) delivers in order, n
    // at a time, recorded as the one undo step SetAsHex would record. When fill
    // fails the step is undone, the data is as before, and the result is false.
    using TBlockSource = std::function<bool(uint8_t* buffer, int32_t count)>;
    bool ReplaceAllFromSource(int32_t count, const TBlockSource& fill);

    bool CanChange(int kind, int32_t position, int32_t count, int32_t oldCount);
    bool IsChanged(int32_t position) const;
    void SetChanged(int32_t position, bool changed);
    void TruncateChangedMarks(int32_t position);

    // ---- Undo journal ------------------------------------------------------
    void Undo();
    void ClearUndo();
    bool CanUndo() const;
    QString UndoDescription() const;
    int UndoCount() const;
    // The journal's bytes as the record layout defines them (for tests and tools).
    QByteArray UndoJournalBytes() const;

    // ---- Search -------------------------------------------------------------
    // First match of pattern within [start, end], or -1. May translate and
    // lower-case the caller's pattern in place, as the flags ask.
    int32_t Find(uint8_t* pattern, int32_t length, int32_t start, int32_t end, bool ignoreCase,
                 bool translate);

    // ---- Character sets -------------------------------------------------------
    int Translation() const;
    void SetTranslation(int value);
    bool MaskWhiteSpaces() const;
    void SetMaskWhiteSpaces(bool value);
    uint8_t MaskChar() const;
    void SetMaskChar(uint8_t value);
    bool SwapNibbles() const;
    void SetSwapNibbles(bool value);
    uint8_t ByteToDisplayChar(uint8_t b) const; // an ANSI (Windows-1250) byte
    uint8_t CharToByte(uint8_t ansiChar) const; // 0 = refused

    // ---- Grid geometry (THexGeometry of the current BytesPerLine) --------------
    const THexGeometry& Geometry() const;
    int BytesPerLine() const;
    void SetBytesPerLine(int value); // "Invalid BytesPerLine argument" outside 1..256
    int ColCount() const;            // 3*BPL + 3
    int32_t RowCount() const;        // ceil(DataSize / BPL), at least 1
    int SeparatorColumn() const;     // 2*BPL + 2
    THexCellPosition CellToPosition(int col, int32_t row) const;
    THexCell PositionToCell(int32_t position, bool charField) const;
    int TwinColumn(int col) const;
    bool IsHexColumn(int col) const;
    bool IsCharColumn(int col) const;
    void RecomputeGrid();

    // ---- Caret, selection, markers ------------------------------------------------
    int Col() const;
    int32_t Row() const;
    THexCell Caret() const;
    int32_t CaretPosition() const;
    int32_t CurrentPosition() const;
    bool InCharField() const;
    bool CaretInCharField() const; // the caret cell's field, also on empty data

    int32_t SelStart() const;
    void SetSelStart(int32_t position); // "Invalid SelStart"
    int32_t SelEnd() const;
    // Selects exactly the bytes from the caret to position (also in insert mode). "Invalid SelEnd"
    void SetSelEnd(int32_t position);
    // 0 without a selection, and for an insert-mode selection whose upper end fell
    // below its lower end (it selects nothing; its anchor stays for extending).
    int32_t SelCount() const;
    int32_t SelLow() const;
    int32_t SelHigh() const;
    int32_t SelAnchor() const;
    bool IsSelected(int32_t position) const;
    bool Selecting() const;
    void SetSelecting(bool value);

    // Input state the caret rules depend on, told by the widget as it changes:
    // a caret move with neither held clears the selection.
    void SetShiftHeld(bool held);
    void SetLeftButtonHeld(bool held);
    bool ShiftHeld() const;
    bool LeftButtonHeld() const;

    bool InsertToggle() const;
    void SetInsertToggle(bool value); // stores only; the Insert key handler does the rest
    bool InsertMode() const;

    bool Seek(int32_t offset, int origin, bool strict);
    void SetMarker(int index, int32_t row); // "SetMarker : Invalid marker index" above 9
    int32_t GetMarker(int index) const;
    int MarkerOnRow(int32_t row) const;

    void ClearSelection(bool repaint);
    void ExtendSelection(THexCell from, THexCell to);
    void MoveCaret(int col, int32_t row);
    void MoveCaret(THexCell cell) { MoveCaret(cell.col, cell.row); }
    bool SelectCell(int col, int32_t row);

    // Deferred through the Qt event queue: one OnStateChanged call per post.
    void PostStateChanged();
    std::function<void()> OnStateChanged;

    // Counts every change of the bytes or the size, so that copies of the data
    // (the painter's display window) know when they are stale.
    uint64_t DataVersion() const;

    // Journal records in memory or in the undo scratch file (for tests).
    int64_t UndoSpilledBytes() const;

private:
    void RecordUndo(int kind, int32_t position, int32_t count, int32_t oldCount);
    void RestoreState(const struct TUndoHeader& header);
    void RemoveNewestRecord();
    void RawInsert(const uint8_t* buffer, int32_t count, int32_t position);
    void RawInsertSaved(int32_t count, int32_t position);
    void RawNibbleInsert(int32_t position, bool high);
    void DeleteNibble(int32_t position, bool high);
    void ReserveGrowth(int64_t count);
    void EnsureWorkFile();
    void InvalidateByte(int32_t position);
    void InvalidatePositions(int32_t first, int32_t last);
    void PlaceCaret(int col, int32_t row);
    void Notify();

    struct Impl;
    std::unique_ptr<Impl> d;
};
