// libFuzzer harness for the RTF reader: any bytes must give a text no longer
// than the input, without a crash, a hang or runaway memory.
#include "appcore/rtfreader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = rtf::ToText(bytes);
    if (text.size() > bytes.size()) std::abort();
    (void)rtf::LooksLikeRtf(bytes);
    return 0;
}
