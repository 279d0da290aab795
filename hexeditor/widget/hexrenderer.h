#pragma once
// Paints rows of the hex grid into any QPainter: the screen now, a printed or
// saved image as well. Reads a const document, its bytes only through the
// renderer's own display window, so a screen costs the same at any offset of
// any size.
#include "hexeditor/core/displaywindow.h"
#include "hexeditor/core/hexgeometry.h"
#include "hexeditor/widget/hexglyphs.h"
#include "hexeditor/widget/hexlayout.h"
#include "hexeditor/widget/tcolors.h"

#include <QFont>
#include <QGlyphRun>
#include <QPainter>
#include <QPalette>
#include <vector>

class THexModel;

// The colours one cell is drawn in.
struct THexCellColors {
    TColor text = 0;
    TColor back = 0;
    friend bool operator==(const THexCellColors&, const THexCellColors&) = default;
};

// The colour rules of a hex or character cell holding data.
THexCellColors CellColors(const TColors& colors, TColor fontColor, bool hexCell, int group,
                          bool changed, bool selected);

struct THexPaintOptions {
    int32_t topRow = 0;
    int leftCol = THexGeometry::kFixedCols;
    bool focused = false;     // twin frame, focus mark and caret are drawn
    bool caretVisible = true; // the blink phase
    TCaretStyle caretStyle = csFull;
    bool focusFrame = true; // dotted twin frame, else an outline in CursorFrame
    char offsetSeparator = ':';
    TColor fontColor = clWindowText;
    QPalette palette;
};

class THexRenderer {
public:
    // The grid's font and the cell metrics of the layout in use.
    void Prepare(const QFont& font, const THexLayout& layout);
    const QFont& Font() const { return glyphs_.Font(); }

    // Paints everything of the grid that lies inside area (viewport coordinates).
    void Paint(QPainter& painter, const THexModel& model, const THexLayout& layout,
               const TColors& colors, const THexPaintOptions& options, const QRect& area);

    // The bytes painting reads from.
    THexDisplayWindow& Window() { return window_; }
    const THexDisplayWindow& Window() const { return window_; }

    // "Arial" at three quarters of the font's size, halves to even.
    static QFont MarkerFont(const QFont& font);

    // A dotted rectangle made by inverting every other pixel of its border.
    static void DrawFocusRect(QPainter& painter, const QRect& rect);

private:
    struct TBatch {
        TColor color;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    struct TCell {
        QRect rect;
        uint8_t ch;
        TColor text;
        TColor back;
    };

    void Cell(QPainter& painter, const TCell& cell);
    void Glyph(QPainter& painter, const QRect& rect, uint8_t ch, qreal x, TColor color);
    void Flush(QPainter& painter);
    void PaintRow(QPainter& painter, const THexModel& model, const THexLayout& layout,
                  const TColors& colors, const THexPaintOptions& o, int32_t row, int firstCol,
                  int lastCol);
    void PaintEmpty(QPainter& painter, const THexLayout& layout, const TColors& colors,
                    const THexPaintOptions& o);
    void PaintOffset(QPainter& painter, const QRect& rect, const QString& text, TColor color);
    void PaintMarker(QPainter& painter, const QRect& rect, int index, const TColors& colors);
    void PaintGridLines(QPainter& painter, const THexLayout& layout, const THexPaintOptions& o,
                        int32_t firstRow, int32_t lastRow, int firstCol, int lastCol,
                        const QRect& area);
    void PaintFocus(QPainter& painter, const THexModel& model, const THexLayout& layout,
                    const TColors& colors, const THexPaintOptions& o);
    QColor Resolve(TColor c) const { return ResolveColor(c, palette_); }

    THexGlyphs glyphs_;
    QFont markerFont_;
    QPalette palette_;
    TColor background_ = clWindow;
    std::vector<TBatch> batches_;
    THexDisplayWindow window_;
};
