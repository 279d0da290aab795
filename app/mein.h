#pragma once
// The main window: two tabs, each with its own menu bar, tool bar and status
// bar, swapped when the tab changes. The text tab edits Edytor, the hex tab
// HexEditor1. Handlers are named after their component and event; their bodies
// live in the mein_*.cpp file of their subject:
//   mein_window.cpp     building the window, its status bars and event plumbing
//   mein_textmenus.cpp  MainMenu1, PopEdytor1, PasekNarz and the tool bar pop-up
//   mein_hexmenus.cpp   HexMenu1 and PasekHex1
//   mein_hexsetup.cpp   HexEditor1 and how the window configures it
//   mein_tabs.cpp       tab change, captions, hint line
//   mein_startup.cpp    FormCreate, FormShow
//   mein_textdoc.cpp    text document state and status read-outs, loading
//   mein_prompts.cpp    save prompts, close query, Koniec
//   mein_drop.cpp       files dropped on the window
//   mein_textfile.cpp   text "&Plik": new, open, save, save as
//   mein_textexport.cpp text "&Plik": RTF export, insert from and append to a file
//   mein_textprint.cpp  text "&Plik": print, printer setup
//   mein_textedit.cpp   text "&Edycja" and pop-up commands, their enabling
//   mein_spelling.cpp   spelling check
//   mein_recode.cpp     Polish code page recoding
//   mein_settings.cpp   configuration (both menu bars)
//   mein_settingsstore.cpp the settings file: restore at show, save at close
//   mein_windowmodes.cpp tray, full screen, About (both menu bars)
//   mein_hexfile.cpp    hex "&Plik" commands, SaveHexFile, hex status and caption
//   mein_hexedit.cpp    hex "&Edycja" commands and the conversion
//   mein_hexprint.cpp   hex printing
#include "appcore/settingsstore.h"
#include "appcore/textsearch.h"
#include "dialogs/filedialog.h"
#include "dialogs/mainimages.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QMimeData;
class QPagedPaintDevice;
class QStatusBar;
class QSystemTrayIcon;
class QTabWidget;
class QToolBar;
class QToolButton;
class TFindDialog;
class TGradient;
class THexEditor;
class THexToCanvas;
class TKalkulator;
class TReplaceDialog;
class TMenuEnabling;
class TStatusPanels;
class TTextControl;
class TKonfiguracjaTarget;

class TMain : public QMainWindow {
    Q_OBJECT
public:
    // Builds the components; the hex editor starts its own empty document.
    // FormCreate, the start-up proper, runs once the program's dialogs exist.
    explicit TMain(QWidget* parent = nullptr);
    ~TMain() override;

    // ---- Components -------------------------------------------------------------
    QWidget* MenuHost;
    QMenuBar* MainMenu1;
    QMenuBar* HexMenu1;
    TGradient* Gradient;
    QTabWidget* PageControl1;
    int PageControl1Tag = 0; // the active tab as the window last saw it: 0 text, 1 hex
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    TTextControl* Edytor;
    THexEditor* HexEditor1 = nullptr;
    QToolBar* PasekNarz;
    QToolBar* PasekHex1;
    QStatusBar* StatusHost;
    TStatusPanels* Informator; // text status bar, 4 panels
    TStatusPanels* StatusBar1; // hex status bar, 6 panels
    QString Tyt1;              // the text tab's caption while the hex tab is shown
    QString Tyt2;              // the hex tab's caption while the text tab is shown
    QString KatWin1;           // the system folder with a trailing separator
    QToolButton* PrzycOk1;     // hidden image holders
    QToolButton* PrzycAnul1;
    QMenu* PopEdytor1;
    QMenu* PopPasek1;               // the one-item pop-up of both tool bars
    TFileDialog DialOtw1, DialZap1; // text side
    TFileDialog OtwDial2, ZapDial2; // hex side

