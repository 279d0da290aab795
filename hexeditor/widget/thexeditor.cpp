// The hex grid widget: scroll state, events, properties. Layout, painting,
// keys, typing and the mouse live in their own files.
#include "hexeditor/widget/thexeditor.h"

#include "hexeditor/core/hextyping.h"
#include "hexeditor/widget/hexgrid.h"
#include "hexeditor/widget/hexkeyboard.h"
#include "hexeditor/widget/hexlayout.h"
#include "hexeditor/widget/hexmouse.h"
#include "hexeditor/widget/hexrenderer.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

struct THexEditor::Impl final : IHexView, IHexGrid {
    explicit Impl(THexEditor& editor)
        : q(editor), colors(&editor), keyboard(editor, *this), mouse(editor, *this) {}

    THexEditor& q;
    THexLayout layout;
    THexRenderer renderer;
    TColors colors;
    THexKeyboard keyboard;
    THexMouse mouse;
    QTimer blink;

    int nibblesPerGroup = 4;
    TOffsetDisplayStyle offsetDisplay = odHex;
    char offsetSeparator = ':';
    bool showMarkerColumn = true;
    bool focusFrame = true;
    TCaretStyle caretStyle = csFull;
    bool autoCaretMode = true;
    int gridLineWidth = 0;
    TColor fontColor = clWindowText;

    bool caretActive = false; // the control has the focus: caret and focus marks shown
    bool caretOn = true;      // blink phase
    int suspended = 0;
    int busy = 0;
    int wheelRemainder = 0;

    QScrollBar* VBar() const { return q.verticalScrollBar(); }
    QScrollBar* HBar() const { return q.horizontalScrollBar(); }
    QWidget* View() const { return q.viewport(); }

    void UpdateLayout();
    void UpdateScrollBars();
    void RestartBlink();

    // The caret rules see whether Shift is held in the input event being handled.
    class TEventScope {
    public:
        TEventScope(Impl& w, Qt::KeyboardModifiers modifiers) : model_(w.q), was_(w.q.ShiftHeld()) {
            model_.SetShiftHeld(modifiers & Qt::ShiftModifier);
        }
        ~TEventScope() { model_.SetShiftHeld(was_); }
        TEventScope(const TEventScope&) = delete;
        TEventScope& operator=(const TEventScope&) = delete;

    private:
        THexModel& model_;
        bool was_;
    };

