#include "hexeditor/core/hextextfile.h"

#include "base/safewriter.h"
#include "hexeditor/core/hexmodel.h"
#include "hexeditor/core/hextext.h"

#include <QFile>
#include <QTemporaryFile>
#include <algorithm>
#include <limits>
#include <vector>

namespace {
constexpr int32_t kBlock = 1 << 20;
}

bool ExportHexTextFile(const THexModel& model, const QString& path) {
    const int32_t size = model.DataSize();
    const bool swap = model.SwapNibbles();
    return safewrite::WriteBlocks(path, [&](const safewrite::TSink& sink) {
        std::vector<uint8_t> bytes(size_t(std::min(kBlock, size)));
        std::vector<char> text(2 * bytes.size() + 1);
        for (int32_t pos = 0; pos < size;) {
            const int32_t n = std::min(kBlock, size - pos);
            model.ReadBlock(bytes.data(), pos, n);
            BytesToHexText(bytes.data(), n, text.data(), swap);
            if (!sink(QByteArrayView(text.data(), 2 * qsizetype(n)))) return false;
            pos += n;
        }
        return true;
    });
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
