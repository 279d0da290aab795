#include "hexeditor/widget/hexglyphs.h"

#include "base/cp1250.h"

#include <QFontMetrics>

void THexGlyphs::Prepare(const QFont& font, int cellWidth, int rowHeight) {
    font_ = font;
    raw_ = QRawFont::fromFont(font);
    const QFontMetrics fm(font);
    ascent_ = fm.ascent();
    for (int b = 0; b < 256; ++b) {
        const char16_t u = cp1250::ToUnicode(uint8_t(b));
        const QChar ch(u);
        text_[size_t(b)] = QString(ch);
        glyph_[size_t(b)] = 0;
        advance_[size_t(b)] = fm.horizontalAdvance(ch);
        clip_[size_t(b)] = false;
        // Blanks and control characters leave the opaque cell empty.
        if (u <= 0x20 || (u >= 0x7F && u <= 0xA0) || u == 0xAD) continue;
        if (!raw_.isValid()) {
            clip_[size_t(b)] = true;
            continue;
        }
        const QList<quint32> g = raw_.glyphIndexesForString(text_[size_t(b)]);
        if (g.size() != 1 || g[0] == 0) {
            clip_[size_t(b)] = true; // the painter finds a fallback font
            continue;
        }
        glyph_[size_t(b)] = g[0];
        const QRectF ink = raw_.boundingRect(g[0]);
        clip_[size_t(b)] = ink.left() < 0 || ink.right() > cellWidth || ink.top() < -ascent_ ||
                           ink.bottom() > rowHeight - ascent_;
        advance_[size_t(b)] = raw_.advancesForGlyphIndexes(QList<quint32>{g[0]}).value(0).x();
    }
}
