#pragma once
// The configuration dialog: one instance from start-up to the end of the
// program, shown modally. It has no OK or Cancel: every choice takes effect at
// once on the editors of its target, and the close box ends it. It keeps no
// state of its own.
#include "dialogs/mainimages.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <optional>

class QColorDialog;
class QFontDialog;
class QGroupBox;
class QToolButton;
class TBackgroundBar;

// What the dialog changes: the main window's two editors and its settings.
class TKonfiguracjaTarget {
public:
    virtual ~TKonfiguracjaTarget() = default;
    virtual QColor TextBackground() const = 0;
    virtual void SetTextBackground(const QColor& color) = 0;
    virtual QFont TextFont() const = 0;
    virtual void SetTextFont(const QFont& font) = 0;
    virtual QColor HexBackground() const = 0;
    virtual void SetHexBackground(const QColor& color) = 0;
    virtual QFont HexFont() const = 0;
    virtual void SetHexFont(const QFont& font) = 0;
    // Erases the stored settings, then white backgrounds and the two fonts.
    virtual void RestoreDefaults() = 0;
};

class TKonfiguracja : public QDialog {
    Q_OBJECT
public:
    explicit TKonfiguracja(const TMainImages& images, QWidget* parent = nullptr);
    ~TKonfiguracja() override;

    TKonfiguracjaTarget* Target = nullptr; // set by the main window before showing

    TBackgroundBar* TloPs1;
    QGroupBox *GrupaTekst1, *GrupaHex1, *GrupaSystem1;
    QToolButton *PrzycKolTl1, *PrzycCzc1, *PrzycTloH1, *RxSpeedButton4, *RxSpeedButton2,
        *RxSpeedButton3, *RxSpeedButton1;
    QColorDialog* KolDial1;
    QFontDialog* CzcionDial1;

    void PrzycKolTl1Click();
    void PrzycCzc1Click();
    void PrzycTloH1Click();
    void RxSpeedButton4Click();
    void RxSpeedButton1Click();
    void RxSpeedButton2Click();
    void RxSpeedButton3Click();

protected:
    void showEvent(QShowEvent* event) override; // centred on the desktop

private:
    std::optional<QColor> ChooseColor(const QColor& start);
    std::optional<QFont> ChooseFont(const QFont& start);
};

extern TKonfiguracja* Konfiguracja;
