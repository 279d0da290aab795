#include "appcore/settingsstore.h"

#include <QStringList>

namespace settings {
namespace {

const QString kWordWrap = QStringLiteral("ZawijWier1_Checked");
const QString kPasekNarz = QStringLiteral("PasekNarz_Align");
const QString kPasekHex1 = QStringLiteral("PasekHex1_Align");
const QString kEdytorColor = QStringLiteral("Edytor_Color");
const QString kEdytorFont = QStringLiteral("Edytor_Font");
const QString kHexColors = QStringLiteral("HexEditor1_Colors");
const QString kHexFont = QStringLiteral("HexEditor1_Font");

const std::array<QString, 6> kAlignNames = {QStringLiteral("alNone"),   QStringLiteral("alTop"),
                                            QStringLiteral("alBottom"), QStringLiteral("alLeft"),
                                            QStringLiteral("alRight"),  QStringLiteral("alClient")};
const std::array<QString, 3> kPitchNames = {
    QStringLiteral("fpDefault"), QStringLiteral("fpVariable"), QStringLiteral("fpFixed")};
const std::array<QString, 4> kStyleNames = {QStringLiteral("fsBold"), QStringLiteral("fsItalic"),
                                            QStringLiteral("fsUnderline"),
                                            QStringLiteral("fsStrikeOut")};

template <size_t N>
std::optional<size_t> MatchName(const std::array<QString, N>& names, const QString& text) {
    for (size_t i = 0; i < N; ++i)
        if (names[i].compare(text, Qt::CaseInsensitive) == 0) return i;
    return std::nullopt;
}

QString Pos(QPoint a, QPoint b) {
    return QStringLiteral("%1,%2,%3,%4").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y());
}

// "a,b,c,d": each part that cannot be read keeps its current value.
void ReadFour(const QString& text, std::array<int32_t*, 4> into) {
    const QStringList parts = text.split(QLatin1Char(','));
    for (size_t i = 0; i < 4 && i < size_t(parts.size()); ++i)
        if (auto v = ParseInt(parts[qsizetype(i)].trimmed())) *into[i] = *v;
}

std::optional<QString> PosValue(const ini::TIniDocument& doc, const QString& key, QSize screen) {
    if (auto v = doc.Value(kSection, key + ScreenSuffix(screen))) return v;
    return doc.Value(kSection, key);
}

void WriteFont(ini::TIniDocument& doc, const QString& prefix, const TFontProps& f) {
    doc.SetValue(kSection, prefix + QStringLiteral("Charset"), QString::number(f.Charset));
    doc.SetValue(kSection, prefix + QStringLiteral("Color"), QString::number(f.Color));
    doc.SetValue(kSection, prefix + QStringLiteral("Height"), QString::number(f.Height));
    doc.SetValue(kSection, prefix + QStringLiteral("Name"), f.Name);
    doc.SetValue(kSection, prefix + QStringLiteral("Pitch"), PitchName(f.Pitch));
    doc.SetValue(kSection, prefix + QStringLiteral("Size"), QString::number(f.Size));
    doc.SetValue(kSection, prefix + QStringLiteral("Style"), StyleText(f.Style));
}

void ReadInt(const ini::TIniDocument& doc, const QString& key, int32_t& into) {
    if (auto v = doc.Value(kSection, key)) into = ParseInt(*v).value_or(0);
}

void ReadFont(const ini::TIniDocument& doc, const QString& prefix, TFontProps& f) {
    ReadInt(doc, prefix + QStringLiteral("Charset"), f.Charset);
    ReadInt(doc, prefix + QStringLiteral("Color"), f.Color);
    ReadInt(doc, prefix + QStringLiteral("Height"), f.Height);
    if (auto v = doc.Value(kSection, prefix + QStringLiteral("Name"))) f.Name = *v;
    if (auto v = doc.Value(kSection, prefix + QStringLiteral("Pitch")))
        if (auto i = MatchName(kPitchNames, *v)) f.Pitch = TPitch(*i);
    ReadInt(doc, prefix + QStringLiteral("Size"), f.Size);
    if (auto v = doc.Value(kSection, prefix + QStringLiteral("Style"))) {
        QString body = v->trimmed();
        if (body.startsWith(QLatin1Char('['))) body.remove(0, 1);
        if (body.endsWith(QLatin1Char(']'))) body.chop(1);
        uint8_t style = 0;
        for (const QString& name : body.split(QLatin1Char(',')))
            if (auto i = MatchName(kStyleNames, name.trimmed())) style |= uint8_t(1u << *i);
        f.Style = style;
    }
}

} // namespace

