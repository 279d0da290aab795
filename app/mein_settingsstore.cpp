// The settings store: "Vorbix.ini", section "Pozycje". Read and applied at
// every show of the window, written after an allowed close (Visible=0) or, if
// that did not happen, when the window is destroyed (Visible=1).
#include "app/edytorwidget.h"
#include "app/fontprops.h"
#include "app/mein.h"
#include "app/textcontrol.h"
#include "appcore/settingsfile.h"
#include "dialogs/diaok.h"
#include "dialogs/konfig.h"
#include "hexeditor/widget/thexeditor.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

using namespace settings;

namespace {

QSize ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

QList<QRect> WorkAreas() {
    QList<QRect> areas;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        areas << primary->availableGeometry();
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen()) areas << screen->availableGeometry();
    return areas;
}

TAlign AlignOf(Qt::ToolBarArea area) {
    switch (area) {
    case Qt::TopToolBarArea:
        return TAlign::Top;
    case Qt::BottomToolBarArea:
        return TAlign::Bottom;
    case Qt::LeftToolBarArea:
        return TAlign::Left;
    case Qt::RightToolBarArea:
        return TAlign::Right;
    default:
        return TAlign::None;
    }
}

QColor TextColor(int32_t code) {
    return ResolveColor(TColor(uint32_t(code)));
}

} // namespace

TMain::~TMain() {
    // Destroyed without the close having saved: save now, marked as such.
    if (!settingsSavedAtClose_) {
        try {
            SaveSettings(true);
        } catch (...) {
        }
    }
    if (Konfiguracja && Konfiguracja->Target == konfiguracjaTarget_) Konfiguracja->Target = nullptr;
    delete konfiguracjaTarget_;
}

QString TMain::SettingsFileName() const {
    return QDir::fromNativeSeparators(KatWin1) + kFileName;
}

TPlacement TMain::CurrentPlacement() const {
    TPlacement p;
    const bool minimised = isMinimized();
    const bool maximised = windowState() & Qt::WindowMaximized;
    p.ShowCmd = minimised ? 2 : maximised ? 3 : 1;
    p.Flags = minimised && maximised ? 2 : 0; // restores to maximised
    p.PixelsPerInch = ScreenPixelsPerInch();
    QRect normal = geometry();
    if ((minimised || maximised) && normalGeometry().isValid()) normal = normalGeometry();
    p.Left = normal.left();
    p.Top = normal.top();
    p.Right = normal.left() + normal.width();
    p.Bottom = normal.top() + normal.height();
    return p;
}

TProperties TMain::StoredProperties() const {
    const int32_t ppi = ScreenPixelsPerInch();
    TProperties p;
    p.WordWrap = ZawijWier1->isChecked();
    p.PasekNarz = AlignOf(toolBarArea(PasekNarz));
    p.PasekHex1 = AlignOf(toolBarArea(PasekHex1));
    p.EdytorColor = edytorColor_;
    p.EdytorFont = FromQFont(Edytor->Font(), edytorFontKept_, ppi);
    const TColors* c = HexEditor1->Colors();
    p.HexColors = {int32_t(c->Background()),   int32_t(c->PositionBackground()),
                   int32_t(c->PositionText()), int32_t(c->ChangedBackground()),
                   int32_t(c->ChangedText()),  int32_t(c->CursorFrame()),
                   int32_t(c->Offset()),       int32_t(c->OddColumn()),
                   int32_t(c->EvenColumn())};
    TFontProps hexKept = hexFontKept_;
    hexKept.Color = int32_t(HexEditor1->FontColor());
    p.HexFont = FromQFont(HexEditor1->font(), hexKept, ppi);
    return p;
}

void TMain::PlaceToolBar(QToolBar* bar, TAlign edge) {
    Qt::ToolBarArea area;
    switch (edge) {
    case TAlign::Top:
        area = Qt::TopToolBarArea;
        break;
    case TAlign::Bottom:
        area = Qt::BottomToolBarArea;
        break;
    case TAlign::Left:
        area = Qt::LeftToolBarArea;
        break;
    case TAlign::Right:
        area = Qt::RightToolBarArea;
        break;
    default:
        return; // a tool bar has only four edges to stand at
    }
    if (toolBarArea(bar) == area) return;
    const bool hidden = bar->isHidden();
    addToolBar(area, bar); // moves it
    if (bar->isHidden() != hidden) bar->setHidden(hidden);
}

