#include "hexeditor/core/workfile.h"

#include "hexeditor/core/hexmodel.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

using namespace hexfile;

namespace {
int64_t g_blockSize = 4 << 20;
}

void TWorkFile::SetBlockSize(int64_t bytes) {
    g_blockSize = std::max<int64_t>(1, bytes);
}
int64_t TWorkFile::BlockSize() {
    return g_blockSize;
}

TWorkFile::~TWorkFile() {
    Remove();
}

void TWorkFile::Fail(const char* what) const {
    size_ = -1;
    throw EHexEditorError(what);
}

void TWorkFile::Ensure() {
    ++version_;
    if (fd_.Valid()) return;
    fd_ = CreateWorkFile(TempFolder(), path_);
    size_ = 0;
    if (!fd_.Valid()) Fail("Cannot create the working file");
}

void TWorkFile::Remove() {
    ++version_;
    if (!fd_.Valid()) return;
    ::unlink(Native(path_).constData());
    fd_.Close();
    size_ = -1;
}

bool TWorkFile::ReplaceWithCopyOf(int src, int64_t size) {
    ++version_;
    QString freshPath;
    TFd fresh = CreateWorkFile(TempFolder(), freshPath);
    if (!fresh.Valid()) return false;
    const QByteArray fresh8 = Native(freshPath);
    // The copy keeps holes of sparse sources, so the size is set first.
    if (::ftruncate(fresh.Get(), size) != 0 || !CopyRange(src, 0, fresh.Get(), 0, size, true) ||
        FileSize(fresh.Get()) != size) {
        ::unlink(fresh8.constData());
        return false;
    }
    // Keep the name fixed at construction when it is still free for us. The old
    // file is removed first: renaming over it would make the file system flush
    // the whole fresh copy to disk at once.
    const QByteArray old8 = Native(path_);
    const bool oldGone = fd_.Valid() && ::unlink(old8.constData()) == 0;
    if (oldGone && ::renameat2(AT_FDCWD, fresh8.constData(), AT_FDCWD, old8.constData(),
                               RENAME_NOREPLACE) == 0) {
        fd_ = std::move(fresh);
    } else {
        // Someone took the old name in between: keep the fresh one.
        if (oldGone)
            fd_.Close();
        else
            Remove();
        fd_ = std::move(fresh);
        path_ = freshPath;
    }
    size_ = size;
    return true;
}

int64_t TWorkFile::Size() const {
    if (!fd_.Valid()) return 0;
    if (size_ < 0) size_ = std::max<int64_t>(0, FileSize(fd_.Get()));
    return size_;
}

void TWorkFile::Resize(int64_t size) {
    ++version_;
    if (!fd_.Valid()) Ensure();
    if (size > Size() && !Reserve(fd_.Get(), Size(), size - Size()))
        Fail("Not enough disk space for the working file");
    if (::ftruncate(fd_.Get(), size) != 0) Fail("Working file: write error");
    size_ = size;
}

void TWorkFile::Read(int64_t pos, void* buffer, int64_t count) const {
    if (count <= 0) return;
    if (!fd_.Valid() || !ReadAt(fd_.Get(), buffer, count, pos)) Fail("Working file: read error");
}

void TWorkFile::Write(int64_t pos, const void* buffer, int64_t count) {
    ++version_;
    if (count <= 0) return;
    if (!fd_.Valid()) Ensure();
    if (!WriteAt(fd_.Get(), buffer, count, pos)) Fail("Working file: write error");
    if (size_ >= 0 && pos + count > size_) size_ = pos + count;
}

void TWorkFile::CopyIn(int src, int64_t srcOffset, int64_t pos, int64_t count) {
    ++version_;
    if (count <= 0) return;
    Ensure();
    if (!CopyRange(src, srcOffset, fd_.Get(), pos, count)) Fail("Working file: write error");
    if (size_ >= 0 && pos + count > size_) size_ = pos + count;
}