const std::array<QString, 9> kHexColorNames = {
    QStringLiteral("Background"),   QStringLiteral("PositionBackground"),
    QStringLiteral("PositionText"), QStringLiteral("ChangedBackground"),
    QStringLiteral("ChangedText"),  QStringLiteral("CursorFrame"),
    QStringLiteral("Offset"),       QStringLiteral("OddColumn"),
    QStringLiteral("EvenColumn")};

TProperties FactoryProperties() {
    TProperties p;
    p.EdytorFont =
        TFontProps{1, kClWindowText, -11, QStringLiteral("MS Sans Serif"), TPitch::Default, 8, 0};
    p.HexColors = {kClWindow, 0x000080, 0x0000FF, kClWindow, 0x0000FF, 0, 0, 0xFF0000, 0x800000};
    p.HexFont = TFontProps{0, kBlack, -16, QStringLiteral("courier new"), TPitch::Fixed, 12, 0};
    return p;
}

int32_t HeightOfSize(int32_t size, int32_t ppi) {
    return -int32_t((int64_t(size) * ppi + 36) / 72);
}

TProperties WithRestoredDefaults(TProperties p, int32_t ppi) {
    p.EdytorColor = kWhite;
    p.HexColors[0] = kWhite;
    auto reset = [ppi](TFontProps& f, const char* name, int32_t size) {
        f.Name = QString::fromLatin1(name);
        f.Color = kBlack;
        f.Size = size;
        f.Height = HeightOfSize(size, ppi);
        f.Charset = 1;
        f.Style = 0;
    };
    reset(p.EdytorFont, "MS Sans Serif", 8);
    reset(p.HexFont, "Courier new", 12);
    return p;
}

QString ScreenSuffix(QSize screen) {
    return QStringLiteral("(%1x%2)").arg(screen.width()).arg(screen.height());
}

QString AlignName(TAlign a) {
    return kAlignNames[size_t(a)];
}

QString PitchName(TPitch p) {
    return kPitchNames[size_t(p)];
}

QString StyleText(uint8_t style) {
    QStringList names;
    for (size_t i = 0; i < kStyleNames.size(); ++i)
        if (style & (1u << i)) names << kStyleNames[i];
    return QLatin1Char('[') + names.join(QLatin1Char(',')) + QLatin1Char(']');
}

std::optional<int32_t> ParseInt(const QString& text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) negative = t[i++] == u'-';
    if (i == t.size()) return std::nullopt;
    int64_t value = 0;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > int64_t(INT32_MAX) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
    return int32_t(value);
}

void WriteSection(ini::TIniDocument& doc, const TPlacement& pl, const TProperties& p, QSize screen,
                  bool visible) {
    const QString suffix = ScreenSuffix(screen);
    const QString minMax = Pos(pl.MinPos, pl.MaxPos);
    const QString norm = Pos({pl.Left, pl.Top}, {pl.Right, pl.Bottom});
    doc.SetValue(kSection, QStringLiteral("Flags"), QString::number(pl.Flags));
    doc.SetValue(kSection, QStringLiteral("ShowCmd"), QString::number(pl.ShowCmd));
    doc.SetValue(kSection, QStringLiteral("PixelsPerInch"), QString::number(pl.PixelsPerInch));
    doc.SetValue(kSection, QStringLiteral("MinMaxPos"), minMax);
    doc.SetValue(kSection, QStringLiteral("NormPos"), norm);
    doc.SetValue(kSection, QStringLiteral("MinMaxPos") + suffix, minMax);
    doc.SetValue(kSection, QStringLiteral("NormPos") + suffix, norm);
    doc.SetValue(kSection, QStringLiteral("Visible"),
                 visible ? QStringLiteral("1") : QStringLiteral("0"));

    doc.SetValue(kSection, kWordWrap,
                 p.WordWrap ? QStringLiteral("True") : QStringLiteral("False"));
    doc.SetValue(kSection, kPasekNarz, AlignName(p.PasekNarz));
    doc.SetValue(kSection, kPasekHex1, AlignName(p.PasekHex1));
    doc.SetValue(kSection, kEdytorColor, QString::number(p.EdytorColor));
    WriteFont(doc, kEdytorFont, p.EdytorFont);
    for (size_t i = 0; i < p.HexColors.size(); ++i)
        doc.SetValue(kSection, kHexColors + kHexColorNames[i], QString::number(p.HexColors[i]));
    WriteFont(doc, kHexFont, p.HexFont);
}

