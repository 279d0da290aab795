#include "hexeditor/widget/tcolors.h"
#include "hexeditor/widget/thexeditor.h"

#include <QGuiApplication>

namespace {
// The platform's system colour indexes, as far as a Qt palette can answer them.
QColor SystemColor(uint32_t index, const QPalette& pal) {
    switch (index) {
    case 1:  // desktop
    case 12: // application workspace
        return pal.color(QPalette::Dark);
    case 2:  // active caption
    case 13: // highlight
        return pal.color(QPalette::Highlight);
    case 9:  // caption text
    case 14: // highlight text
        return pal.color(QPalette::HighlightedText);
    case 3: // inactive caption
        return pal.color(QPalette::Inactive, QPalette::Highlight);
    case 19: // inactive caption text
        return pal.color(QPalette::Inactive, QPalette::HighlightedText);
    case 5: // window
        return pal.color(QPalette::Base);
    case 6:  // window frame
    case 21: // 3D dark shadow
        return pal.color(QPalette::Shadow);
    case 7: // menu text
    case 8: // window text
        return pal.color(QPalette::Text);
    case 16: // button shadow
        return pal.color(QPalette::Dark);
    case 17: // grey text
        return pal.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return pal.color(QPalette::ButtonText);
    case 20: // button highlight
        return pal.color(QPalette::Light);
    case 22: // 3D light
        return pal.color(QPalette::Midlight);
    case 23: // tool tip text
        return pal.color(QPalette::ToolTipText);
    case 24: // tool tip background
        return pal.color(QPalette::ToolTipBase);
    case 0:  // scroll bar
    case 4:  // menu
    case 10: // active border
    case 11: // inactive border
    case 15: // button face
    default:
        return pal.color(QPalette::Button);
    }
}
} // namespace

QColor ResolveColor(TColor value, const QPalette& palette) {
    if (value & clSystemColor) return SystemColor(value & 0xFFu, palette);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QColor ResolveColor(TColor value) {
    if (value & clSystemColor) return ResolveColor(value, QGuiApplication::palette());
    return ResolveColor(value, QPalette());
}

TColor ToTColor(const QColor& color) {
    return TColor(color.red()) | TColor(color.green()) << 8 | TColor(color.blue()) << 16;
}

TColors::TColors(THexEditor* owner) : owner_(owner) {}

bool TColors::Store(TColor& field, TColor value) {
    if (field == value) return false;
    field = value;
    return true;
}

void TColors::Changed(bool background) {
    if (owner_) owner_->ColorsChanged(background);
}

void TColors::SetBackground(TColor c) {
    if (Store(background_, c)) Changed(true);
}
void TColors::SetPositionBackground(TColor c) {
    if (Store(positionBackground_, c)) Changed(false);
}
void TColors::SetPositionText(TColor c) {
    if (Store(positionText_, c)) Changed(false);
}
void TColors::SetChangedBackground(TColor c) {
    if (Store(changedBackground_, c)) Changed(false);
}
void TColors::SetChangedText(TColor c) {
    if (Store(changedText_, c)) Changed(false);
}
void TColors::SetCursorFrame(TColor c) {
    if (Store(cursorFrame_, c)) Changed(false);
}
void TColors::SetOffset(TColor c) {
    if (Store(offset_, c)) Changed(false);
}

void TColors::SetOddColumn(TColor c) {
    if (!Store(oddColumn_, c)) return;
    inverseOdd_ = InverseColor(c);
    Changed(false);
}

void TColors::SetEvenColumn(TColor c) {
    if (!Store(evenColumn_, c)) return;
    inverseEven_ = InverseColor(c);
    Changed(false);
}

void TColors::Assign(const TColors& other) {
    const bool background = background_ != other.background_;
    background_ = other.background_;
    positionBackground_ = other.positionBackground_;
    positionText_ = other.positionText_;
    changedBackground_ = other.changedBackground_;
    changedText_ = other.changedText_;
    cursorFrame_ = other.cursorFrame_;
    offset_ = other.offset_;
    oddColumn_ = other.oddColumn_;
    evenColumn_ = other.evenColumn_;
    inverseOdd_ = InverseColor(oddColumn_);
    inverseEven_ = InverseColor(evenColumn_);
    Changed(background);
}
