#pragma once
// The hex grid control: draws the document of its THexModel base as offset,
// marker, hex and character columns, and edits it from keys and the mouse.
#include "hexeditor/core/hexmodel.h"
#include "hexeditor/core/hexdisplaytypes.h"
#include "hexeditor/widget/tcolors.h"

#include <QAbstractScrollArea>
#include <functional>
#include <memory>

class THexLayout;
class QPainter;

class THexEditor : public QAbstractScrollArea, public THexModel {
    Q_OBJECT
public:
    explicit THexEditor(QWidget* parent = nullptr);
    ~THexEditor() override;

    // Display properties; setters do nothing when the value does not change.
    int BytesPerColumn() const;
    void SetBytesPerColumn(int value); // "Invalid BytesPerColumn argument" below 1
    TOffsetDisplayStyle OffsetDisplay() const;
    void SetOffsetDisplay(TOffsetDisplayStyle value);
    char OffsetSeparator() const;
    void SetOffsetSeparator(char value);
    bool ShowMarkerColumn() const;
    void SetShowMarkerColumn(bool value);
    bool FocusFrame() const;
    void SetFocusFrame(bool value);
    TCaretStyle CaretStyle() const;
    void SetCaretStyle(TCaretStyle value);
    bool AutoCaretMode() const;
    void SetAutoCaretMode(bool value);
    int GridLineWidth() const;
    void SetGridLineWidth(int value);
    // Colour of the character column's text (the font's colour).
    TColor FontColor() const;
    void SetFontColor(TColor value);
    TColors* Colors() const;

    // Layout read-outs: width of "w", row height, offset column characters.
    int CharWidth() const;
    int RowHeight() const;
    int OffsetChars() const;
    int NibblesPerGroup() const;
    const THexLayout& Layout() const;

    // The view: first row and first scrollable column shown, rows in view.
    int32_t TopRow() const;
    void SetTopRow(int32_t row);
    int LeftCol() const;
    void SetLeftCol(int col);
    int VisibleRowCount() const;
    // The display window painting reads from: its first byte (-1 when it holds
    // nothing current), a byte through it, and dropping it (the next paint reloads).
    int32_t DisplayWindowStart() const;
    uint8_t DisplayByte(int32_t position) const;
    void DropDisplayWindow();
    // A cell's rectangle in the viewport; null when it is out of view.
    QRect CellRect(int col, int32_t row) const;

    // The last key released was Alt (the next character is taken as OEM code).
    bool AltReleased() const;
    // Gives the caret its shape from CaretStyle and shows it from the start of a blink.
    void RecreateCaret();
    // Whether the caret, twin frame and focus mark are drawn (the control has the focus).
    bool CaretActive() const;

    // Paints the grid as the viewport shows it into any painter.
    void PaintGrid(QPainter& painter, const QRect& area, bool withFocus);

    // Keys the control does not consume reach this hook; setting key to 0 marks it handled.
    std::function<void(int& key, Qt::KeyboardModifiers modifiers)> OnKeyDown;
    // A left double-click on a cell.
    std::function<void()> OnDblClick;

    QSize sizeHint() const override;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    friend class TColors;
    void ColorsChanged(bool background);

    struct Impl;
    std::unique_ptr<Impl> w;
};
