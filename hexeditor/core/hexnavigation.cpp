#include "hexeditor/core/hexnavigation.h"

#include "hexeditor/core/hexmodel.h"

#include <algorithm>

namespace hexnav {

void Left(THexModel& m) {
    const int32_t p = m.CaretPosition();
    if (m.CaretInCharField()) {
        const THexCell c = m.PositionToCell(std::max(p - 1, 0), true);
        m.MoveCaret(c.col, c.row);
    } else if (m.Geometry().NibbleOfColumn(m.Col()) == 1) {
        m.MoveCaret(m.Col() - 1, m.Row());
    } else if (p > 0) {
        m.MoveCaret(m.Geometry().HexCell(p - 1, 1));
    }
}

void Right(THexModel& m) {
    const int32_t p = m.CaretPosition();
    if (m.CaretInCharField()) {
        const THexCell c = m.PositionToCell(std::min(p + 1, m.DataSize() - 1), true);
        m.MoveCaret(c.col, c.row);
    } else if (m.Geometry().NibbleOfColumn(m.Col()) == 0) {
        m.MoveCaret(m.Col() + 1, m.Row());
    } else if (int64_t(p) + 1 < m.DataSize()) {
        const THexCell c = m.PositionToCell(p + 1, false);
        m.MoveCaret(c.col, c.row);
    }
}

void Home(THexModel& m, bool firstRow) {
    const THexGeometry& g = m.Geometry();
    const int col = m.CaretInCharField() ? g.FirstCharColumn() : g.FirstHexColumn();
    m.MoveCaret(col, firstRow ? 0 : m.Row());
}

void End(THexModel& m, bool lastRow) {
    int64_t q = int64_t(m.DataSize()) - 1;
    if (!lastRow) q = std::min<int64_t>(m.Geometry().RowStart(m.Row() + 1) - 1, q);
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
