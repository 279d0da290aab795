#pragma once
// Making the program the opener of text files on a freedesktop desktop: its
// desktop entry and its line in the user's mimeapps.list. Pure text in and
// out; the caller reads and writes the files.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace desktop {

inline const QString kDesktopId = QStringLiteral("vorbix.desktop");
inline const QString kIconName = QStringLiteral("vorbix");
inline const QString kTextMime = QStringLiteral("text/plain");
inline const QString kDefaultsGroup = QStringLiteral("Default Applications");

// One argument of an Exec line: in double quotes, with the quoting and the
// string escapes of the desktop entry format, "%" doubled.
QString ExecArgument(const QString& argument);

// The desktop entry that opens a file with the program at programPath.
QByteArray DesktopEntry(const QString& programPath);

// mimeapps.list with the program first among the defaults of text/plain;
// every other line of the file is kept. An empty input gives a new file.
QByteArray WithTextDefault(QByteArrayView mimeapps);
// mimeapps.list without the program among those defaults; nullopt when the
// file does not name it there (nothing to write).
std::optional<QByteArray> WithoutTextDefault(QByteArrayView mimeapps);

// Where the files go: $XDG_DATA_HOME/applications/vorbix.desktop,
// $XDG_CONFIG_HOME/mimeapps.list, the icon in the user's hicolor theme.
QString DesktopEntryPath();
QString MimeAppsPath();
QString UserIconPath();

} // namespace desktop
