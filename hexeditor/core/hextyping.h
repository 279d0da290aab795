#pragma once
// Characters typed into the grid: hex digits in the hex field, characters of
// Windows-1250 in the character field, in insert or overwrite mode.
class THexModel;

namespace hextype {

// One typed character (Unicode) in the caret's field. altReleased is the
// keyboard's "last key released was Alt" flag: such a character is taken as
// its OEM code, and an accepted character clears it. Returns true when taken.
bool TypeCharacter(THexModel& m, char32_t c, bool& altReleased);

bool TypeInCharField(THexModel& m, char32_t c, bool& altReleased);
bool TypeInHexField(THexModel& m, char32_t c);

} // namespace hextype