    // ---- IHexView ------------------------------------------------------------------
    void InvalidateCell(int col, int32_t row) override {
        const QRect r = layout.CellRect(col, row, TopRow(), LeftCol());
        if (!r.isNull() && r.intersects(View()->rect())) View()->update(r);
    }
    void InvalidateRows(int32_t firstRow, int32_t lastRow) override {
        const int64_t top = TopRow();
        const int64_t first = std::max<int64_t>(firstRow, top);
        const int64_t last = std::min<int64_t>(lastRow, top + VisibleRows() + 1);
        if (first > last) return;
        const int y0 = int(layout.RowY(int32_t(first), int32_t(top)));
        const int y1 = int(layout.RowY(int32_t(last), int32_t(top))) + layout.RowPitch();
        View()->update(QRect(0, y0, View()->width(), y1 - y0));
    }
    void InvalidateAll() override { View()->update(); }
    void GridChanged() override { UpdateLayout(); }
    void CaretMoved(int col, int32_t row) override {
        const int64_t top = TopRow();
        const int64_t n = VisibleRows();
        if (row < top)
            SetTopRow(row);
        else if (row > top + n - 1)
            SetTopRow(int32_t(row - n + 1));
        SetLeftCol(layout.LeftColShowing(col, LeftCol(), View()->width()));
        RestartBlink();
    }
    void BeginBusy() override {
        ++busy;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    void EndBusy() override {
        if (busy <= 0) return;
        --busy;
        QGuiApplication::restoreOverrideCursor();
    }
    void SuspendUpdates(bool suspend) override {
        if (suspend) {
            if (suspended++ == 0) View()->setUpdatesEnabled(false);
        } else if (suspended > 0 && --suspended == 0) {
            View()->setUpdatesEnabled(true);
            View()->update();
        }
    }

    // ---- IHexGrid ------------------------------------------------------------------
    int32_t TopRow() const override { return VBar()->value(); }
    void SetTopRow(int32_t row) override {
        VBar()->setValue(std::clamp(row, 0, VBar()->maximum()));
    }
    // The horizontal scroll bar counts scrollable columns from the first.
    int LeftCol() const override { return THexGeometry::kFixedCols + HBar()->value(); }
    void SetLeftCol(int col) override {
        HBar()->setValue(std::clamp(col - THexGeometry::kFixedCols, 0, HBar()->maximum()));
    }
    int VisibleRows() const override { return layout.FullyVisibleRows(View()->height()); }
    int VisibleCols() const override { return layout.FullyVisibleCols(View()->width(), LeftCol()); }
    THexHit HitTest(QPoint point) const override {
        return layout.HitTest(point, TopRow(), LeftCol());
    }
    QSize ViewportSize() const override { return View()->size(); }
    int FixedWidth() const override { return layout.FixedWidth(); }
    void InsertToggled() override {
        if (autoCaretMode) q.SetCaretStyle(q.InsertMode() ? csLeftLine : csFull);
    }
};

void THexEditor::Impl::UpdateLayout() {
    const QFontMetrics fm(q.font());
    THexLayoutInput in;
    in.charWidth = fm.horizontalAdvance(QLatin1Char('w'));
    in.rowHeight = fm.height() + 2; // the height of "yY": one line of the font
    in.bytesPerLine = q.BytesPerLine();
    in.nibblesPerGroup = nibblesPerGroup;
    in.showMarkerColumn = showMarkerColumn;
    in.offsetDisplay = offsetDisplay;
    in.rowCount = q.RowCount();
    in.gridLineWidth = gridLineWidth;
    layout.Update(in);
    renderer.Prepare(q.font(), layout);
    UpdateScrollBars();
    View()->update();
}

void THexEditor::Impl::UpdateScrollBars() {
    // Rows map one to one onto the scroll bar: the largest top row of a
    // 2 GiB document at one byte a line still fits its int range.
    const int n = VisibleRows();
    const int64_t maxTop = std::max<int64_t>(0, int64_t(q.RowCount()) - n);
    VBar()->setRange(0, int(maxTop));
    VBar()->setPageStep(n);
    VBar()->setSingleStep(1);
    const int maxLeft = layout.MaxLeftCol(View()->width());
    HBar()->setRange(0, maxLeft - THexGeometry::kFixedCols);
    HBar()->setPageStep(std::max(1, VisibleCols()));
    HBar()->setSingleStep(1);
}

void THexEditor::Impl::RestartBlink() {
    caretOn = true;
    if (!caretActive) return;
    const int flash = QApplication::cursorFlashTime();
    if (flash > 0)
        blink.start(flash / 2);
    else
        blink.stop();
    InvalidateCell(q.Col(), q.Row());
}

// ---- Construction -----------------------------------------------------------------------

THexEditor::THexEditor(QWidget* parent)
    : QAbstractScrollArea(parent), THexModel(nullptr), w(std::make_unique<Impl>(*this)) {
    SetView(w.get());
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::IBeamCursor);
    QFont f(QStringLiteral("Courier"));
    f.setPointSize(12);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    setFont(f);
    connect(&w->blink, &QTimer::timeout, this, [this] {
        w->caretOn = !w->caretOn;
        w->InvalidateCell(Col(), Row());
    });
    w->mouse.OnDoubleClick = [this] {
        if (OnDblClick) OnDblClick();
    };
    w->UpdateLayout();
    CreateEmptyFile(QStringLiteral("Untitled"));
}

THexEditor::~THexEditor() {
    SetView(nullptr);
    while (w->busy > 0)
        w->EndBusy();
}

// ---- Properties --------------------------------------------------------------------------

int THexEditor::BytesPerColumn() const {
    return w->nibblesPerGroup / 2;
}

void THexEditor::SetBytesPerColumn(int value) {
    if (value < 1 || value > (1 << 20)) throw EHexEditorError("Invalid BytesPerColumn argument");
    if (2 * value == w->nibblesPerGroup) return;
    w->nibblesPerGroup = 2 * value;
    w->UpdateLayout();
}

TOffsetDisplayStyle THexEditor::OffsetDisplay() const {
    return w->offsetDisplay;
}

void THexEditor::SetOffsetDisplay(TOffsetDisplayStyle value) {
    if (value == w->offsetDisplay) return;
    w->offsetDisplay = value;
    w->layout.UpdateOffsetWidth(value, RowCount());
    w->UpdateScrollBars();
    viewport()->update();
}

char THexEditor::OffsetSeparator() const {
    return w->offsetSeparator;
}

void THexEditor::SetOffsetSeparator(char value) {
    if (value == w->offsetSeparator) return;
    w->offsetSeparator = value;
    viewport()->update();
}

bool THexEditor::ShowMarkerColumn() const {
    return w->showMarkerColumn;
}

void THexEditor::SetShowMarkerColumn(bool value) {
    if (value == w->showMarkerColumn) return;
    w->showMarkerColumn = value;
    w->UpdateLayout();
}

bool THexEditor::FocusFrame() const {
    return w->focusFrame;
}

void THexEditor::SetFocusFrame(bool value) {
    if (value == w->focusFrame) return;
    w->focusFrame = value;
    viewport()->update();
}

