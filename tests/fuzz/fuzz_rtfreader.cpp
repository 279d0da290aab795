// libFuzzer harness for the RTF reader: any bytes must give a text no longer
// than the input, without a crash, a hang or runaway memory. The same bytes
// taken as a Windows-1250 text must come back unchanged through the writer
// and the reader.
#include "appcore/rtfreader.h"
#include "appcore/rtfwriter.h"
#include "base/cp1250.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = rtf::ToText(bytes);
    if (text.size() > bytes.size()) std::abort();
    (void)rtf::LooksLikeRtf(bytes);

    // The editor's text never holds a lone CR or LF: its breaks are CR LF.
    QString plain = cp1250::Decode(bytes);
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    plain.replace(u'\r', u'\n');
    plain.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    const QString back = rtf::ToText(TRtfWriter::Document(plain, TRtfFont{}));
    if (back != plain) std::abort();
    return 0;
}
