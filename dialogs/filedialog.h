#pragma once
// A file dialog of the main window, kept for the window's lifetime so that it
// remembers the last chosen name. Execute() runs it through the dialog seam.
#include <QString>

class QWidget;

struct TFileDialog {
    enum TKind { Open, Save };

    TKind Kind = Open;
    QString Filter;     // "Name|patterns|Name|patterns"
    QString DefaultExt; // without the dot; empty: none
    QString Title;      // empty: the platform's own title
    QString FileName;   // offered when the dialog opens; the chosen name afterwards

    // Runs the dialog; true when a file was chosen (then FileName holds it).
    bool Execute(QWidget* parent);
};
