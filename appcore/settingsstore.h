#pragma once
// The main window's persisted settings: the section "Pozycje" of "Vorbix.ini",
// its key table, the values each key carries and how they are read back.
// Pure text in, values out; the window gathers and applies the values.
#include "appcore/inidocument.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace settings {

inline const QString kFileName = QStringLiteral("Vorbix.ini");
inline const QString kSection = QStringLiteral("Pozycje");

// Colour codes as stored: 0x00BBGGRR, or a negative system colour.
inline constexpr int32_t kClWindow = int32_t(0x80000005u);     // -2147483643
inline constexpr int32_t kClWindowText = int32_t(0x80000008u); // -2147483640
inline constexpr int32_t kWhite = 0xFFFFFF;
inline constexpr int32_t kBlack = 0;

enum class TAlign { None, Top, Bottom, Left, Right, Client };
enum class TPitch { Default, Variable, Fixed };
enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct TFontProps {
    int32_t Charset = 1;
    int32_t Color = kClWindowText;
    int32_t Height = -11;
    QString Name;
    TPitch Pitch = TPitch::Default;
    int32_t Size = 8;
    uint8_t Style = 0;
    bool operator==(const TFontProps&) const = default;
};

// The hex colour set in its stored order: Background, PositionBackground,
// PositionText, ChangedBackground, ChangedText, CursorFrame, Offset,
// OddColumn, EvenColumn.
using THexColors = std::array<int32_t, 9>;
extern const std::array<QString, 9> kHexColorNames;

// The seven stored properties, in their stored order.
struct TProperties {
    bool WordWrap = false;
    TAlign PasekNarz = TAlign::Top;
    TAlign PasekHex1 = TAlign::Top;
    int32_t EdytorColor = kClWindow;
    TFontProps EdytorFont;
    THexColors HexColors{};
    TFontProps HexFont;
    bool operator==(const TProperties&) const = default;
};

// What the main window holds before anything is restored.
TProperties FactoryProperties();

// "Przywróć domyślne": plain white backgrounds of both editors and their two
// fonts; everything else (the other hex colours, the pitches, the tool bars,
// word wrap) stays. ppi gives the fonts' heights.
TProperties WithRestoredDefaults(TProperties p, int32_t ppi);
// A font's height in pixels (negative) from its size in points.
int32_t HeightOfSize(int32_t size, int32_t ppi);

// The window placement as stored.
struct TPlacement {
    int32_t Flags = 0;
    int32_t ShowCmd = 1; // 1 normal, 2 minimised, 3 maximised
    int32_t PixelsPerInch = 96;
    QPoint MinPos{-1, -1};
    QPoint MaxPos{-1, -1};
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0; // the normal rectangle
    bool operator==(const TPlacement&) const = default;
};

// "(1024x768)": the suffix of the screen-size variants of the position keys.
QString ScreenSuffix(QSize screen);

// Writes every key: placement first, then the properties in the stored order.
void WriteSection(ini::TIniDocument& doc, const TPlacement& placement, const TProperties& props,
                  QSize screen, bool visible);

// Applies every key present to props; missing keys and names that match
// nothing leave a property as it was; integers that cannot be read become 0.
void ReadProperties(const ini::TIniDocument& doc, TProperties& props);

// The placement read back: values missing in the file keep those of current.
struct TPlacementRead {
    TPlacement Values;
    bool FoundPosition = false; // MinMaxPos or NormPos was there
    bool FoundShowCmd = false;
};
TPlacementRead ReadPlacement(const ini::TIniDocument& doc, QSize screen, const TPlacement& current);

enum class TWindowState { Normal, Maximized, Minimized };
TWindowState StateOfShowCmd(int32_t showCmd); // missing key: pass 0

// The rectangle to place the window at, or nullopt to leave it where it is:
// only with a position key and the same resolution, and only when left < right.
// fixedSize keeps the current width and height.
std::optional<QRect> PlaceAt(const TPlacementRead& read, int32_t currentPpi, const QRect& current,
                             bool fixedSize);

// A rectangle moved (and shrunk if it must be) so that it lies on one of the
// screens' work areas; unchanged when its title area already shows on one.
QRect KeepOnScreens(const QRect& rect, const QList<QRect>& workAreas);

// Value texts, also used by the tests.
QString AlignName(TAlign a);
QString PitchName(TPitch p);
QString StyleText(uint8_t style);
// Decimal 32-bit integer with optional blanks and sign; nullopt otherwise.
std::optional<int32_t> ParseInt(const QString& text);

} // namespace settings
