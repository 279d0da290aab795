#pragma once
// Helpers for tests of failing writes: a forked child that may shrink its own
// limits or drop its privileges, a folder other users can reach, a small
// file system that really fills up.
#include <QDir>
#include <QFile>
#include <QString>
#include <functional>
#include <grp.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testproc {

constexpr uid_t kNobody = 65534;

// Runs body in a forked child and returns its exit code (-1 when it died).
// The child leaves with _exit, so nothing of the parent is torn down twice.
inline int RunInChild(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        int code = 99;
        try {
            code = body();
        } catch (...) {
            code = 98;
        }
        ::_exit(code);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// Whether this process may become another user (a child can then drop to nobody).
inline bool CanBecomeNobody() {
    return ::geteuid() == 0;
}

// In a child: become the unprivileged user "nobody".
inline bool BecomeNobody() {
    return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 &&
           ::geteuid() == kNobody;
}

// In a child: files may grow to at most bytes; writes beyond fail with EFBIG
// instead of killing the process.
inline bool LimitFileSize(rlim_t bytes) {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit lim{bytes, bytes};
    return ::setrlimit(RLIMIT_FSIZE, &lim) == 0;
}

// A folder under /tmp that another user can reach (the scratch folder is
// private to root), removed by the destructor.
class SharedFolder {
public:
    explicit SharedFolder(mode_t mode = 0755) {
        char templ[] = "/tmp/vorbix-shared-XXXXXX";
        path_ = QString::fromLocal8Bit(::mkdtemp(templ));
        ::chmod(templ, mode);
    }
    ~SharedFolder() { QDir(path_).removeRecursively(); }
    SharedFolder(const SharedFolder&) = delete;
    SharedFolder& operator=(const SharedFolder&) = delete;
    QString Path(const QString& name) const { return path_ + "/" + name; }
    const QString& Root() const { return path_; }

private:
    QString path_;
};

// A tmpfs of the given size mounted on a fresh folder, where the machine lets
// this process mount one; Mounted() tells. Unmounted by the destructor.
class SmallDisk {
public:
    explicit SmallDisk(int kib) {
        char templ[] = "/tmp/vorbix-disk-XXXXXX";
        if (!::mkdtemp(templ)) return;
        path_ = QString::fromLocal8Bit(templ);
        const QByteArray options = "size=" + QByteArray::number(kib) + "k,mode=0777";
        mounted_ = ::mount("tmpfs", templ, "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) == 0;
    }
    ~SmallDisk() {
        if (path_.isEmpty()) return;
        if (mounted_) ::umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
        ::rmdir(QFile::encodeName(path_).constData());
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool Mounted() const { return mounted_; }
    QString Path(const QString& name) const { return path_ + "/" + name; }
    const QString& Root() const { return path_; }

    // Fills the disk up to leave about kib KiB free.
    bool LeaveFree(int kib) const {
        QFile filler(Path("filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
        const QByteArray block(4096, 'F');
        for (;;) {
            struct statvfs vfs {};
            if (::statvfs(QFile::encodeName(path_).constData(), &vfs) != 0) return false;
            const int64_t free = int64_t(vfs.f_bavail) * int64_t(vfs.f_frsize);
            if (free <= int64_t(kib) * 1024) return true;
            if (filler.write(block) != block.size() || !filler.flush()) return true;
        }
    }

private:
    QString path_;
    bool mounted_ = false;
};

inline struct stat StatOf(const QString& path) {
    struct stat st {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st;
}

} // namespace testproc
