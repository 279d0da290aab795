#include "hextextfile.h"

#include "hexmodel.h"
#include "hextext.h"

#include <QSaveFile>
#include <vector>

namespace {
constexpr int32_t kBlock = 1 << 20;
}

bool ExportHexTextFile(const THexModel& model, const QString& path) {
    QSaveFile out(path);
    out.setDirectWriteFallback(true);
    if (!out.open(QIODevice::WriteOnly))
        return false;
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
