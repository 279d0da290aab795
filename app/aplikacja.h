#pragma once
// The program's application object. Its notify() is the last guard around
// every event handler: whatever exception a handler lets out ends there, the
// silent abort without a word and anything else as the program's "unknown
// error" message, so nothing ever reaches Qt's event loop.
#include <QApplication>

class TAplikacja : public QApplication {
    Q_OBJECT
public:
    TAplikacja(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Font names the program asks for, mapped to the fonts this system has.
    static void InstallFontSubstitutes();
};
