// First cut of the hex document: every member links; bodies are filled in later.
#include "hexmodel.h"

struct THexModel::Impl {
    IHexView* view = nullptr;
};

THexModel::THexModel(IHexView* view) : d(std::make_unique<Impl>()) { d->view = view; }
THexModel::~THexModel() = default;
void THexModel::SetView(IHexView* view) { d->view = view; }
void THexModel::BeginBusy() const {}
void THexModel::EndBusy() const {}
void THexModel::Repaint() const {}
void THexModel::CreateEmptyFile(const QString&) {}
void THexModel::LoadFromFile(const QString&) {}
bool THexModel::SaveToFile(const QString&) { return false; }
int32_t THexModel::DataSize() const { return 0; }
QString THexModel::FileName() const { return QStringLiteral("---"); }
QString THexModel::WorkFileName() const { return {}; }
bool THexModel::Modified() const { return false; }
bool THexModel::FileReadOnly() const { return true; }
void THexModel::SetFileReadOnly(bool) {}
bool THexModel::CreateBackup() const { return true; }
void THexModel::SetCreateBackup(bool) {}
QString THexModel::BackupExtension() const { return QStringLiteral(".bak"); }
void THexModel::SetBackupExtension(const QString&) {}
bool THexModel::NoSizeChange() const { return false; }
void THexModel::SetNoSizeChange(bool) {}
bool THexModel::AllowInsertMode() const { return false; }
void THexModel::SetAllowInsertMode(bool) {}
uint8_t THexModel::ReadByte(int32_t) const { return 0; }
void THexModel::WriteByte(int32_t, uint8_t) {}
void THexModel::ReadBlock(void*, int32_t, int32_t) const {}
void THexModel::WriteBlock(const void*, int32_t, int32_t) {}
QByteArray THexModel::BufferFromFile(int32_t, int32_t& count) const {
    count = 0;
    return {};
}
void THexModel::ChangeByte(int32_t, uint8_t, uint8_t) {}
void THexModel::InsertBuffer(const uint8_t*, int32_t, int32_t) {}
void THexModel::AppendBuffer(const uint8_t*, int32_t) {}
void THexModel::ReplaceSelection(const uint8_t*, int32_t) {}
void THexModel::DeleteSelection() {}
void THexModel::DeleteRange(int32_t, int32_t, THexCell) {}
bool THexModel::InsertNibble(int32_t, bool) { return false; }
void THexModel::DeleteAtCaret(bool) {}
bool THexModel::CanChange(int, int32_t, int32_t, int32_t) { return false; }
bool THexModel::IsChanged(int32_t) const { return false; }
void THexModel::SetChanged(int32_t, bool) {}
void THexModel::TruncateChangedMarks(int32_t) {}
void THexModel::Undo() {}
void THexModel::ClearUndo() {}
bool THexModel::CanUndo() const { return false; }
QString THexModel::UndoDescription() const { return QStringLiteral("No Undo"); }
int THexModel::UndoCount() const { return 0; }
QByteArray THexModel::UndoJournalBytes() const { return {}; }
int THexModel::Translation() const { return 0; }
void THexModel::SetTranslation(int) {}
bool THexModel::MaskWhiteSpaces() const { return true; }
void THexModel::SetMaskWhiteSpaces(bool) {}
uint8_t THexModel::MaskChar() const { return '.'; }
void THexModel::SetMaskChar(uint8_t) {}
bool THexModel::SwapNibbles() const { return false; }
void THexModel::SetSwapNibbles(bool) {}
int THexModel::BytesPerLine() const { return 16; }
void THexModel::SetBytesPerLine(int) {}
int THexModel::ColCount() const { return 3 * 16 + 3; }
int32_t THexModel::RowCount() const { return 1; }
int THexModel::SeparatorColumn() const { return 2 * 16 + 2; }
THexCellPosition THexModel::CellToPosition(int, int32_t) const { return {}; }
THexCell THexModel::PositionToCell(int32_t, bool) const { return {}; }
int THexModel::TwinColumn(int col) const { return col; }
bool THexModel::IsHexColumn(int) const { return false; }
bool THexModel::IsCharColumn(int) const { return false; }
void THexModel::RecomputeGrid() {}
int THexModel::Col() const { return 2; }
int32_t THexModel::Row() const { return 0; }
THexCell THexModel::Caret() const { return {}; }
int32_t THexModel::CaretPosition() const { return 0; }
int32_t THexModel::CurrentPosition() const { return 0; }
bool THexModel::InCharField() const { return false; }
bool THexModel::CaretInCharField() const { return false; }
int32_t THexModel::SelStart() const { return 0; }
void THexModel::SetSelStart(int32_t) {}
int32_t THexModel::SelEnd() const { return 0; }
void THexModel::SetSelEnd(int32_t) {}
int32_t THexModel::SelCount() const { return 0; }
int32_t THexModel::SelLow() const { return -1; }
int32_t THexModel::SelHigh() const { return -1; }
int32_t THexModel::SelAnchor() const { return -1; }
bool THexModel::IsSelected(int32_t) const { return false; }
bool THexModel::Selecting() const { return false; }
void THexModel::SetSelecting(bool) {}
bool THexModel::InsertToggle() const { return false; }
void THexModel::SetInsertToggle(bool) {}
bool THexModel::InsertMode() const { return false; }
bool THexModel::Seek(int32_t, int, bool) { return false; }
void THexModel::SetMarker(int, int32_t) {}
int32_t THexModel::GetMarker(int) const { return -1; }
int THexModel::MarkerOnRow(int32_t) const { return -1; }
void THexModel::ClearSelection(bool) {}
void THexModel::ExtendSelection(THexCell, THexCell) {}
void THexModel::MoveCaret(int, int32_t) {}
bool THexModel::SelectCell(int, int32_t) { return false; }
void THexModel::PostStateChanged() {}
void THexModel::LoadDisplayWindow(int32_t) {}
uint8_t THexModel::DisplayByte(int32_t) const { return 0; }
void THexModel::UpdateDisplayWindow(int32_t, uint8_t) {}
void THexModel::DropDisplayWindow() {}
int32_t THexModel::DisplayWindowStart() const { return -1; }
