#include "appcore/desktopregister.h"

#include "appcore/appiconsvg.h"
#include "appcore/desktopentry.h"
#include "appcore/settingsfile.h"

namespace desktop {

QByteArray IconSvg() {
    return QByteArray(kAppIconSvg);
}

bool RegisterProgram(const QString& programPath) {
    const auto mimeapps = settingsfile::ReadSmallFile(MimeAppsPath());
    if (!mimeapps) return false; // never replace a file we could not read
    // The entry and its icon first: the default must never name a missing entry.
    return settingsfile::WriteWholeFile(DesktopEntryPath(), DesktopEntry(programPath)) &&
           settingsfile::WriteWholeFile(UserIconPath(), IconSvg()) &&
           settingsfile::WriteWholeFile(MimeAppsPath(), WithTextDefault(*mimeapps));
}

bool UnregisterProgram() {
    const auto mimeapps = settingsfile::ReadSmallFile(MimeAppsPath());
    if (!mimeapps) return false;
    const auto without = WithoutTextDefault(*mimeapps);
    return !without || settingsfile::WriteWholeFile(MimeAppsPath(), *without);
}

} // namespace desktop
