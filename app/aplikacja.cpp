#include "app/aplikacja.h"

#include "dialogs/commandguard.h"
#include "dialogs/appicon.h"
#include "app/polish.h"

#include <QFont>

TAplikacja::TAplikacja(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Vorbix 2"));
    InstallFontSubstitutes();
    InstallPolishTranslations(*this);
    setWindowIcon(icons::AppIcon());
    setDesktopFileName(QStringLiteral("vorbix")); // the desktop entry that names the program
}

bool TAplikacja::notify(QObject* receiver, QEvent* event) {
    bool result = false;
    RunGuarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

void TAplikacja::InstallFontSubstitutes() {
    // The program's fonts carry their Windows names; the Liberation fonts have
    // the same metrics and are what a Linux desktop offers in their place.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"),
                                                               QStringLiteral("DejaVu Sans Mono")});
}