void TWorkFile::CopyOut(int64_t pos, int64_t count, int dst, int64_t dstOffset) const {
    if (count <= 0) return;
    if (!fd_.Valid() || !CopyRange(fd_.Get(), pos, dst, dstOffset, count))
        Fail("Working file: read error");
}

void TWorkFile::OpenGap(int64_t pos, int64_t count) {
    ++version_;
    if (count <= 0) return;
    const int64_t s = Size();
    Resize(s + count);
    if (pos >= s) return;
    if (count >= (1 << 20)) {
        // Source and target blocks cannot overlap: let the kernel move them.
        const int64_t step = std::min<int64_t>(count, 64 << 20);
        for (int64_t hi = s; hi > pos;) {
            const int64_t lo = std::max(pos, hi - step);
            if (!CopyRange(fd_.Get(), lo, fd_.Get(), lo + count, hi - lo))
                Fail("Working file: write error");
            hi = lo;
        }
        return;
    }
    std::vector<char> block(size_t(std::min(g_blockSize, s - pos)));
    for (int64_t hi = s; hi > pos;) {
        const int64_t lo = std::max(pos, hi - int64_t(block.size()));
        Read(lo, block.data(), hi - lo);
        Write(lo + count, block.data(), hi - lo);
        hi = lo;
    }
}

void TWorkFile::CloseGap(int64_t start, int64_t end) {
    ++version_;
    const int64_t s = Size();
    end = std::min(end, s);
    if (end <= start) return;
    const int64_t shift = end - start;
    if (end < s) {
        if (shift >= (1 << 20)) {
            const int64_t step = std::min<int64_t>(shift, 64 << 20);
            for (int64_t src = end; src < s; src += step) {
                const int64_t n = std::min(step, s - src);
                if (!CopyRange(fd_.Get(), src, fd_.Get(), src - shift, n))
                    Fail("Working file: write error");
            }
        } else {
            std::vector<char> block(size_t(std::min(g_blockSize, s - end)));
            for (int64_t src = end; src < s;) {
                const int64_t n = std::min(int64_t(block.size()), s - src);
                Read(src, block.data(), n);
                Write(src - shift, block.data(), n);
                src += n;
            }
        }
    }
    Resize(s - shift);
}

void TWorkFile::ShiftRightNibble(int64_t pos) {
    ++version_;
    const int64_t s = Size();
    Resize(s + 1);
    std::vector<uint8_t> block(size_t(std::max<int64_t>(1, std::min(g_blockSize, s - pos))));
    uint8_t carry = 0;
    for (int64_t at = pos; at < s;) {
        const int64_t n = std::min(int64_t(block.size()), s - at);
        Read(at, block.data(), n);
        for (int64_t i = 0; i < n; ++i) {
            const uint8_t b = block[size_t(i)];
            block[size_t(i)] = uint8_t((carry << 4) | (b >> 4));
            carry = b & 0x0F;
        }
        Write(at, block.data(), n);
        at += n;
    }
    const uint8_t last = uint8_t(carry << 4);
    Write(s, &last, 1);
}

void TWorkFile::ShiftLeftNibble(int64_t pos) {
    ++version_;
    const int64_t s = Size();
    if (pos >= s) return;
    std::vector<uint8_t> block(size_t(std::min(g_blockSize, s - pos)) + 1);
    for (int64_t at = pos; at < s;) {
        const int64_t n = std::min(int64_t(block.size()) - 1, s - at);
        // One byte of look-ahead: each byte takes its successor's high nibble.
        const int64_t readable = std::min(n + 1, s - at);
        Read(at, block.data(), readable);
        if (readable == n) block[size_t(n)] = 0;
        for (int64_t i = 0; i < n; ++i)
            block[size_t(i)] = uint8_t((block[size_t(i)] << 4) | (block[size_t(i + 1)] >> 4));
        Write(at, block.data(), n);
        at += n;
    }
}