void ReadProperties(const ini::TIniDocument& doc, TProperties& p) {
    if (auto v = doc.Value(kSection, kWordWrap)) {
        if (v->compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) p.WordWrap = true;
        if (v->compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) p.WordWrap = false;
    }
    if (auto v = doc.Value(kSection, kPasekNarz))
        if (auto i = MatchName(kAlignNames, *v)) p.PasekNarz = TAlign(*i);
    if (auto v = doc.Value(kSection, kPasekHex1))
        if (auto i = MatchName(kAlignNames, *v)) p.PasekHex1 = TAlign(*i);
    ReadInt(doc, kEdytorColor, p.EdytorColor);
    ReadFont(doc, kEdytorFont, p.EdytorFont);
    for (size_t i = 0; i < p.HexColors.size(); ++i)
        ReadInt(doc, kHexColors + kHexColorNames[i], p.HexColors[i]);
    ReadFont(doc, kHexFont, p.HexFont);
}

TPlacementRead ReadPlacement(const ini::TIniDocument& doc, QSize screen,
                             const TPlacement& current) {
    TPlacementRead r;
    r.Values = current;
    TPlacement& v = r.Values;
    if (auto s = doc.Value(kSection, QStringLiteral("Flags"))) v.Flags = ParseInt(*s).value_or(0);
    v.ShowCmd = 0;
    if (auto s = doc.Value(kSection, QStringLiteral("ShowCmd"))) {
        r.FoundShowCmd = true;
        v.ShowCmd = ParseInt(*s).value_or(0);
    }
    if (auto s = doc.Value(kSection, QStringLiteral("PixelsPerInch")))
        v.PixelsPerInch = ParseInt(*s).value_or(0);
    int32_t minX = v.MinPos.x(), minY = v.MinPos.y(), maxX = v.MaxPos.x(), maxY = v.MaxPos.y();
    if (auto s = PosValue(doc, QStringLiteral("MinMaxPos"), screen)) {
        r.FoundPosition = true;
        ReadFour(*s, {&minX, &minY, &maxX, &maxY});
    }
    v.MinPos = {minX, minY};
    v.MaxPos = {maxX, maxY};
    if (auto s = PosValue(doc, QStringLiteral("NormPos"), screen)) {
        r.FoundPosition = true;
        ReadFour(*s, {&v.Left, &v.Top, &v.Right, &v.Bottom});
    }
    return r;
}

TWindowState StateOfShowCmd(int32_t showCmd) {
    switch (showCmd) {
    case 3:
        return TWindowState::Maximized;
    case 2:
    case 6:
    case 7:
        return TWindowState::Minimized;
    default:
        return TWindowState::Normal;
    }
}

std::optional<QRect> PlaceAt(const TPlacementRead& read, int32_t currentPpi, const QRect& current,
                             bool fixedSize) {
    if (!read.FoundPosition || read.Values.PixelsPerInch != currentPpi) return std::nullopt;
    const TPlacement& v = read.Values;
    // A rectangle with no width or height cannot hold a window.
    if (int64_t(v.Left) >= int64_t(v.Right) || int64_t(v.Top) >= int64_t(v.Bottom))
        return std::nullopt;
    if (fixedSize) return QRect(v.Left, v.Top, current.width(), current.height());
    const int64_t w = int64_t(v.Right) - v.Left, h = int64_t(v.Bottom) - v.Top;
    return QRect(v.Left, v.Top, int(qMin<int64_t>(w, 1 << 20)), int(qMin<int64_t>(h, 1 << 20)));
}

QRect KeepOnScreens(const QRect& rect, const QList<QRect>& workAreas) {
    if (workAreas.isEmpty()) return rect;
    // The top strip is what the user grabs to move the window: enough of it must show.
    const QRect title(rect.left(), rect.top(), rect.width(), qMin(rect.height(), 30));
    for (const QRect& area : workAreas) {
        const QRect seen = title.intersected(area);
        if (seen.width() >= qMin(60, rect.width()) && seen.height() >= qMin(10, title.height()))
            return rect;
    }
    const QRect& area = workAreas.front();
    QRect r(rect.topLeft(), rect.size().boundedTo(area.size()));
    r.moveLeft(qBound(area.left(), r.left(), area.right() - r.width() + 1));
    r.moveTop(qBound(area.top(), r.top(), area.bottom() - r.height() + 1));
    return r;
}

} // namespace settings
