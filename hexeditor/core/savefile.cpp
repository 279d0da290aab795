#include "hexeditor/core/savefile.h"

#include "hexeditor/core/directcopy.h"
#include "hexeditor/core/fileops.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

using hexfile::Native;
using hexfile::TFd;

namespace hexsave {

namespace {

QString Folder(const QString& path) {
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) return QStringLiteral(".");
    if (slash == 0) return QStringLiteral("/");
    return path.left(slash);
}

QString BaseName(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

mode_t DefaultMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A new, empty, private file in folder; EACCES-like errors come back in err.
TFd CreateSibling(const QString& folder, const QString& base, QString& path, int& err) {
    static std::mt19937 rng{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = folder + QStringLiteral("/.") + base +
               QStringLiteral(".%1.tmp").arg(rng() & 0xFFFFFF, 6, 16, QLatin1Char('0'));
        const int fd = ::open(Native(path).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) return TFd(fd);
        err = errno;
        if (err != EEXIST) break;
    }
    return TFd();
}

bool FitsFileSizeLimit(int64_t size) {
    rlimit lim{};
    if (::getrlimit(RLIMIT_FSIZE, &lim) != 0 || lim.rlim_cur == RLIM_INFINITY) return true;
    return uint64_t(size) <= uint64_t(lim.rlim_cur);
}

void SyncFolder(const QString& folder) {
    const int fd = ::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Copies in slices and starts writing each slice to disk while the next one is
// copied, so that the final flush has little left to wait for.
bool CopyStartingWriteback(int src, int dst, int64_t size) {
    constexpr int64_t kSlice = 16 << 20;
    for (int64_t at = 0; at < size; at += kSlice) {
        const int64_t n = std::min(kSlice, size - at);
        if (!hexfile::CopyRange(src, at, dst, at, n, true)) return false;
        ::sync_file_range(dst, at, n, SYNC_FILE_RANGE_WRITE);
    }
    return true;
}

// Bytes that are going to be flushed anyway go straight to the disk when they
// are many; small files and file systems without direct I/O use the cache.
bool CopyToNewFile(int src, int dst, int64_t size) {
    constexpr int64_t kDirectFrom = 1 << 20;
    if (size >= kDirectFrom) {
        switch (hexfile::CopyDirect(src, dst, size)) {
        case hexfile::TDirectCopy::Done: return true;
        case hexfile::TDirectCopy::Failed: return false;
        case hexfile::TDirectCopy::Unsupported:
            if (::ftruncate(dst, 0) != 0) return false;
            break;
        }
    }
    return CopyStartingWriteback(src, dst, size);
}

bool WriteByRename(int src, int64_t size, const QString& target, const struct stat* old, TFd tmp,
                   const QString& tmpPath, TFileId* id) {
    const QByteArray tmp8 = Native(tmpPath);
    // Holes of the source stay holes; the size is set last so that a trailing hole counts.
    bool ok = CopyToNewFile(src, tmp.Get(), size) && ::ftruncate(tmp.Get(), size) == 0;
    if (ok && old) {
        // Keep the owner where we may; a group we belong to is better than nothing.
        if (::fchown(tmp.Get(), old->st_uid, old->st_gid) != 0)
            (void)::fchown(tmp.Get(), uid_t(-1), old->st_gid);
    }
    if (ok) ok = ::fchmod(tmp.Get(), old ? (old->st_mode & 07777) : DefaultMode()) == 0;
    if (ok) ok = ::fsync(tmp.Get()) == 0;
    struct stat st {};
    if (ok) ok = ::fstat(tmp.Get(), &st) == 0 && st.st_size == size;
    if (!tmp.Close()) ok = false;
    if (ok) ok = ::rename(tmp8.constData(), Native(target).constData()) == 0;
    if (!ok) {
        ::unlink(tmp8.constData());
        return false;
    }
    SyncFolder(Folder(target));
    if (id) {
        id->dev = st.st_dev;
        id->ino = st.st_ino;
    }
    return true;
}

bool WriteInPlace(int src, int64_t size, const QString& target, const struct stat& old,
                  TFileId* id) {
    if (!FitsFileSizeLimit(size)) return false;
    TFd fd(::open(Native(target).constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.Valid()) return false;
    // Make sure the data fit before the first byte of the user's file changes.
    const int64_t have = int64_t(old.st_blocks) * 512;
    if (size > have) {
        struct statvfs vfs {};
        if (::fstatvfs(fd.Get(), &vfs) == 0 &&
            int64_t(vfs.f_bavail) * int64_t(vfs.f_frsize) < size - have)
            return false;
        if (::fallocate(fd.Get(), FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP &&
            errno != ENOSYS)
            return false;
    }
    bool ok = hexfile::CopyRange(src, 0, fd.Get(), 0, size) && ::ftruncate(fd.Get(), size) == 0 &&
              ::fsync(fd.Get()) == 0;
    if (!fd.Close()) ok = false;
    if (ok && id) {
        id->dev = old.st_dev;
        id->ino = old.st_ino;
    }
    return ok;
}

} // namespace

QString ResolveLinks(const QString& path) {
    QString p = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (::lstat(Native(p).constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        QByteArray buf(4096, '\0');
        const ssize_t n = ::readlink(Native(p).constData(), buf.data(), size_t(buf.size()));
        if (n <= 0 || n >= buf.size()) return p;
        const QString link = QFile::decodeName(buf.left(n));
        p = link.startsWith(QLatin1Char('/')) ? link : Folder(p) + QLatin1Char('/') + link;
    }
    return p;
}

bool WriteFileSafely(int src, int64_t size, const QString& target, TFileId* id) {
    if (target.isEmpty() || size < 0) return false;
    const QString real = ResolveLinks(target);
    struct stat old {};
    const bool exists = ::stat(Native(real).constData(), &old) == 0;
    if (exists && (!S_ISREG(old.st_mode) || ::access(Native(real).constData(), W_OK) != 0))
        return false;
    if (!exists && errno != ENOENT) return false;
    if (!exists || old.st_nlink <= 1) {
        QString tmpPath;
        int err = 0;
        TFd tmp = CreateSibling(Folder(real), BaseName(real), tmpPath, err);
        if (tmp.Valid())
            return WriteByRename(src, size, real, exists ? &old : nullptr, std::move(tmp), tmpPath,
                                 id);
        if (!exists) return false;
    }
    // Other hard links, or a folder we may not write: rename would change what the user has.
    return WriteInPlace(src, size, real, old, id);
}

QString BackupName(const QString& name, const QString& ext) {
    const int slash = name.lastIndexOf(QLatin1Char('/'));
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > slash + 1) return name.left(dot) + ext;
    return name + ext;
}

bool MakeBackup(const QString& name, const QString& ext) {
    const QString backup = BackupName(name, ext);
    if (backup == name) return true;
    TFd src(::open(Native(name).constData(), O_RDONLY | O_CLOEXEC));
    if (!src.Valid()) return errno == ENOENT; // nothing there yet: nothing to keep
    const int64_t size = hexfile::FileSize(src.Get());
    return size >= 0 && WriteFileSafely(src.Get(), size, backup);
}

bool FileIdOf(const QString& path, TFileId& id) {
    struct stat st {};
    if (::stat(Native(path).constData(), &st) != 0) return false;
    id.dev = st.st_dev;
    id.ino = st.st_ino;
    return true;
}

} // namespace hexsave
