#include "base/directcopy.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace fileio {

namespace {

// Direct I/O wants offsets, lengths and buffers on this boundary; a device
// that wants more answers EINVAL and the copy goes the buffered way.
constexpr int64_t kAlign = 4096;
// One large write keeps the device's queue full; the kernel splits it.
constexpr int64_t kChunk = 256 << 20;

struct TRange {
    int64_t at, end;
};

// The data of src as aligned ranges below alignedEnd, holes left out.
std::vector<TRange> DataRanges(int src, int64_t alignedEnd) {
    std::vector<TRange> ranges;
    int64_t pos = 0;
    while (pos < alignedEnd) {
        off_t data = ::lseek(src, pos, SEEK_DATA);
        if (data < 0) {
            if (errno == ENXIO) break;           // a hole up to the end
            ranges.push_back({pos, alignedEnd}); // no hole lookup: all of it is data
            break;
        }
        if (data >= alignedEnd) break;
        off_t hole = ::lseek(src, data, SEEK_HOLE);
        if (hole < 0 || hole > alignedEnd) hole = alignedEnd;
        const int64_t at = data / kAlign * kAlign;
        const int64_t end = std::min(alignedEnd, (int64_t(hole) + kAlign - 1) / kAlign * kAlign);
        if (!ranges.empty() && at <= ranges.back().end)
            ranges.back().end = std::max(ranges.back().end, end);
        else
            ranges.push_back({at, end});
        pos = end;
    }
    return ranges;
}

// 0 when done, else the errno of the first failure.
int WriteAll(int fd, const char* from, int64_t count, int64_t offset) {
    while (count > 0) {
        const ssize_t n = ::pwrite(fd, from, size_t(std::min(count, kChunk)), offset);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;
        from += n;
        count -= n;
        offset += n;
    }
    return 0;
}

class TMapping {
public:
    TMapping(int fd, int64_t size) : size_(size) {
        void* p = ::mmap(nullptr, size_t(size), PROT_READ, MAP_SHARED, fd, 0);
        base_ = p == MAP_FAILED ? nullptr : static_cast<const char*>(p);
    }
    ~TMapping() {
        if (base_) ::munmap(const_cast<char*>(base_), size_t(size_));
    }
    TMapping(const TMapping&) = delete;
    TMapping& operator=(const TMapping&) = delete;
    const char* Base() const { return base_; }

private:
    const char* base_ = nullptr;
    int64_t size_;
};

class TFlagsRestorer {
public:
    TFlagsRestorer(int fd, int flags) : fd_(fd), flags_(flags) {}
    ~TFlagsRestorer() { ::fcntl(fd_, F_SETFL, flags_); }

private:
    int fd_, flags_;
};

} // namespace

TDirectCopy CopyDirect(int src, int dst, int64_t size) {
    if (size <= 0) return TDirectCopy::Done;
    const int flags = ::fcntl(dst, F_GETFL);
    if (flags < 0 || ::fcntl(dst, F_SETFL, flags | O_DIRECT) != 0) return TDirectCopy::Unsupported;
    TFlagsRestorer restore(dst, flags);
    // The mapping is only ever handed to the kernel, never read here: a page
    // that cannot be read fails the write (EFAULT) instead of raising SIGBUS.
    const TMapping map(src, size);
    if (!map.Base()) return TDirectCopy::Unsupported;

    const int64_t alignedEnd = size / kAlign * kAlign;
    for (const TRange& r : DataRanges(src, alignedEnd)) {
        const int error = WriteAll(dst, map.Base() + r.at, r.end - r.at, r.at);
        if (error == EINVAL) return TDirectCopy::Unsupported;
        if (error != 0) return TDirectCopy::Failed;
    }

    // The last, partial block goes through the page cache.
    if (alignedEnd < size) {
        if (::fcntl(dst, F_SETFL, flags) != 0) return TDirectCopy::Failed;
        if (WriteAll(dst, map.Base() + alignedEnd, size - alignedEnd, alignedEnd) != 0)
            return TDirectCopy::Failed;
    }
    return TDirectCopy::Done;
}

} // namespace fileio
