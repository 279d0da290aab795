// "&Konfiguracja" from both menu bars and both tool bar pop-ups, and what the
// configuration dialog changes in the window.
#include "app/mein.h"
#include "app/textcontrol.h"
#include "dialogs/dialogseam.h"
#include "dialogs/konfig.h"
#include "hexeditor/widget/thexeditor.h"

namespace {

// The dialog's view of the window: both editors' backgrounds and fonts.
class TMainKonfiguracjaTarget : public TKonfiguracjaTarget {
public:
    explicit TMainKonfiguracjaTarget(TMain* main) : main_(main) {}
    QColor TextBackground() const override { return main_->Edytor->Color(); }
    void SetTextBackground(const QColor& color) override {
        main_->SetEdytorColor(int32_t(ToTColor(color)));
    }
    QFont TextFont() const override { return main_->Edytor->Font(); }
    void SetTextFont(const QFont& font) override { main_->Edytor->SetFont(font); }
    QColor HexBackground() const override {
        return ResolveColor(main_->HexEditor1->Colors()->Background(),
                            main_->HexEditor1->palette());
    }
    void SetHexBackground(const QColor& color) override {
        main_->HexEditor1->Colors()->SetBackground(ToTColor(color));
    }
    QFont HexFont() const override { return main_->HexEditor1->font(); }
    void SetHexFont(const QFont& font) override { main_->HexEditor1->setFont(font); }
    void RestoreDefaults() override { main_->RestoreDefaults(); }

private:
    TMain* main_;
};

} // namespace

void TMain::Konfiguracja1Click() {
    if (!Konfiguracja) return;
    if (!konfiguracjaTarget_) konfiguracjaTarget_ = new TMainKonfiguracjaTarget(this);
    Konfiguracja->Target = konfiguracjaTarget_;
    seam::RunDialog(*Konfiguracja);
}

void TMain::Konfiguracja3Click() {
    Konfiguracja1Click();
}
