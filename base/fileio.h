#pragma once
// Small POSIX file helpers shared by everything that reads or writes files:
// a descriptor that closes itself, loops that survive short reads and writes,
// whole-range copies through the kernel. File offsets are always 64-bit.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <sys/types.h>

namespace fileio {

// An open descriptor that closes itself.
class TFd {
public:
    TFd() = default;
    explicit TFd(int fd) : fd_(fd) {}
    TFd(TFd&& o) noexcept : fd_(o.Release()) {}
    TFd& operator=(TFd&& o) noexcept;
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    ~TFd() { Close(); }

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    int Release();
    bool Close(); // false when close() reported an error

private:
    int fd_ = -1;
};

// Full reads and writes at a 64-bit offset; false on any error or early end
// (errno tells why; EIO for an early end).
bool ReadAt(int fd, void* buffer, int64_t count, int64_t offset);
bool WriteAt(int fd, const void* buffer, int64_t count, int64_t offset);

// Copies count bytes from src at srcOffset to dst at dstOffset through the
// kernel (copy_file_range), falling back to a bounded buffer. Holes in src are
// skipped (dst keeps a hole there when it had none written) when skipHoles is set;
// callers that use it must size dst themselves.
bool CopyRange(int src, int64_t srcOffset, int dst, int64_t dstOffset, int64_t count,
               bool skipHoles = false);

// Size of an open file, or -1.
int64_t FileSize(int fd);

// Reserves disk blocks for [offset, offset + count) without changing the size.
// True when reserved or when the file system cannot reserve (nothing to learn).
bool Reserve(int fd, int64_t offset, int64_t count);

QByteArray Native(const QString& path);

} // namespace fileio
