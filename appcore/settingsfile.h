#pragma once
// Reading and writing small configuration files whole: the settings file,
// mimeapps.list, the desktop entry. Writing goes through the safe writer, so a
// failure leaves the old file as it was.
#include "appcore/inidocument.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace settingsfile {

// Larger files are no configuration of ours: they are neither read nor replaced.
inline constexpr qint64 kMaxSize = 4 * 1024 * 1024;

// The file's bytes; an empty array for a missing file; nullopt for a file
// that exists but cannot be read (or is too large to be one).
std::optional<QByteArray> ReadSmallFile(const QString& path);

// Writes bytes as the whole file, creating its folder when needed.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

// The document of an INI file (empty when missing or unreadable); readable
// tells whether a save may replace it without losing what it holds.
ini::TIniDocument LoadIni(const QString& path, bool* readable = nullptr);

} // namespace settingsfile