TCaretStyle THexEditor::CaretStyle() const {
    return w->caretStyle;
}

void THexEditor::SetCaretStyle(TCaretStyle value) {
    if (value == w->caretStyle) return;
    w->caretStyle = value;
    if (w->caretActive) {
        RecreateCaret();
        viewport()->update();
    }
}

bool THexEditor::AutoCaretMode() const {
    return w->autoCaretMode;
}

void THexEditor::SetAutoCaretMode(bool value) {
    if (value == w->autoCaretMode) return;
    w->autoCaretMode = value;
    if (value) SetCaretStyle(InsertMode() ? csLeftLine : csFull);
}

int THexEditor::GridLineWidth() const {
    return w->gridLineWidth;
}

void THexEditor::SetGridLineWidth(int value) {
    value = std::max(0, value);
    if (value == w->gridLineWidth) return;
    w->gridLineWidth = value;
    w->UpdateLayout();
}

TColor THexEditor::FontColor() const {
    return w->fontColor;
}

void THexEditor::SetFontColor(TColor value) {
    if (value == w->fontColor) return;
    w->fontColor = value;
    viewport()->update();
}

TColors* THexEditor::Colors() const {
    return &w->colors;
}

void THexEditor::ColorsChanged(bool background) {
    // A new background shows at once; the others at the next paint.
    if (background && viewport()->isVisible())
        viewport()->repaint();
    else
        viewport()->update();
}

int THexEditor::CharWidth() const {
    return w->layout.CharWidth();
}
int THexEditor::RowHeight() const {
    return w->layout.RowHeight();
}
int THexEditor::OffsetChars() const {
    return w->layout.OffsetChars();
}
int THexEditor::NibblesPerGroup() const {
    return w->nibblesPerGroup;
}
const THexLayout& THexEditor::Layout() const {
    return w->layout;
}

int32_t THexEditor::TopRow() const {
    return w->TopRow();
}
void THexEditor::SetTopRow(int32_t row) {
    w->SetTopRow(row);
}
int THexEditor::LeftCol() const {
    return w->LeftCol();
}
void THexEditor::SetLeftCol(int col) {
    w->SetLeftCol(col);
}
int THexEditor::VisibleRowCount() const {
    return w->VisibleRows();
}
int32_t THexEditor::DisplayWindowStart() const {
    return w->renderer.Window().Start(*this);
}
uint8_t THexEditor::DisplayByte(int32_t position) const {
    return w->renderer.Window().Byte(*this, position);
}
void THexEditor::DropDisplayWindow() {
    w->renderer.Window().Drop();
}
QRect THexEditor::CellRect(int col, int32_t row) const {
    return w->layout.CellRect(col, row, TopRow(), LeftCol());
}
bool THexEditor::AltReleased() const {
    return w->keyboard.AltReleased();
}
bool THexEditor::CaretActive() const {
    return w->caretActive;
}

void THexEditor::RecreateCaret() {
    w->RestartBlink();
}

QSize THexEditor::sizeHint() const {
    const int frame = 2 * frameWidth();
    return QSize(w->layout.TotalWidth() + frame + verticalScrollBar()->sizeHint().width(),
                 20 * w->layout.RowPitch() + frame);
}

// ---- Painting --------------------------------------------------------------------------------

void THexEditor::PaintGrid(QPainter& painter, const QRect& area, bool withFocus) {
    THexPaintOptions o;
    o.topRow = TopRow();
    o.leftCol = LeftCol();
    o.focused = withFocus;
    o.caretVisible = w->caretOn;
    o.caretStyle = w->caretStyle;
    o.focusFrame = w->focusFrame;
    o.offsetSeparator = w->offsetSeparator;
    o.fontColor = w->fontColor;
    o.palette = palette();
    w->renderer.Paint(painter, *this, w->layout, w->colors, o, area);
}

void THexEditor::paintEvent(QPaintEvent* e) {
    QPainter painter(viewport());
    PaintGrid(painter, e->rect(), w->caretActive);
}

void THexEditor::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    w->UpdateScrollBars();
}

void THexEditor::scrollContentsBy(int, int) {
    // The view is drawn from TopRow and LeftCol: no pixels move.
    viewport()->update();
}

void THexEditor::changeEvent(QEvent* e) {
    QAbstractScrollArea::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        w->UpdateLayout(); // widths and row height follow the new font at once
    else if (e->type() == QEvent::PaletteChange)
        viewport()->update();
}

// ---- Keyboard --------------------------------------------------------------------------------

namespace {
constexpr Qt::KeyboardModifiers kKeyModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

bool IsNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Insert:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

// Keys that deliver a character of their own only as an editing key.
bool IsEditingKey(int key) {
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return true;
    default:
        return false;
    }
}

