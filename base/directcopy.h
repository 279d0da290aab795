#pragma once
// Copying a document's bytes to a new file without passing them through the
// page cache: the source is mapped and the destination written with direct
// I/O in large writes. A save must reach the disk before it replaces
// the user's file; written this way the bytes go there once, with no copy in
// memory and no dirty pages for the kernel to flush afterwards.
#include <cstdint>

namespace fileio {

enum class TDirectCopy {
    Done,
    Unsupported, // the file system refused direct I/O: copy some other way
    Failed,      // a read or write failed (no room, file size limit, I/O error)
};

// Writes [0, size) of src to the empty file dst at the same offsets. Holes of
// src stay holes; dst's size is left to the caller. After Unsupported, dst
// may hold some of the bytes. dst keeps its open flags.
TDirectCopy CopyDirect(int src, int dst, int64_t size);

} // namespace fileio
