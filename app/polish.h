#pragma once
// Qt's own dialogs and buttons in Polish ("Tak", "Nie", "Anuluj", "Nazwa
// pliku:"), whatever the user's locale: Qt's Polish translation is loaded
// from Qt's translations folder. A missing file changes nothing.
class QCoreApplication;

// True when the translation was found and installed.
bool InstallPolishTranslations(QCoreApplication& app);
