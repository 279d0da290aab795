#pragma once
// Caret moves shared by the keys and by typing. Each goes through MoveCaret,
// so the cell-acceptance rules (selection, last byte, separator) apply.
#include <cstdint>

class THexModel;

namespace hexnav {

// One nibble or character to the left; in the hex field it wraps to the
// previous row's last byte; nothing at byte 0.
void Left(THexModel& m);
// One nibble or character to the right; nothing past the last byte.
void Right(THexModel& m);
// First cell of the row (of row 0 with firstRow) in the caret's field.
void Home(THexModel& m, bool firstRow);
// Last byte of the row (of the data with lastRow) in the caret's field.
void End(THexModel& m, bool lastRow);
// The same column one row up or down, when there is such a row.
void Up(THexModel& m);
void Down(THexModel& m);
// The cell of the same byte in the other field.
void SwitchField(THexModel& m);

} // namespace hexnav
