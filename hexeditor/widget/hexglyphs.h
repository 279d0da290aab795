#pragma once
// The glyphs of the 256 Windows-1250 characters in the grid's font, so that
// a screen of cells is drawn as a few glyph runs instead of thousands of
// text outputs. Characters the font lacks, or whose ink leaves the cell, are
// marked for a clipped text output of their own.
#include <QFont>
#include <QRawFont>
#include <QString>
#include <array>
#include <cstdint>

class THexGlyphs {
public:
    // The font and the cell the glyphs must stay inside (width of "w", row height).
    void Prepare(const QFont& font, int cellWidth, int rowHeight);

    bool Valid() const { return raw_.isValid(); }
    const QRawFont& RawFont() const { return raw_; }
    const QFont& Font() const { return font_; }
    int Ascent() const { return ascent_; }

    // Glyph of ANSI byte b; 0 when it draws nothing (blank or control character).
    quint32 Glyph(uint8_t b) const { return glyph_[b]; }
    qreal Advance(uint8_t b) const { return advance_[b]; }
    // True when b needs a text output of its own, clipped to its cell.
    bool NeedsClip(uint8_t b) const { return clip_[b]; }
    // The character of b as text.
    const QString& Text(uint8_t b) const { return text_[b]; }

private:
    QFont font_;
    QRawFont raw_;
    int ascent_ = 0;
    std::array<quint32, 256> glyph_{};
    std::array<qreal, 256> advance_{};
    std::array<bool, 256> clip_{};
    std::array<QString, 256> text_{};
};
