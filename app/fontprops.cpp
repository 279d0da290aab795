#include "app/fontprops.h"

#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>

namespace {
constexpr int32_t kMaxPoints = 500; // beyond this a stored size is damage, not a choice
}

int32_t ScreenPixelsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qMax(1, qRound(screen->logicalDotsPerInchY())) : 96;
}

QFont ToQFont(const settings::TFontProps& stored, const QFont& current, int32_t ppi) {
    QFont font = current;
    if (!stored.Name.isEmpty()) font.setFamily(stored.Name);
    int64_t size = stored.Size;
    if ((size <= 0 || size > kMaxPoints) && stored.Height != 0)
        size = (std::llabs(int64_t(stored.Height)) * 72 + ppi / 2) / qMax(1, ppi);
    if (size > 0 && size <= kMaxPoints) font.setPointSize(int(size));
    font.setBold(stored.Style & settings::fsBold);
    font.setItalic(stored.Style & settings::fsItalic);
    font.setUnderline(stored.Style & settings::fsUnderline);
    font.setStrikeOut(stored.Style & settings::fsStrikeOut);
    font.setFixedPitch(stored.Pitch == settings::TPitch::Fixed);
    if (stored.Pitch == settings::TPitch::Fixed) font.setStyleHint(QFont::TypeWriter);
    return font;
}

settings::TFontProps FromQFont(const QFont& font, const settings::TFontProps& kept, int32_t ppi) {
    settings::TFontProps p = kept;
    p.Name = font.family();
    p.Size = font.pointSize() > 0 ? font.pointSize()
                                  : qRound(qMax(1, font.pixelSize()) * 72.0 / qMax(1, ppi));
    p.Height = settings::HeightOfSize(p.Size, ppi);
    p.Style =
        uint8_t((font.bold() ? settings::fsBold : 0) | (font.italic() ? settings::fsItalic : 0) |
                (font.underline() ? settings::fsUnderline : 0) |
                (font.strikeOut() ? settings::fsStrikeOut : 0));
    return p;
}