void TMain::ApplyStoredProperties(const TProperties& p) {
    const int32_t ppi = ScreenPixelsPerInch();
    // Word wrap follows its check mark, with the toggle's scroll bars.
    ZawijWier1->setChecked(p.WordWrap);
    Edytor->SetWordWrap(p.WordWrap);
    PlaceToolBar(PasekNarz, p.PasekNarz);
    PlaceToolBar(PasekHex1, p.PasekHex1);
    SetEdytorColor(p.EdytorColor);
    edytorFontKept_ = p.EdytorFont;
    Edytor->SetFont(ToQFont(p.EdytorFont, Edytor->Font(), ppi));
    QPalette pal = Edytor->Widget()->palette();
    pal.setColor(QPalette::Text, TextColor(p.EdytorFont.Color));
    Edytor->Widget()->setPalette(pal);
    TColors* c = HexEditor1->Colors();
    c->SetBackground(TColor(p.HexColors[0]));
    c->SetPositionBackground(TColor(p.HexColors[1]));
    c->SetPositionText(TColor(p.HexColors[2]));
    c->SetChangedBackground(TColor(p.HexColors[3]));
    c->SetChangedText(TColor(p.HexColors[4]));
    c->SetCursorFrame(TColor(p.HexColors[5]));
    c->SetOffset(TColor(p.HexColors[6]));
    c->SetOddColumn(TColor(p.HexColors[7]));
    c->SetEvenColumn(TColor(p.HexColors[8]));
    hexFontKept_ = p.HexFont;
    HexEditor1->SetFontColor(TColor(p.HexFont.Color));
    HexEditor1->setFont(ToQFont(p.HexFont, HexEditor1->font(), ppi));
}

void TMain::SetEdytorColor(int32_t code) {
    edytorColor_ = code;
    Edytor->SetColor(TextColor(code));
}

void TMain::RestoreSettings() {
    settingsRestored_ = true;
    const ini::TIniDocument doc = settingsfile::LoadIni(SettingsFileName());
    const int32_t ppi = ScreenPixelsPerInch();

    const TPlacementRead read = ReadPlacement(doc, ScreenSize(), CurrentPlacement());
    const bool fixedSize = minimumSize() == maximumSize();
    if (auto rect = PlaceAt(read, ppi, geometry(), fixedSize)) {
        const QRect shown = KeepOnScreens(*rect, WorkAreas());
        if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized))
            setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
        setGeometry(shown);
    }
    switch (StateOfShowCmd(read.Values.ShowCmd)) {
    case TWindowState::Maximized:
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        break;
    case TWindowState::Minimized:
        // Shown normal first, then minimised as a whole.
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
        QTimer::singleShot(0, this, [this] { showMinimized(); });
        break;
    case TWindowState::Normal:
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
        break;
    }

    TProperties p = StoredProperties();
    ReadProperties(doc, p);
    ApplyStoredProperties(p);
}

bool TMain::SaveSettings(bool visible) {
    if (!settingsRestored_) return true; // nothing was read in this run: nothing to keep
    bool readable = true;
    ini::TIniDocument doc = settingsfile::LoadIni(SettingsFileName(), &readable);
    if (!readable) return false;
    WriteSection(doc, CurrentPlacement(), StoredProperties(), ScreenSize(), visible);
    return settingsfile::WriteWholeFile(SettingsFileName(), doc.Serialize());
}

void TMain::SaveSettingsAtClose() {
    settingsSavedAtClose_ = true;
    if (!SaveSettings(false))
        ShowMessageDialog(QStringLiteral("Vorbix"),
                          QStringLiteral("Operacja zapisu ustawień programu do pliku %1 nie "
                                         "powiodła się.")
                              .arg(QDir::toNativeSeparators(SettingsFileName())));
}

void TMain::EraseSettings() {
    bool readable = true;
    ini::TIniDocument doc = settingsfile::LoadIni(SettingsFileName(), &readable);
    if (!readable || !doc.HasSection(kSection)) return;
    doc.EraseSection(kSection);
    settingsfile::WriteWholeFile(SettingsFileName(), doc.Serialize());
}

void TMain::RestoreDefaults() {
    EraseSettings();
    ApplyStoredProperties(WithRestoredDefaults(StoredProperties(), ScreenPixelsPerInch()));
}
