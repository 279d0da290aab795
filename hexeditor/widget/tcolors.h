#pragma once
// The hex grid's nine colours. Values are 0x00BBGGRR, or 0x80000000 plus an
// index for a system colour that is resolved when drawing.
#include <QColor>
#include <QPalette>
#include <cstdint>

using TColor = uint32_t;

constexpr TColor clSystemColor = 0x80000000u;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clLightYellow = 0xA8FFFF; // red 255, green 255, blue 168

// A colour value as the screen shows it; system colours come from the palette
// (the application's when none is given).
QColor ResolveColor(TColor value);
QColor ResolveColor(TColor value, const QPalette& palette);

// The plain colour of a QColor, 0x00BBGGRR.
TColor ToTColor(const QColor& color);

// (255 - red, 255 - green, 255 - blue) of the low three bytes; a system colour
// is taken as its raw value, not resolved.
constexpr TColor InverseColor(TColor value) {
    return (value & 0xFFFFFFu) ^ 0xFFFFFFu;
}

class THexEditor;

class TColors {
public:
    explicit TColors(THexEditor* owner);
    TColors(const TColors&) = delete;
    TColors& operator=(const TColors&) = delete;

    TColor Background() const { return background_; }
    TColor PositionBackground() const { return positionBackground_; }
    TColor PositionText() const { return positionText_; }
    TColor ChangedBackground() const { return changedBackground_; }
    TColor ChangedText() const { return changedText_; }
    TColor CursorFrame() const { return cursorFrame_; }
    TColor Offset() const { return offset_; }
    TColor OddColumn() const { return oddColumn_; }
    TColor EvenColumn() const { return evenColumn_; }
    TColor InverseOddColumn() const { return inverseOdd_; }
    TColor InverseEvenColumn() const { return inverseEven_; }

    void SetBackground(TColor c);
    void SetPositionBackground(TColor c);
    void SetPositionText(TColor c);
    void SetChangedBackground(TColor c);
    void SetChangedText(TColor c);
    void SetCursorFrame(TColor c);
    void SetOffset(TColor c);
    void SetOddColumn(TColor c);
    void SetEvenColumn(TColor c);

    // Copies the nine colours of another set (one repaint).
    void Assign(const TColors& other);

private:
    bool Store(TColor& field, TColor value);
    void Changed(bool background);

    THexEditor* owner_;
    TColor background_ = clWindow;
    TColor positionBackground_ = clMaroon;
    TColor positionText_ = clWhite;
    TColor changedBackground_ = clLightYellow;
    TColor changedText_ = clMaroon;
    TColor cursorFrame_ = clNavy;
    TColor offset_ = clBlack;
    TColor oddColumn_ = clBlue;
    TColor evenColumn_ = clNavy;
    TColor inverseOdd_ = InverseColor(clBlue);
    TColor inverseEven_ = InverseColor(clNavy);
};