    // MainMenu1
    QMenu* Plik1;
    QAction *Nowy2, *Otwrz2, *Zapisz2, *Zapiszjako2, *EksportdoRTF2, *Wstawtekstzpliku2,
        *Wstawtekstdopliku1, *Drukuj2, *Ustawieniadrukarki2, *Koniec2;
    QMenu* Edycja1;
    QAction *Cofnij1, *Usu1, *Wytnij1, *Kopiuj1, *Wklej1, *Znajd1, *Zamie1, *Data1, *Godzina1,
        *Obliczenia1, *Zaznaczwszystko1, *ZawijWier1;
    QMenu* Zmiena1;
    QAction *Zmienadueznaki1, *Zmienamaeznaki1;
    QMenu* Funkcje1;
    QAction *Sprawd1, *Konfiguracja1, *Doszufladki1, *Pelnyekran1, *PrzekodujnaISO1,
        *PrzekodujnaWindows1;
    QAction* oprogramie1;
    // PopEdytor1
    QAction *Cofnij2, *Wytnij2, *Kopiuj2, *Wklej2, *Usu2;
    QMenu* Zmiena2;
    QAction *Zmianad1, *Zmianam1, *Zaznaczwszystko2;
    // PasekNarz
    QAction *PrzycNow1, *PrzycOtw1, *PrzycZap1, *PrzycZapJa1, *PrzycDrukuj1, *PrzycUsu1, *PrzycWyt1,
        *PrzycKop1, *PrzycWkl1, *PrzycPis1, *PrzycZnaj1;
    QAction* Konfiguracja3; // PopPasek1
    // HexMenu1
    QMenu* Datei1;
    QAction *Neu1, *ffnen1, *Speichern1;
    QMenu* Speichernunter1;
    QAction *AnyFile1, *HexText1, *ImportfromHexText1, *Convertfile1, *Print1, *Printsetup1,
        *Beenden1;
    QMenu* Bearbeiten1;
    QAction *Rckgngig1, *Ausschneiden1, *Kopieren1, *Einfgen1, *PasteText1, *Goto1, *Find1,
        *SetAsHex1, *SetAsText1;
    QMenu* Funkcje2;
    QAction *Konfiguracja2, *Doszufladki2, *Penyekran1;
    QAction* oprogramie2;
    // PasekHex1
    QAction *SpeedItem1, *SpeedItem2, *SpeedItem3, *SpeedItem4, *SpeedItem6, *SpeedItem7,
        *SpeedItem8, *SpeedItem9;

    // The pictures the dialogs copy at their creation.
    TMainImages Images() const;
    // The window's pop-up over its tool bar area: the tool bars' one item.
    QMenu* createPopupMenu() override;

    // ---- Start-up, tabs, captions, hint (mein_startup.cpp, mein_tabs.cpp) ----------
    void FormCreate(const QStringList& arguments);
    void FormShow();
    void PageControl1Change();
    QString Caption() const;
    void SetCaption(const QString& text);     // window title and Gradient
    void SetTextCaption(const QString& text); // shown now, or kept in Tyt1 while the hex tab is
    void SetHexCaption(const QString& text);  // shown now, or kept in Tyt2 while the text tab is
    void AplikacjaHint(const QString& hint);

    // ---- Text document (mein_textdoc.cpp) ------------------------------------------------
    void EdytorChange();
    void EdytorSelectionChange();
    void ShowLineColumn();
    bool TextModified() const; // panel 0 of Informator reads "Zmieniony"
    void SetTextUnmodified();
    // Loads a file into Edytor and makes it the text document (caption, file
    // name, not modified). Throws when the file cannot be read; then nothing changes.
    void LoadTextDocument(const QString& fileName);

    // ---- Prompts and closing (mein_prompts.cpp) -----------------------------------------
    void QuerySaveText(); // returns when the caller may go on; Cancel aborts silently
    bool QuerySaveHex();  // true when the caller may go on
    bool FormCloseQuery();
    void Koniec2Click();

    // ---- Dropped files (mein_drop.cpp) ---------------------------------------------------
    // Opens the first local file of the drop in the text editor; false when there was none.
    bool HandleDroppedFiles(const QMimeData* drop);

