#pragma once
// The one way the program writes a user's file: whole or not at all. The new
// content goes to a temporary file in the target's own folder; every write,
// the flush to disk and the close are checked before it is renamed over the
// target. Symbolic links are followed (the link stays a link), permissions
// and owner are kept. Where a rename would change what the user has (other
// hard links to the target, a folder the user may not write), the whole new
// size is first reserved in the target and only then written in place; where
// the room cannot be reserved the write fails with the old file untouched.
//
// Failures come back as false and, when error is given, an errno value:
// ECANCELED when the producer gave up, EACCES or EROFS for a target that may
// not be written, EISDIR for a target that is no regular file, ENOSPC, EFBIG
// or EIO when the data did not fit or did not reach the disk.
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <functional>
#include <sys/types.h>

namespace safewrite {

// Takes the next block of the new content; false when writing failed, and
// then the producer should stop.
using TSink = std::function<bool(QByteArrayView block)>;
// Hands the whole content to the sink, block by block; false to give up.
using TProducer = std::function<bool(const TSink&)>;

struct TFileId {
    dev_t dev = 0;
    ino_t ino = 0;
};

// Writes what produce hands to its sink as the new content of target. The
// producer runs once; when it gives up or a write fails, the target is as it was.
bool WriteBlocks(const QString& target, const TProducer& produce, int* error = nullptr);

// Writes bytes as the whole new content of target.
bool WriteBytes(const QString& target, QByteArrayView bytes, int* error = nullptr);

// Writes size bytes of the open file src (from offset 0; holes stay holes) as
// the new content of target. Large copies bypass the page cache. id receives
// the written file's identity.
bool WriteFileSafely(int src, int64_t size, const QString& target, TFileId* id = nullptr,
                     int* error = nullptr);

// The final target of a chain of symbolic links (the path itself when it is
// no link or does not exist).
QString ResolveLinks(const QString& path);

// name with its extension replaced by ext ("a/b.txt", ".bak" -> "a/b.bak");
// a name without extension (or a dot file) gets ext appended.
QString BackupName(const QString& name, const QString& ext);

// Copies the existing file name to BackupName(name, ext). True when done or
// when there is nothing to back up.
bool MakeBackup(const QString& name, const QString& ext);

// Identity of an existing file (following links); false when it does not exist.
bool FileIdOf(const QString& path, TFileId& id);

} // namespace safewrite
