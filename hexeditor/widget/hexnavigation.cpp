#include "hexeditor/widget/hexnavigation.h"

#include "hexeditor/core/hexmodel.h"

#include <algorithm>

namespace hexnav {

void Left(THexModel& m) {
    const int32_t p = m.CaretPosition();
    if (m.CaretInCharField()) {
        const THexCell c = m.PositionToCell(std::max(p - 1, 0), true);
        m.MoveCaret(c.col, c.row);
    } else if ((m.Col() - 2) % 2 == 1) {
        m.MoveCaret(m.Col() - 1, m.Row());
    } else if (p > 0) {
        const THexCell c = m.PositionToCell(p - 1, false);
        m.MoveCaret(c.col + 1, c.row);
    }
}

void Right(THexModel& m) {
    const int32_t p = m.CaretPosition();
    if (m.CaretInCharField()) {
        const THexCell c = m.PositionToCell(std::min(p + 1, m.DataSize() - 1), true);
        m.MoveCaret(c.col, c.row);
    } else if ((m.Col() - 2) % 2 == 0) {
        m.MoveCaret(m.Col() + 1, m.Row());
    } else if (int64_t(p) + 1 < m.DataSize()) {
        const THexCell c = m.PositionToCell(p + 1, false);
        m.MoveCaret(c.col, c.row);
    }
}

void Home(THexModel& m, bool firstRow) {
    const int col = m.CaretInCharField() ? 2 * m.BytesPerLine() + 3 : 2;
    m.MoveCaret(col, firstRow ? 0 : m.Row());
}

void End(THexModel& m, bool lastRow) {
    int64_t q = int64_t(m.DataSize()) - 1;
    if (!lastRow) q = std::min<int64_t>((int64_t(m.Row()) + 1) * m.BytesPerLine() - 1, q);
    const THexCell c = m.PositionToCell(int32_t(q), m.CaretInCharField());
    m.MoveCaret(c.col, c.row);
}

void Up(THexModel& m) {
    if (m.Row() - 1 >= 0) m.MoveCaret(m.Col(), m.Row() - 1);
}

void Down(THexModel& m) {
    if (int64_t(m.Row()) + 1 < m.RowCount()) m.MoveCaret(m.Col(), m.Row() + 1);
}

void SwitchField(THexModel& m) {
    if (m.DataSize() > 0) m.MoveCaret(m.TwinColumn(m.Col()), m.Row());
}

} // namespace hexnav
