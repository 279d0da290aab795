#pragma once
// The working file: the document's bytes in a private temporary file, edited
// in place. Tails move in bounded blocks, so an insertion or deletion near the
// start of a 2 GiB document needs only a few MiB of memory.
#include "hexeditor/core/fileops.h"

#include <QString>
#include <cstdint>

class TWorkFile {
public:
    TWorkFile() = default;
    ~TWorkFile();
    TWorkFile(const TWorkFile&) = delete;
    TWorkFile& operator=(const TWorkFile&) = delete;

    // Creates the file exclusively in the temporary folder (no-op when open).
    // Throws EHexEditorError when no file can be made.
    void Ensure();
    bool IsOpen() const { return fd_.Valid(); }
    int Fd() const { return fd_.Get(); }
    const QString& Path() const { return path_; }
    // Deletes the file (used by the destructor).
    void Remove();

    // Makes a fresh exclusive file next to the current one and fills it with
    // size bytes from src; the current file is untouched. On success the new
    // file takes the place (and, when possible, the name) of the old one.
    bool ReplaceWithCopyOf(int src, int64_t size);

    int64_t Size() const; // cached
    // Counts every call that may change the bytes or the size.
    uint64_t Version() const { return version_; }
    void ForgetSize() const { size_ = -1; }
    void Resize(int64_t size);

    void Read(int64_t pos, void* buffer, int64_t count) const;
    void Write(int64_t pos, const void* buffer, int64_t count);
    // Copies count bytes of another file into [pos, pos + count).
    void CopyIn(int src, int64_t srcOffset, int64_t pos, int64_t count);
    // Copies [pos, pos + count) of this file to dst at dstOffset.
    void CopyOut(int64_t pos, int64_t count, int dst, int64_t dstOffset) const;

    // Inserts count undefined bytes before pos (the tail moves up).
    void OpenGap(int64_t pos, int64_t count);
    // Removes [start, end) (the tail moves down).
    void CloseGap(int64_t start, int64_t end);
    // Shifts the data from pos to the end right by one nibble into one more
    // byte (a zero nibble enters at pos's high half).
    void ShiftRightNibble(int64_t pos);
    // Shifts the data from pos to the end left by one nibble, size unchanged
    // (pos's high nibble is lost, a zero nibble enters at the end).
    void ShiftLeftNibble(int64_t pos);

    // Block size of the moves; tests make it small to cross block edges.
    static void SetBlockSize(int64_t bytes);
    static int64_t BlockSize();

private:
    void Fail(const char* what) const;

    hexfile::TFd fd_;
    QString path_;
    mutable int64_t size_ = -1;
    uint64_t version_ = 0;
};
