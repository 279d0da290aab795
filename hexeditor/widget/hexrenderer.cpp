#include "hexeditor/widget/hexrenderer.h"

#include "base/hexcodec.h"
#include "hexeditor/core/hexmodel.h"

#include <QPolygon>
#include <algorithm>
#include <cmath>

THexCellColors CellColors(const TColors& colors, TColor fontColor, bool hexCell, int group,
                          bool changed, bool selected) {
    const bool odd = group % 2 == 0; // the 1st, 3rd, 5th ... group
    THexCellColors c;
    if (changed) {
        c.text = colors.ChangedText();
        c.back = colors.ChangedBackground();
    } else {
        c.back = colors.Background();
        c.text = !hexCell ? fontColor : odd ? colors.OddColumn() : colors.EvenColumn();
    }
    if (selected) {
        std::swap(c.text, c.back);
        if (hexCell && !changed)
            c.text = odd ? colors.InverseOddColumn() : colors.InverseEvenColumn();
    }
    return c;
}

QFont THexRenderer::MarkerFont(const QFont& font) {
    QFont marker(font);
    marker.setFamily(QStringLiteral("Arial"));
    marker.setStyleHint(QFont::SansSerif);
    if (font.pointSizeF() > 0) {
        marker.setPointSize(std::max(1, int(std::nearbyint(0.75 * font.pointSize()))));
    } else {
        marker.setPixelSize(std::max(1, int(std::nearbyint(0.75 * font.pixelSize()))));
    }
    return marker;
}

void THexRenderer::Prepare(const QFont& font, const THexLayout& layout) {
    glyphs_.Prepare(font, layout.CharWidth(), layout.RowHeight());
    markerFont_ = MarkerFont(font);
}

void THexRenderer::DrawFocusRect(QPainter& painter, const QRect& rect) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    const int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    const int parity = (l + t) & 1;
    QPolygon points;
    auto add = [&](int x, int y) {
        if (((x + y) & 1) == parity) points << QPoint(x, y);
    };
    for (int x = l; x <= r; ++x) {
        add(x, t);
        if (b != t) add(x, b);
    }
    for (int y = t + 1; y < b; ++y) {
        add(l, y);
        if (r != l) add(r, y);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawPoints(points);
    painter.restore();
}

void THexRenderer::Glyph(QPainter& painter, const QRect& rect, uint8_t ch, qreal x, TColor color) {
    if (glyphs_.NeedsClip(ch)) {
        // Its own clipped output: a fallback font, or ink wider than the cell.
        painter.save();
        painter.setClipRect(rect);
        painter.setFont(glyphs_.Font());
        painter.setPen(Resolve(color));
        painter.drawText(QPointF(x, rect.top() + glyphs_.Ascent()), glyphs_.Text(ch));
        painter.restore();
        return;
    }
    const quint32 glyph = glyphs_.Glyph(ch);
    if (glyph == 0) return;
    auto it = std::find_if(batches_.begin(), batches_.end(),
                           [color](const TBatch& b) { return b.color == color; });
    if (it == batches_.end()) {
        batches_.push_back(TBatch{color, {}, {}});
        it = batches_.end() - 1;
    }
    it->glyphs.push_back(glyph);
    it->positions.push_back(QPointF(x, rect.top() + glyphs_.Ascent()));
}

void THexRenderer::Cell(QPainter& painter, const TCell& cell) {
    if (cell.back != background_) painter.fillRect(cell.rect, Resolve(cell.back));
    Glyph(painter, cell.rect, cell.ch, cell.rect.left(), cell.text);
}

void THexRenderer::Flush(QPainter& painter) {
    for (TBatch& b : batches_) {
        if (b.glyphs.isEmpty()) continue;
        QGlyphRun run;
        run.setRawFont(glyphs_.RawFont());
        run.setGlyphIndexes(b.glyphs);
        run.setPositions(b.positions);
        painter.setPen(Resolve(b.color));
        painter.drawGlyphRun(QPointF(0, 0), run);
        b.glyphs.clear();
        b.positions.clear();
    }
}

