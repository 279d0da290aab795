#include "appcore/rtfwriter.h"

#include "base/cp1250.h"

#include <cmath>
#include <utility>

namespace {
constexpr qsizetype kBlockBytes = 64 * 1024;
// Lines of the file are kept short for tools that read RTF line by line; the
// line ends are not part of the text.
constexpr int kWrapColumn = 200;

const char kHex[] = "0123456789abcdef";
} // namespace

TRtfWriter::TRtfWriter(TRtfFont font, TSink sink) : font_(std::move(font)), sink_(std::move(sink)) {
    buffer_.reserve(kBlockBytes + 64);
}

void TRtfWriter::Put(const char* bytes) {
    const qsizetype n = qsizetype(std::strlen(bytes));
    buffer_.append(bytes, n);
    column_ += int(n);
}

void TRtfWriter::PutHex(uint8_t b) {
    const char s[4] = {'\\', '\'', kHex[b >> 4], kHex[b & 15]};
    buffer_.append(s, 4);
    column_ += 4;
}

bool TRtfWriter::Begin() {
    Put("{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1045{\\fonttbl{\\f0\\fnil\\fcharset238 ");
    // The font's name: the table ends an entry at ';', so it cannot be written.
    for (QChar c : font_.Family) {
        if (c == QLatin1Char(';')) continue;
        PutChar(c.unicode());
    }
    Put(";}}\r\n{\\*\\generator Vorbix 2;}\\viewkind4\\uc1\\pard\\plain\\f0");
    if (font_.PointSize > 0) {
        const long halfPoints = std::lround(std::min(font_.PointSize, 1600.0) * 2);
        Put(("\\fs" + QByteArray::number(qint64(std::max(1L, halfPoints)))).constData());
    }
    if (font_.Bold) Put("\\b");
    if (font_.Italic) Put("\\i");
    Put(" ");
    return Flush();
}

void TRtfWriter::PutChar(char16_t c) {
    if (c >= 0x20 && c < 0x7F) {
        if (c == '\\' || c == '{' || c == '}') {
            buffer_.append('\\');
            ++column_;
        }
        buffer_.append(char(c));
        ++column_;
        return;
    }
    if (c < 0x20 || c == 0x7F) { // control characters keep their byte
        PutHex(uint8_t(c));
        return;
    }
    // \uN takes a signed 16-bit number; the fallback is the Windows-1250 byte.
    char s[16];
    char* p = s + sizeof s;
    const int b = cp1250::FromUnicode(c);
    if (b >= 0) {
        *--p = kHex[b & 15];
        *--p = kHex[b >> 4];
        *--p = '\'';
        *--p = '\\';
    } else {
        *--p = '?';
    }
    int n = c > 0x7FFF ? 0x10000 - int(c) : int(c);
    do {
        *--p = char('0' + n % 10);
        n /= 10;
    } while (n > 0);
    if (c > 0x7FFF) *--p = '-';
    *--p = 'u';
    *--p = '\\';
    const int len = int(s + sizeof s - p);
    buffer_.append(p, len);
    column_ += len;
}

bool TRtfWriter::Text(QStringView text) {
    const QChar* p = text.data();
    const QChar* const end = p + text.size();
    while (p < end) {
        // A run of plain printable ASCII goes out in one piece.
        const QChar* run = p;
        while (run < end && run->unicode() >= 0x20 && run->unicode() < 0x7F &&
               run->unicode() != '\\' && run->unicode() != '{' && run->unicode() != '}' &&
               run - p < kWrapColumn - column_)
            ++run;
        if (run > p) {
            afterCr_ = false;
            const qsizetype n = run - p;
            const qsizetype at = buffer_.size();
            buffer_.resize(at + n);
            char* dst = buffer_.data() + at;
            for (const QChar* q = p; q < run; ++q)
                *dst++ = char(q->unicode());
            column_ += int(n);
            p = run;
        } else {
            const char16_t c = p->unicode();
            ++p;
            if (afterCr_) {
                afterCr_ = false;
                if (c == '\n') continue; // the LF of a CR LF
            }
            switch (c) {
            case '\r':
                afterCr_ = true;
                [[fallthrough]];
            case '\n':
            case 0x2028:
            case 0x2029:
                buffer_.append("\\par\r\n", 6);
                column_ = 0;
                break;
            case '\t':
                buffer_.append("\\tab ", 5);
                column_ += 5;
                break;
            default:
                PutChar(c);
            }
        }
        if (column_ >= kWrapColumn) {
            buffer_.append("\r\n", 2);
            column_ = 0;
        }
        if (buffer_.size() >= kBlockBytes && !Flush()) return false;
    }
    return !failed_;
}

bool TRtfWriter::End() {
    Put("\\par\r\n}\r\n");
    return Flush();
}

bool TRtfWriter::Flush() {
    if (failed_) return false;
    if (!buffer_.isEmpty()) {
        failed_ = !sink_(QByteArrayView(buffer_));
        buffer_.clear();
    }
    return !failed_;
}

QByteArray TRtfWriter::Document(QStringView text, const TRtfFont& font) {
    QByteArray out;
    TRtfWriter writer(font, [&out](QByteArrayView block) {
        out.append(block);
        return true;
    });
    writer.Begin();
    writer.Text(text);
    writer.End();
    return out;
}