// Whether a key event's text counts as typed: Alt combinations are menu
// accelerators, and Ctrl combinations type only control characters.
bool TypesText(const QKeyEvent* e, Qt::KeyboardModifiers m) {
    if (e->text().isEmpty() || IsEditingKey(e->key())) return false;
    const bool ctrl = m & Qt::ControlModifier, alt = m & Qt::AltModifier;
    if (alt && !ctrl) return false;
    if (ctrl && !alt) return e->text().size() == 1 && e->text().at(0).unicode() < 0x20;
    return true;
}

// Keys the grid takes before any shortcut of the window.
bool WantsKey(const QKeyEvent* e) {
    const Qt::KeyboardModifiers m = e->modifiers() & kKeyModifiers;
    const bool ctrl = m & Qt::ControlModifier, alt = m & Qt::AltModifier;
    if (IsNavigationKey(e->key())) return !alt;
    if (ctrl && !alt && (THexKeyboard::DigitOfKey(e->key()) >= 0 || e->key() == Qt::Key_T))
        return true;
    if (ctrl || alt) return false;
    return !e->text().isEmpty() && e->text().at(0).isPrint();
}
} // namespace

bool THexEditor::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (WantsKey(ke)) {
            ke->accept();
            return true;
        }
    } else if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) {
            keyPressEvent(ke); // Tab switches the field instead of the focus
            return true;
        }
    }
    return QAbstractScrollArea::event(e);
}

void THexEditor::keyPressEvent(QKeyEvent* e) {
    const Qt::KeyboardModifiers m = e->modifiers() & kKeyModifiers;
    Impl::TEventScope scope(*w, m);
    bool taken = w->keyboard.KeyPress(e->key(), m, OnKeyDown);
    if (!taken && TypesText(e, m)) {
        bool alt = w->keyboard.AltReleased();
        for (char32_t c : e->text().toUcs4())
            hextype::TypeCharacter(*this, c, alt);
        w->keyboard.SetAltReleased(alt);
        taken = true;
    }
    if (taken || IsNavigationKey(e->key()) || !e->text().isEmpty())
        e->accept();
    else
        e->ignore();
}

void THexEditor::keyReleaseEvent(QKeyEvent* e) {
    if (!e->isAutoRepeat()) w->keyboard.KeyRelease(e->key());
    e->ignore();
}

void THexEditor::inputMethodEvent(QInputMethodEvent* e) {
    bool alt = w->keyboard.AltReleased();
    for (char32_t c : e->commitString().toUcs4())
        hextype::TypeCharacter(*this, c, alt);
    w->keyboard.SetAltReleased(alt);
    e->accept();
}

// ---- Mouse -----------------------------------------------------------------------------------

void THexEditor::mousePressEvent(QMouseEvent* e) {
    setFocus(Qt::MouseFocusReason);
    Impl::TEventScope scope(*w, e->modifiers() & kKeyModifiers);
    w->mouse.Press(e->button(), e->position().toPoint(), false);
    e->accept();
}

void THexEditor::mouseDoubleClickEvent(QMouseEvent* e) {
    setFocus(Qt::MouseFocusReason);
    Impl::TEventScope scope(*w, e->modifiers() & kKeyModifiers);
    w->mouse.Press(e->button(), e->position().toPoint(), true);
    e->accept();
}

void THexEditor::mouseMoveEvent(QMouseEvent* e) {
    Impl::TEventScope scope(*w, e->modifiers() & kKeyModifiers);
    w->mouse.Move(e->position().toPoint());
    e->accept();
}

void THexEditor::mouseReleaseEvent(QMouseEvent* e) {
    Impl::TEventScope scope(*w, e->modifiers() & kKeyModifiers);
    w->mouse.Release(e->button());
    e->accept();
}

void THexEditor::wheelEvent(QWheelEvent* e) {
    // Three rows a notch; the caret stays where it is.
    w->wheelRemainder += e->angleDelta().y();
    const int notches = w->wheelRemainder / 120;
    w->wheelRemainder -= notches * 120;
    if (notches != 0)
        SetTopRow(int32_t(std::clamp<int64_t>(int64_t(TopRow()) - 3 * notches, 0, INT32_MAX)));
    if (e->angleDelta().x() != 0 && e->angleDelta().y() == 0)
        SetLeftCol(LeftCol() - e->angleDelta().x() / 120);
    e->accept();
}

// ---- Focus -----------------------------------------------------------------------------------

void THexEditor::focusInEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusInEvent(e);
    w->caretActive = true;
    RecreateCaret();
    viewport()->update();
}

void THexEditor::focusOutEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusOutEvent(e);
    w->caretActive = false;
    w->blink.stop();
    SetSelecting(false);
    viewport()->update();
}
