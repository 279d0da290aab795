#include "hexeditor/core/hextextfile.h"

#include "hexeditor/core/hexmodel.h"
#include "hexeditor/core/hextext.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>
#include <limits>
#include <vector>

namespace {
constexpr int32_t kBlock = 1 << 20;
}

bool ExportHexTextFile(const THexModel& model, const QString& path) {
    QSaveFile out(path);
    out.setDirectWriteFallback(true);
    if (!out.open(QIODevice::WriteOnly)) return false;
    const int32_t size = model.DataSize();
    const bool swap = model.SwapNibbles();
    std::vector<uint8_t> bytes(kBlock);
    std::vector<char> text(2 * size_t(kBlock) + 1);
    for (int32_t pos = 0; pos < size;) {
        const int32_t n = std::min(kBlock, size - pos);
        model.ReadBlock(bytes.data(), pos, n);
        BytesToHexText(bytes.data(), n, text.data(), swap);
        if (out.write(text.data(), 2 * qint64(n)) != 2 * qint64(n)) {
            out.cancelWriting();
            return false;
        }
        pos += n;
    }
    return out.commit();
}

bool ImportHexTextFile(THexModel& model, const QString& path) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QTemporaryFile scratch;
    if (!scratch.open()) return false;
    HexTextDecoder decoder(model.SwapNibbles());
    std::vector<char> text(kBlock);
    std::vector<uint8_t> bytes(kBlock / 2 + 1);
    int64_t total = 0;
    for (;;) {
        const qint64 got = in.read(text.data(), kBlock);
        if (got < 0) return false;
        if (got == 0) break;
        const int32_t n = decoder.Feed(text.data(), int32_t(got), bytes.data());
        if (scratch.write(reinterpret_cast<const char*>(bytes.data()), n) != n) return false;
        total += n;
        if (total > std::numeric_limits<int32_t>::max()) return false;
    }
    if (!in.atEnd() || !scratch.flush() || !scratch.seek(0)) return false;
    return model.ReplaceAllFromSource(int32_t(total), [&scratch](uint8_t* buffer, int32_t count) {
        return scratch.read(reinterpret_cast<char*>(buffer), count) == count;
    });
}
