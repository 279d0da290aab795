// The save-before-discard prompts of both documents, the close query and "&Koniec".
#include "dialogs/commandguard.h"
#include "dialogs/dialogseam.h"
#include "app/mein.h"
#include "hexeditor/widget/thexeditor.h"

void TMain::QuerySaveText() {
    if (!TextModified()) return;
    const auto answer = seam::Question(
        this, QStringLiteral("Vorbix"), QStringLiteral("Plik został zmieniony. Zapisać zmiany ?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Warning);
    if (answer == QMessageBox::Yes) {
        // A Save that asked for a name and was cancelled saved nothing: stop
        // the calling command as Cancel would, so the text is not lost.
        if (!SaveText()) Abort();
        return;
    }
    if (answer != QMessageBox::No) Abort();
}

bool TMain::QuerySaveHex() {
    if (!HexEditor1->Modified()) return true;
    const auto answer = seam::Question(
        this, QStringLiteral("Vorbix"),
        QStringLiteral("Plik w edytorze heksacyjnym został zmieniony. Zapisać zmiany ?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Warning);
    if (answer == QMessageBox::Yes) return SaveHexFile();
    return answer == QMessageBox::No;
}

bool TMain::FormCloseQuery() {
    QuerySaveText(); // Cancel there aborts, which keeps the window open
    return QuerySaveHex();
}

void TMain::Koniec2Click() {
    close();
}
