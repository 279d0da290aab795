#include "base/fileio.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fileio {

TFd& TFd::operator=(TFd&& o) noexcept {
    if (this != &o) {
        Close();
        fd_ = o.Release();
    }
    return *this;
}

int TFd::Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

bool TFd::Close() {
    if (fd_ < 0) return true;
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0;
}

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

// Repeats a positioned read or write until all of count is done; an early end
// is an error (EIO).
template <class Byte, class Transfer>
static bool TransferAll(Byte* p, int64_t count, int64_t offset, Transfer transfer) {
    while (count > 0) {
        const ssize_t n = transfer(p, size_t(std::min<int64_t>(count, 1 << 30)), offset);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = EIO;
        if (n <= 0) return false;
        p += n;
        count -= n;
        offset += n;
    }
    return true;
}

bool ReadAt(int fd, void* buffer, int64_t count, int64_t offset) {
    return TransferAll(static_cast<char*>(buffer), count, offset,
                       [fd](char* p, size_t n, int64_t at) { return ::pread(fd, p, n, at); });
}

bool WriteAt(int fd, const void* buffer, int64_t count, int64_t offset) {
    return TransferAll(
        static_cast<const char*>(buffer), count, offset,
        [fd](const char* p, size_t n, int64_t at) { return ::pwrite(fd, p, n, at); });
}

static bool CopyBuffered(int src, int64_t srcOffset, int dst, int64_t dstOffset, int64_t count) {
    std::vector<char> block(size_t(std::min<int64_t>(count, 4 << 20)));
    while (count > 0) {
        const int64_t n = std::min<int64_t>(count, int64_t(block.size()));
        if (!ReadAt(src, block.data(), n, srcOffset) || !WriteAt(dst, block.data(), n, dstOffset))
            return false;
        srcOffset += n;
        dstOffset += n;
        count -= n;
    }
    return true;
}

static bool CopyDense(int src, int64_t srcOffset, int dst, int64_t dstOffset, int64_t count) {
    while (count > 0) {
        loff_t in = srcOffset, out = dstOffset;
        const ssize_t n =
            ::copy_file_range(src, &in, dst, &out, size_t(std::min<int64_t>(count, 1 << 30)), 0);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP ||
                      errno == EBADF || errno == ETXTBSY))
            return CopyBuffered(src, srcOffset, dst, dstOffset, count);
        if (n <= 0) return false;
        srcOffset += n;
        dstOffset += n;
        count -= n;
    }
    return true;
}

bool CopyRange(int src, int64_t srcOffset, int dst, int64_t dstOffset, int64_t count,
               bool skipHoles) {
    if (count <= 0) return true;
    if (!skipHoles) return CopyDense(src, srcOffset, dst, dstOffset, count);
    const int64_t end = srcOffset + count;
    int64_t pos = srcOffset;
    while (pos < end) {
        off_t data = ::lseek(src, pos, SEEK_DATA);
        if (data < 0) {
            if (errno == ENXIO) return true; // only a hole remains
            return CopyDense(src, pos, dst, dstOffset + (pos - srcOffset), end - pos);
        }
        if (data >= end) return true;
        off_t hole = ::lseek(src, data, SEEK_HOLE);
        if (hole < 0 || hole > end) hole = end;
        if (!CopyDense(src, data, dst, dstOffset + (data - srcOffset), hole - data)) return false;
        pos = hole;
    }
    return true;
}

int64_t FileSize(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return -1;
    return st.st_size;
}

bool Reserve(int fd, int64_t offset, int64_t count) {
    if (count <= 0) return true;
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, offset, count) == 0) return true;
    return errno == EOPNOTSUPP || errno == ENOSYS || errno == EINTR;
}

} // namespace fileio
