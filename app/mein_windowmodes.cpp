// "&Do szufladki", "&Pełny ekran" and "©", shared by both menu bars, and the
// tray icon Szuflada.
#include "app/mein.h"
#include "dialogs/commandguard.h"
#include "dialogs/dialogseam.h"
#include "dialogs/inf.h"

#include <QAction>
#include <QApplication>
#include <QSystemTrayIcon>

void TMain::CreateSzuflada() {
    Szuflada = new QSystemTrayIcon(QApplication::windowIcon(), this);
    Szuflada->setObjectName(QStringLiteral("Szuflada"));
    Szuflada->setToolTip(QStringLiteral("Vorbix"));
    connect(Szuflada, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // Either button, reported when it is released; no menu.
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context)
                    RunGuarded([this] { SzufladaClick(); });
            });
}

void TMain::Doszufladki1Click() {
    const bool tray = TrayAvailable ? TrayAvailable() : QSystemTrayIcon::isSystemTrayAvailable();
    if (!tray || !Szuflada) {
        // Without a tray a hidden window could never come back.
        showMinimized();
        return;
    }
    Szuflada->show();
    hide();
}

void TMain::SzufladaClick() {
    show(); // reads and applies the settings file again
    activateWindow();
    if (Szuflada) Szuflada->hide();
}

void TMain::Pelnyekran1Click() {
    EraseSettings();
    const bool on = !fullScreen_;
    fullScreen_ = on;
    // The items toggle their own check mark when chosen; both follow the state.
    Pelnyekran1->setChecked(on);
    Penyekran1->setChecked(on);
    const bool wasVisible = isVisible();
    reshowing_ = true;
    if (on) {
        setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    } else {
        const Qt::WindowStates state = windowState();
        setWindowFlags(windowFlags() & ~Qt::FramelessWindowHint);
        setWindowState(state); // stays maximised, now with its title bar
    }
    if (wasVisible) show(); // a border change hides the window
    reshowing_ = false;
}

void TMain::oprogramie1Click() {
    if (Info) seam::RunDialog(*Info);
}