    // ---- Text "&Plik" (mein_textfile.cpp) --------------------------------------------------
    void Nowy2Click();
    void Otwrz2Click();
    void Zapisz2Click();
    void Zapiszjako2Click();
    bool SaveText();   // false when it asked for a name and the user cancelled
    bool SaveTextAs(); // false when the user cancelled the dialog
    void EksportdoRTF2Click();
    void Wstawtekstzpliku2Click();
    void Wstawtekstdopliku1Click();
    void Drukuj2Click();
    void Ustawieniadrukarki2Click();
    TFileDialog EkspDial1;  // RTF export
    TFileDialog WstawDial1; // insert from a file, append to a file
    // The whole text as an RTF document in the editor's font; false when it could not be written.
    bool ExportRtf(const QString& fileName) const;
    // The file's bytes up to a 0x1A in its last 128, then each of the editor's
    // lines with CR LF; all or nothing. False when the file could not be read or written.
    bool AppendLines(const QString& fileName) const;
    // Prints the editor's lines on the current printer, or into its output file
    // (through the safe writer) when it prints to a PDF file; false on failure.
    bool PrintText();
    bool PrintTextOn(QPagedPaintDevice& device);
    void PrzycNow1Click();
    void PrzycOtw1Click();
    void PrzycZap1Click();
    void PrzycZapJa1Click();
    void PrzycDrukuj1Click();

    // ---- Text "&Edycja" and pop-up (mein_textedit.cpp) --------------------------------------
    void Edycja1Click();
    void PopEdytor1Popup();
    void Cofnij1Click();
    void Cofnij2Click();
    void Usu1Click();
    void Usu2Click();
    void PrzycUsu1Click();
    void Wytnij1Click();
    void Wytnij2Click();
    void PrzycWyt1Click();
    void Kopiuj1Click();
    void Kopiuj2Click();
    void PrzycKop1Click();
    void Wklej1Click();
    void Wklej2Click();
    void PrzycWkl1Click();
    void Zaznaczwszystko1Click();
    void Zaznaczwszystko2Click();
    void Znajd1Click();
    void PrzycZnaj1Click();
    void Zamie1Click();
    void Data1Click();
    void Godzina1Click();
    void Obliczenia1Click();
    void ZawijWier1Click();
    void Zmienadueznaki1Click();
    void Zmianad1Click();
    void Zmienamaeznaki1Click();
    void Zmianam1Click();
    void ZnajDial1Find();
    void ZamDial1Find();
    void ZamDial1Replace();
    // Created at their first use; they live as long as the window.
    TFindDialog* ZnajDial1 = nullptr;
    TReplaceDialog* ZamDial1 = nullptr;
    TKalkulator* Kalkul1 = nullptr;
    void CreateEdycjaDialogs();

    // ---- "&Funkcje" and "©", both menu bars (mein_spelling, mein_recode, mein_settings,
    //      mein_windowmodes) -------------------------------------------------------------
    void Sprawd1Click();
    void PrzycPis1Click();
    void Konfiguracja1Click();
    void Konfiguracja3Click();
    void Doszufladki1Click();
    void Pelnyekran1Click();
    void PrzekodujnaISO1Click();
    void PrzekodujnaWindows1Click();
    void oprogramie1Click();
    // The fixed search options of the spelling check and of the recoding.
    const TFindOptions PisowK1 = frDown | frReplaceAll | frWholeWord;
    const TFindOptions KodoOpcje1 = frDown | frMatchCase | frReplaceAll;

    // ---- Settings, tray and full screen (mein_settings.cpp, mein_settingsstore.cpp,
    //      mein_windowmodes.cpp) ---------------------------------------------------------
    QSystemTrayIcon* Szuflada = nullptr; // in the tray only while the window is hidden there
    // Whether the desktop shows a system tray; without one the window is minimised instead.
    std::function<bool()> TrayAvailable;
    void SzufladaClick();
    // The settings file: KatWin1 and "Vorbix.ini".
    QString SettingsFileName() const;
    // Reads the settings file and applies it: placement, state, stored properties.
    void RestoreSettings();
    // Writes the section from the current state; false when the file could not be
    // written (or could not be read, so that writing would lose what it holds).
    bool SaveSettings(bool visible);
    void EraseSettings();
    settings::TProperties StoredProperties() const;
    void ApplyStoredProperties(const settings::TProperties& p);
    settings::TPlacement CurrentPlacement() const;
    // "Przywróć domyślne": the section erased, white backgrounds, the two fonts.
    void RestoreDefaults();
    bool FullScreen() const { return fullScreen_; }
    int32_t EdytorColor() const { return edytorColor_; } // a colour code, system colours negative
    void SetEdytorColor(int32_t code);

