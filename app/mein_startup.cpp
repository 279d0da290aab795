// Start-up of the main window and its show event.
#include "dialogs/diaok.h"
#include "app/mein.h"
#include "app/picturetoolbar.h"
#include "hexeditor/widget/thexeditor.h"

#include <QDir>
#include <QStandardPaths>

void TMain::FormCreate(const QStringList& arguments) {
    // The folder that stands in for the system folder: where the program's
    // settings file lives. Kept with a trailing separator.
    KatWin1 = QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/'));

    bool loaded = false;
    if (!arguments.isEmpty()) { // further arguments are ignored
        try {
            LoadTextDocument(arguments.first());
            loaded = true;
        } catch (...) {
            ShowMessageDialog(QStringLiteral("Otwieranie pliku"),
                              QStringLiteral("Wystąpił błąd podczas otwierania pliku."));
        }
    }

    CreateSzuflada(); // with the application's icon

    static_cast<TPictureToolBar*>(PasekHex1)->SetPicture(
        static_cast<TPictureToolBar*>(PasekNarz)->Picture());

    // A loaded file keeps its caption; the hex document's caption waits in Tyt2.
    if (!loaded) SetTextCaption(QStringLiteral("Vorbix 2 - Bez nazwy"));
    HexEditor1->CreateEmptyFile(QStringLiteral("Bez nazwy"));
}

void TMain::FormShow() {
    setAcceptDrops(true);
}