void THexRenderer::PaintOffset(QPainter& painter, const QRect& rect, const QString& text,
                               TColor color) {
    if (rect.isNull() || rect.width() <= 0) return;
    qreal width = 0;
    bool plain = true;
    for (QChar c : text) {
        const uint8_t b = uint8_t(c.unicode() < 256 ? c.unicode() : '?');
        width += glyphs_.Advance(b);
        plain = plain && !glyphs_.NeedsClip(b);
    }
    if (!plain || width > rect.width() + 0.5) {
        painter.save();
        painter.setClipRect(rect);
        painter.setFont(glyphs_.Font());
        painter.setPen(Resolve(color));
        painter.drawText(QPointF(rect.left(), rect.top() + glyphs_.Ascent()), text);
        painter.restore();
        return;
    }
    qreal x = rect.left();
    for (QChar c : text) {
        const uint8_t b = uint8_t(c.unicode());
        Glyph(painter, rect, b, x, color);
        x += glyphs_.Advance(b);
    }
}

void THexRenderer::PaintMarker(QPainter& painter, const QRect& rect, int index,
                               const TColors& colors) {
    if (rect.isNull() || rect.width() <= 0) return;
    painter.fillRect(rect, Resolve(colors.PositionBackground()));
    painter.save();
    painter.setFont(markerFont_);
    painter.setPen(Resolve(colors.PositionText()));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     QString::number(index));
    painter.restore();
}

void THexRenderer::PaintRow(QPainter& painter, const THexModel& model, const THexLayout& layout,
                            const TColors& colors, const THexPaintOptions& o, int32_t row,
                            int firstCol, int lastCol) {
    const THexGeometry& g = layout.Geometry();
    const int32_t rowStart = int32_t(g.RowStart(row));
    const int32_t size = model.DataSize();
    window_.Load(model, rowStart);

    PaintOffset(painter, layout.CellRect(THexGeometry::kOffsetColumn, row, o.topRow, o.leftCol),
                layout.OffsetText(rowStart, o.offsetSeparator), colors.Offset());
    const int marker = model.MarkerOnRow(row);
    if (marker >= 0)
        PaintMarker(painter, layout.CellRect(THexGeometry::kMarkerColumn, row, o.topRow, o.leftCol),
                    marker, colors);

    const int separator = g.SeparatorColumn();
    const int swap = model.SwapNibbles() ? 1 : 0;
    for (int col = firstCol; col <= lastCol; ++col) {
        if (col == separator) continue;
        const bool hex = col < separator;
        const int64_t p = int64_t(rowStart) + g.ByteInRow(col);
        if (p >= size) continue; // past the data: blank
        const uint8_t b = window_.Byte(model, int32_t(p));
        uint8_t ch;
        if (hex) {
            const bool high = g.NibbleOfColumn(col) == swap;
            ch = uint8_t(NibbleDigit(b, high));
        } else {
            ch = model.ByteToDisplayChar(b);
        }
        const THexCellColors c =
            CellColors(colors, o.fontColor, hex, hex ? layout.GroupOfColumn(col) : 0,
                       model.IsChanged(int32_t(p)), model.IsSelected(int32_t(p)));
        Cell(painter, TCell{layout.CellRect(col, row, o.topRow, o.leftCol), ch, c.text, c.back});
    }
}

void THexRenderer::PaintEmpty(QPainter& painter, const THexLayout& layout, const TColors& colors,
                              const THexPaintOptions& o) {
    // One row: the offset text; every other cell is blank.
    PaintOffset(painter, layout.CellRect(THexGeometry::kOffsetColumn, 0, o.topRow, o.leftCol),
                layout.EmptyOffsetText(o.offsetSeparator), colors.Offset());
}

