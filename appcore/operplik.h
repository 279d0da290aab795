#pragma once
// Hands a file, a web address or a "mailto:" address to the desktop, which
// opens it with its default program. The result is not examined: where no
// program is registered nothing visible happens.
#include <QString>

class QWidget;

// parameters, folder and showMode are kept for the callers' sake; the desktop
// takes only the target. owner may be null.
void OpenWithShell(QWidget* owner, const QString& target, const QString& parameters,
                   const QString& folder, int showMode);
