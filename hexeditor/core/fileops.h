#pragma once
// File helpers of the hex engine: the shared POSIX helpers, plus exclusive
// working and scratch files in the temporary folder.
#include "base/fileio.h"

#include <QString>

namespace hexfile {

using fileio::CopyRange;
using fileio::FileSize;
using fileio::Native;
using fileio::ReadAt;
using fileio::Reserve;
using fileio::TFd;
using fileio::WriteAt;

// The system temporary folder with a trailing slash.
QString TempFolder();

// Creates a new file "<folder>XXXXXXXX.ZQHT" (8 upper-case hex digits from the
// millisecond tick count) exclusively: O_EXCL, no symlink followed, mode 0600.
// Retries with the next number on a clash. Returns the descriptor (invalid on
// failure) and the path in path.
TFd CreateWorkFile(const QString& folder, QString& path);

// An unnamed scratch file in folder (gone when closed), mode 0600.
TFd CreateScratchFile(const QString& folder);

} // namespace hexfile
