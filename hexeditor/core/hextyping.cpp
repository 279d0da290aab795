#include "hexeditor/core/hextyping.h"

#include "base/cp1250.h"
#include "base/hexcodec.h"
#include "hexeditor/core/charsets.h"
#include "hexeditor/core/hexmodel.h"
#include "hexeditor/core/hexnavigation.h"

namespace hextype {

bool TypeCharacter(THexModel& m, char32_t c, bool& altReleased) {
    return m.InCharField() ? TypeInCharField(m, c, altReleased) : TypeInHexField(m, c);
}

bool TypeInCharField(THexModel& m, char32_t c, bool& altReleased) {
    const int32_t p = m.CaretPosition();
    if (p >= m.DataSize() && !m.InsertMode()) return false;
    const int ansi = cp1250::FromUnicode(c);
    if (ansi < 0) return false; // not a character of the code page
    const uint8_t b = altReleased ? AnsiToOem(uint8_t(ansi)) : m.CharToByte(uint8_t(ansi));
    if (b < 32 && !altReleased) return false;
    altReleased = false;
    if (!m.InsertMode()) m.ClearSelection(true);
    if (m.InsertMode()) {
        if (m.SelCount() > 0)
            m.ReplaceSelection(&b, 1);
        else
            m.InsertBuffer(&b, 1, p);
    } else {
        m.ChangeByte(p, m.ReadByte(p), b);
    }
    hexnav::Right(m);
    return true;
}

bool TypeInHexField(THexModel& m, char32_t c) {
    const int32_t p = m.CaretPosition();
    if (p >= m.DataSize() && !m.InsertMode()) return false;
    const int d = HexDigitValue(c);
    if (d < 0) return false;
    const bool insert = m.InsertMode();
    if (!insert) m.ClearSelection(true);
    const int first = m.PositionToCell(p, false).col;
    const uint8_t old = p < m.DataSize() ? m.ReadByte(p) : 0;
    const bool swap = m.SwapNibbles();
    if (insert && (m.Col() == first || m.SelCount() > 0)) {
        // A new byte holding the digit in the nibble a byte's first cell shows.
        const uint8_t v = uint8_t(swap ? d : d * 16);
        if (m.DataSize() == 0)
            m.AppendBuffer(&v, 1);
        else if (m.SelCount() > 0)
            m.ReplaceSelection(&v, 1);
        else
            m.InsertBuffer(&v, 1, p);
    } else {
        const bool highCell = m.Col() - (swap ? 1 : 0) == first;
        const uint8_t v = uint8_t(highCell ? d * 16 + (old & 0x0F) : (old & 0xF0) + d);
        m.ChangeByte(p, old, v);
        if (insert && m.Col() != first && m.DataSize() == p + 1) {
            // The last byte is complete: typing goes on into a new, selected byte.
            const uint8_t zero = 0;
            m.AppendBuffer(&zero, 1);
            return true;
        }
    }
    hexnav::Right(m);
    return true;
}

} // namespace hextype