void THexRenderer::PaintGridLines(QPainter& painter, const THexLayout& layout,
                                  const THexPaintOptions& o, int32_t firstRow, int32_t lastRow,
                                  int firstCol, int lastCol, const QRect& area) {
    const int gw = layout.Input().gridLineWidth;
    if (gw <= 0) return;
    const QColor line = o.palette.color(QPalette::Mid);
    const int right = std::min(area.right() + 1,
                               layout.ColumnX(lastCol, o.leftCol) + layout.ColWidth(lastCol) + gw);
    for (int32_t r = firstRow; r <= lastRow; ++r) {
        const int y = int(layout.RowY(r, o.topRow)) + layout.RowHeight();
        painter.fillRect(QRect(0, y, right, gw), line);
    }
    const int bottom = int(layout.RowY(lastRow, o.topRow)) + layout.RowPitch();
    auto vertical = [&](int col) {
        if (!layout.ColumnShown(col, o.leftCol)) return;
        const int x = layout.ColumnX(col, o.leftCol) + layout.ColWidth(col);
        painter.fillRect(QRect(x, area.top(), gw, bottom - area.top()), line);
    };
    vertical(THexGeometry::kOffsetColumn);
    vertical(THexGeometry::kMarkerColumn);
    for (int c = firstCol; c <= lastCol; ++c)
        vertical(c);
}

void THexRenderer::PaintFocus(QPainter& painter, const THexModel& model, const THexLayout& layout,
                              const TColors& colors, const THexPaintOptions& o) {
    const THexCell caret = model.Caret();
    if (model.DataSize() > 0) {
        const QRect twin =
            layout.CellRect(model.TwinColumn(caret.col), caret.row, o.topRow, o.leftCol);
        if (!twin.isNull()) {
            const QRect frame(twin.left(), twin.top(), layout.CharWidth(), twin.height());
            if (o.focusFrame) {
                DrawFocusRect(painter, frame);
            } else {
                painter.save();
                painter.setRenderHint(QPainter::Antialiasing, false);
                painter.setPen(QPen(Resolve(colors.CursorFrame()), 0));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(frame.adjusted(0, 0, -1, -1));
                painter.restore();
            }
        }
    }
    const QRect cell = layout.CellRect(caret.col, caret.row, o.topRow, o.leftCol);
    if (cell.isNull()) return;
    DrawFocusRect(painter, cell);
    if (!o.caretVisible) return;
    // The caret inverts what is under it: its filled part shows CursorFrame over white.
    const QColor frame = Resolve(colors.CursorFrame());
    const QColor xorColor(255 - frame.red(), 255 - frame.green(), 255 - frame.blue());
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(layout.CaretRect(o.caretStyle, cell.topLeft()), xorColor);
    painter.restore();
}

void THexRenderer::Paint(QPainter& painter, const THexModel& model, const THexLayout& layout,
                         const TColors& colors, const THexPaintOptions& o, const QRect& area) {
    palette_ = o.palette;
    background_ = colors.Background();
    painter.fillRect(area, Resolve(background_));
    if (area.isEmpty()) return;

    const int pitch = layout.RowPitch();
    const int32_t rows = model.RowCount();
    const int64_t first = int64_t(o.topRow) + std::max(0, area.top()) / pitch;
    const int64_t last =
        std::min<int64_t>(rows - 1, int64_t(o.topRow) + std::max(0, area.bottom()) / pitch);

    // Scrollable columns that reach into the area.
    int firstCol = std::max(THexGeometry::kFixedCols, o.leftCol);
    while (firstCol < layout.ColCount() &&
           layout.ColumnX(firstCol, o.leftCol) + layout.ColWidth(firstCol) <= area.left())
        ++firstCol;
    int lastCol = firstCol;
    while (lastCol + 1 < layout.ColCount() &&
           layout.ColumnX(lastCol + 1, o.leftCol) <= area.right())
        ++lastCol;
    lastCol = std::min(lastCol, layout.ColCount() - 1);

    if (first <= last) {
        if (model.DataSize() <= 0) {
            PaintEmpty(painter, layout, colors, o);
        } else {
            for (int64_t r = first; r <= last; ++r)
                PaintRow(painter, model, layout, colors, o, int32_t(r), firstCol, lastCol);
        }
        Flush(painter);
        PaintGridLines(painter, layout, o, int32_t(first), int32_t(last), firstCol, lastCol, area);
    }
    if (o.focused) PaintFocus(painter, model, layout, colors, o);
}
