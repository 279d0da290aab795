#include "dialogs/commandguard.h"

#include "dialogs/diaok.h"

void Abort() {
    throw EAbort();
}

void AplikacjaException() noexcept {
    static bool showing = false;
    if (showing) return;
    showing = true;
    try {
        ShowMessageDialog(QStringLiteral("Nieznany błąd"),
                          QStringLiteral("Wystąpił nieznany błąd programu."));
    } catch (...) {
        // Reporting must never become a second failure.
    }
    showing = false;
}
