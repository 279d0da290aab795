#pragma once
// Writing a document's bytes to a user's file without ever leaving it half
// written: a temporary file in the target's own folder, flushed to disk and
// renamed over the target. Links are followed, permissions and owner kept;
// hard-linked targets and unwritable folders are written in place after the
// room has been reserved.
#include <QString>
#include <cstdint>
#include <sys/types.h>

namespace hexsave {

struct TFileId {
    dev_t dev = 0;
    ino_t ino = 0;
};

// The final target of a chain of symbolic links (the path itself when it is
// no link or does not exist).
QString ResolveLinks(const QString& path);

// Writes size bytes of src (from offset 0) to target. True on success; on
// failure the target is as it was. id receives the written file's identity.
bool WriteFileSafely(int src, int64_t size, const QString& target, TFileId* id = nullptr);

// name with its extension replaced by ext ("a/b.txt", ".bak" -> "a/b.bak");
// a name without extension (or a dot file) gets ext appended.
QString BackupName(const QString& name, const QString& ext);

// Copies the existing file name to BackupName(name, ext). True when done or
// when there is nothing to back up.
bool MakeBackup(const QString& name, const QString& ext);

// Identity of an existing file (following links); false when it does not exist.
bool FileIdOf(const QString& path, TFileId& id);

} // namespace hexsave
