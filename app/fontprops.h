#pragma once
// A stored font (name, size, height, style, pitch, character set, colour) and
// the QFont a widget shows. QFont holds no character set and no colour; the
// caller keeps those beside it.
#include "appcore/settingsstore.h"

#include <QFont>

// The screen's resolution in pixels per inch (96 without a screen).
int32_t ScreenPixelsPerInch();

// current with the stored font applied; a size that cannot be a font's keeps current's size.
QFont ToQFont(const settings::TFontProps& stored, const QFont& current, int32_t ppi);
// The stored form of font; charset, colour and pitch come from kept.
settings::TFontProps FromQFont(const QFont& font, const settings::TFontProps& kept, int32_t ppi);
