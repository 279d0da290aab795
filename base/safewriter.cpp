#include "base/safewriter.h"

#include "base/directcopy.h"
#include "base/fileio.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

using fileio::Native;
using fileio::TFd;

namespace safewrite {

namespace {

bool Fail(int* error, int code) {
    if (error) *error = code ? code : EIO;
    return false;
}

// A write past the process's file-size limit must fail like a full disk
// instead of ending the program with the user's text unsaved.
void IgnoreFileSizeSignal() {
    static const bool once = [] {
        struct sigaction now {};
        if (::sigaction(SIGXFSZ, nullptr, &now) == 0 && now.sa_handler == SIG_DFL)
            ::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)once;
}

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

// What is known about the target before anything is written.
struct TTarget {
    QString real; // the path after following links
    bool exists = false;
    struct stat old {};
};

bool Inspect(const QString& target, TTarget& t, int* error) {
    if (target.isEmpty()) return Fail(error, ENOENT);
    t.real = ResolveLinks(target);
    const QByteArray real8 = Native(t.real);
    t.exists = ::stat(real8.constData(), &t.old) == 0;
    if (!t.exists) return errno == ENOENT || Fail(error, errno);
    if (!S_ISREG(t.old.st_mode)) return Fail(error, EISDIR);
    if (::access(real8.constData(), W_OK) != 0) return Fail(error, errno);
    return true;
}

// A new, empty, private file in folder.
TFd CreateSibling(const QString& folder, const QString& base, QString& path, int& err) {
    static std::mt19937 rng{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = folder + QStringLiteral("/.") + base +
               QStringLiteral(".%1.tmp").arg(rng() & 0xFFFFFF, 6, 16, QLatin1Char('0'));
        const int fd = ::open(Native(path).constData(),
                              O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) return TFd(fd);
        err = errno;
        if (err != EEXIST) break;
    }
    return TFd();
}

// An unnamed file in the temporary folder that holds a producer's content
// while its size is not yet known.
TFd CreateScratch(int& err) {
    QString folder = QDir::tempPath();
    if (folder.isEmpty()) folder = QStringLiteral("/tmp");
    const int fd = ::open(Native(folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0) return TFd(fd);
    QString path;
    TFd named = CreateSibling(folder, QStringLiteral("vorbix-scratch"), path, err);
    if (named.Valid()) ::unlink(Native(path).constData());
    return named;
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
        if (!fileio::CopyRange(src, at, dst, at, n, true)) return false;
        ::sync_file_range(dst, at, n, SYNC_FILE_RANGE_WRITE);
    }
    return true;
}

// Bytes that are going to be flushed anyway go straight to the disk when they
// are many; small files and file systems without direct I/O use the cache.
bool CopyToNewFile(int src, int dst, int64_t size) {
    constexpr int64_t kDirectFrom = 1 << 20;
    if (size >= kDirectFrom) {
        switch (fileio::CopyDirect(src, dst, size)) {
        case fileio::TDirectCopy::Done:
            return true;
        case fileio::TDirectCopy::Failed:
            return false;
        case fileio::TDirectCopy::Unsupported:
            if (::ftruncate(dst, 0) != 0) return false;
            break;
        }
    }
    return CopyStartingWriteback(src, dst, size);
}

// Writes [0, size) of src over the existing target without renaming, after
// making sure the data fit: the file-size limit and the room on the disk.
bool WriteInPlace(int src, int64_t size, const TTarget& t, TFileId* id, int* error) {
    if (!FitsFileSizeLimit(size)) return Fail(error, EFBIG);
    TFd fd(::open(Native(t.real).constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.Valid()) return Fail(error, errno);
    const int64_t have = int64_t(t.old.st_blocks) * 512;
    if (size > have) {
        struct statvfs vfs {};
        if (::fstatvfs(fd.Get(), &vfs) == 0 &&
            int64_t(vfs.f_bavail) * int64_t(vfs.f_frsize) < size - have)
            return Fail(error, ENOSPC);
        if (::fallocate(fd.Get(), FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP &&
            errno != ENOSYS)
            return Fail(error, errno);
    }
    if (!fileio::CopyRange(src, 0, fd.Get(), 0, size) || ::ftruncate(fd.Get(), size) != 0 ||
        ::fsync(fd.Get()) != 0)
        return Fail(error, errno);
    if (!fd.Close()) return Fail(error, errno);
    if (id) {
        id->dev = t.old.st_dev;
        id->ino = t.old.st_ino;
    }
    return true;
}

// The temporary file tmp holds the new content, size bytes: give it the old
// file's owner and mode, bring it to the disk and rename it over the target.
bool Commit(TFd tmp, const QString& tmpPath, int64_t size, const TTarget& t, TFileId* id,
            int* error) {
    const QByteArray tmp8 = Native(tmpPath);
    const auto fail = [&](int code) {
        tmp.Close();
        ::unlink(tmp8.constData());
        return Fail(error, code);
    };
    if (::ftruncate(tmp.Get(), size) != 0) return fail(errno);
    if (t.exists) {
        // Keep the owner where we may; a group we belong to is better than nothing.
        if (::fchown(tmp.Get(), t.old.st_uid, t.old.st_gid) != 0)
            (void)::fchown(tmp.Get(), uid_t(-1), t.old.st_gid);
    }
    if (::fchmod(tmp.Get(), t.exists ? (t.old.st_mode & 07777) : DefaultMode()) != 0)
        return fail(errno);
    if (::fsync(tmp.Get()) != 0) return fail(errno);
    struct stat st {};
    if (::fstat(tmp.Get(), &st) != 0) return fail(errno);
    if (st.st_size != size) return fail(EIO);
    if (!tmp.Close()) return fail(errno);
    if (::rename(tmp8.constData(), Native(t.real).constData()) != 0) {
        const int err = errno;
        // A folder that lets us create files but not replace this one (the
        // sticky bit): the reserved in-place write still keeps the file whole.
        if (t.exists && (err == EPERM || err == EACCES)) {
            TFd again(::open(tmp8.constData(), O_RDONLY | O_CLOEXEC));
            const bool ok = again.Valid() && WriteInPlace(again.Get(), size, t, id, error);
            ::unlink(tmp8.constData());
            return ok;
        }
        return fail(err);
    }
    SyncFolder(Folder(t.real));
    if (id) {
        id->dev = st.st_dev;
        id->ino = st.st_ino;
    }
    return true;
}

// Collects small blocks into large writes at increasing offsets of fd.
class TFileSink {
public:
    explicit TFileSink(int fd) : fd_(fd) { buffer_.reserve(kBuffer); }

    bool Put(QByteArrayView block) {
        if (failed_) return false;
        if (buffer_.size() + size_t(block.size()) > kBuffer && !Flush()) return false;
        if (size_t(block.size()) >= kBuffer) return Write(block.data(), block.size());
        buffer_.insert(buffer_.end(), block.begin(), block.end());
        return true;
    }

    bool Flush() {
        if (failed_) return false;
        const bool ok = Write(buffer_.data(), int64_t(buffer_.size()));
        buffer_.clear();
        return ok;
    }

    int64_t Size() const { return at_; }
    int Error() const { return error_; }
    bool Failed() const { return failed_; }

private:
    static constexpr size_t kBuffer = 1 << 20;

    bool Write(const char* data, int64_t n) {
        if (n > 0 && !fileio::WriteAt(fd_, data, n, at_)) {
            failed_ = true;
            error_ = errno ? errno : EIO;
            return false;
        }
        at_ += n;
        return true;
    }

    int fd_;
    std::vector<char> buffer_;
    int64_t at_ = 0;
    bool failed_ = false;
    int error_ = 0;
};

// Runs the producer into fd; the size written comes back in size.
bool Produce(const TProducer& produce, int fd, int64_t& size, int* error) {
    TFileSink sink(fd);
    const TSink put = [&sink](QByteArrayView block) { return sink.Put(block); };
    const bool produced = produce(put);
    if (sink.Failed()) return Fail(error, sink.Error());
    if (!produced) return Fail(error, ECANCELED);
    if (!sink.Flush()) return Fail(error, sink.Error());
    size = sink.Size();
    return true;
}

} // namespace

bool WriteBlocks(const QString& target, const TProducer& produce, int* error) {
    IgnoreFileSizeSignal();
    TTarget t;
    if (!Inspect(target, t, error)) return false;
    int err = 0;
    if (!t.exists || t.old.st_nlink <= 1) {
        QString tmpPath;
        TFd tmp = CreateSibling(Folder(t.real), BaseName(t.real), tmpPath, err);
        if (tmp.Valid()) {
            int64_t size = 0;
            bool produced = false;
            try {
                produced = Produce(produce, tmp.Get(), size, error);
            } catch (...) {
                // A producer that throws leaves no temporary file behind either.
                tmp.Close();
                ::unlink(Native(tmpPath).constData());
                throw;
            }
            if (!produced) {
                tmp.Close();
                ::unlink(Native(tmpPath).constData());
                return false;
            }
            return Commit(std::move(tmp), tmpPath, size, t, nullptr, error);
        }
        if (!t.exists) return Fail(error, err);
    }
    // Other hard links, or a folder we may not write: the content must be
    // whole, and its size known, before the first byte of the target changes.
    TFd scratch = CreateScratch(err);
    if (!scratch.Valid()) return Fail(error, err);
    int64_t size = 0;
    return Produce(produce, scratch.Get(), size, error) &&
           WriteInPlace(scratch.Get(), size, t, nullptr, error);
}

bool WriteBytes(const QString& target, QByteArrayView bytes, int* error) {
    return WriteBlocks(
        target, [bytes](const TSink& sink) { return sink(bytes); }, error);
}

bool WriteFileSafely(int src, int64_t size, const QString& target, TFileId* id, int* error) {
    IgnoreFileSizeSignal();
    if (size < 0) return Fail(error, EINVAL);
    TTarget t;
    if (!Inspect(target, t, error)) return false;
    if (!t.exists || t.old.st_nlink <= 1) {
        QString tmpPath;
        int err = 0;
        TFd tmp = CreateSibling(Folder(t.real), BaseName(t.real), tmpPath, err);
        if (tmp.Valid()) {
            // Holes of the source stay holes; Commit sets the size, so a trailing hole counts.
            if (!CopyToNewFile(src, tmp.Get(), size)) {
                const int copyErr = errno;
                tmp.Close();
                ::unlink(Native(tmpPath).constData());
                return Fail(error, copyErr);
            }
            return Commit(std::move(tmp), tmpPath, size, t, id, error);
        }
        if (!t.exists) return Fail(error, err);
    }
    // Other hard links, or a folder we may not write: rename would change what the user has.
    return WriteInPlace(src, size, t, id, error);
}

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
    const int64_t size = fileio::FileSize(src.Get());
    return size >= 0 && WriteFileSafely(src.Get(), size, backup);
}

bool FileIdOf(const QString& path, TFileId& id) {
    struct stat st {};
    if (::stat(Native(path).constData(), &st) != 0) return false;
    id.dev = st.st_dev;
    id.ino = st.st_ino;
    return true;
}

} // namespace safewrite
