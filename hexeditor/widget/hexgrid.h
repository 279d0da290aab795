#pragma once
// What the keyboard and mouse handlers need of the grid besides the document:
// the scroll position, how much of the grid is in view, and hit testing.
#include "hexeditor/widget/hexlayout.h"

#include <QPoint>
#include <cstdint>

class IHexGrid {
public:
    virtual ~IHexGrid() = default;

    // First scrollable row shown; setting it clamps to the rows that can be on top.
    virtual int32_t TopRow() const = 0;
    virtual void SetTopRow(int32_t row) = 0;
    // First scrollable column shown (2 or more).
    virtual int LeftCol() const = 0;
    virtual void SetLeftCol(int col) = 0;
    // Rows and scrollable columns wholly in view, at least 1 each.
    virtual int VisibleRows() const = 0;
    virtual int VisibleCols() const = 0;
    // The cell under a point of the viewport.
    virtual THexHit HitTest(QPoint point) const = 0;
    // Width and height of the viewport, and where the scrollable columns begin.
    virtual QSize ViewportSize() const = 0;
    virtual int FixedWidth() const = 0;
    // The Insert key flipped the user's insert toggle.
    virtual void InsertToggled() = 0;
};