    // ---- Hex "&Plik", status and caption (mein_hexfile.cpp) ----------------------------------
    void Neu1Click();
    void ffnen1Click();
    void Speichern1Click();
    void AnyFile1Click();
    void HexText1Click();
    void ImportfromHexText1Click();
    void Beenden1Click();
    void Datei1Click();
    bool SaveHexFile();
    void HexEditor1StateChanged();
    void HexEditor1KeyDown(int& key, Qt::KeyboardModifiers shift);
    void SpeedItem1Click();
    void SpeedItem2Click();
    void SpeedItem3Click();

    // ---- Hex "&Edycja" and conversion (mein_hexedit.cpp) --------------------------------------
    void Bearbeiten1Click();
    void Rckgngig1Click();
    void Ausschneiden1Click();
    void Kopieren1Click();
    void Einfgen1Click();
    void PasteText1Click();
    void Goto1Click();
    void Find1Click();
    void SetAsHex1Click();
    void SetAsText1Click();
    void Convertfile1Click();
    void SpeedItem6Click();
    void SpeedItem7Click();
    void SpeedItem8Click();
    void SpeedItem9Click();

    // ---- Hex printing (mein_hexprint.cpp) ----------------------------------------------------
    void Print1Click();
    void Printsetup1Click();
    void SpeedItem4Click();
    // The dump layout of the hex prints, bound to HexEditor1 (made at its first use).
    THexToCanvas* HexToCanvas1 = nullptr;
    THexToCanvas* HexPrintLayout();
    // Names the PDF file where the system has no printer.
    TFileDialog DialPdf2{TFileDialog::Save,
                         QStringLiteral("Dokumenty PDF|*.pdf"),
                         QStringLiteral("pdf"),
                         QStringLiteral("Drukuj do pliku PDF"),
                         {}};

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    using Handler = void (TMain::*)();
    // A menu item: caption, shortcut, hint; triggered through the menu's
    // enabling (when given) and the command guard.
    QAction* Item(QMenu* menu, TMenuEnabling* enabling, const char* name, const QString& caption,
                  const QKeySequence& shortcut, const QString& hint, Handler handler);
    // A tool button of a tool bar: image, hint; runs its handler through the guard.
    QAction* Button(QToolBar* bar, const char* name, int image, const QString& hint,
                    Handler handler);
    QAction* Command(QAction* action, TMenuEnabling* enabling, Handler handler);

    void CreateImageHolders();
    void CreateCentralArea();
    void CreateStatusBars();
    void CreateMainMenu1();
    void CreatePopEdytor1();
    void CreatePasekNarz();
    void CreatePopPasek1();
    void CreateHexMenu1();
    void CreatePasekHex1();
    void CreateHexEditor();
    void CreateFileDialogs();
    QToolBar* NewToolBar(const char* name, const QString& title, bool shown);

    TMenuEnabling* edycjaEnabling_ = nullptr;
    TMenuEnabling* popEnabling_ = nullptr;
    TMenuEnabling* dateiEnabling_ = nullptr;
    TMenuEnabling* bearbeitenEnabling_ = nullptr;
    QPixmap toolBarBackground_;
    QString findText_; // the text typed at the last hex Find

    // Settings: what the widgets do not hold themselves.
    void CreateSzuflada();
    void SaveSettingsAtClose();
    void PlaceToolBar(QToolBar* bar, settings::TAlign edge);
    bool settingsRestored_ = false;
    bool settingsSavedAtClose_ = false;
    bool reshowing_ = false; // a border change shows the window again: no restore then
    bool fullScreen_ = false;
    int32_t edytorColor_ = settings::kClWindow;
    settings::TFontProps edytorFontKept_ = settings::FactoryProperties().EdytorFont;
    settings::TFontProps hexFontKept_ = settings::FactoryProperties().HexFont;
    TKonfiguracjaTarget* konfiguracjaTarget_ = nullptr; // owned; made at the first showing
};
