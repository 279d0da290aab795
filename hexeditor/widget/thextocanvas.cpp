#include "hexeditor/widget/thextocanvas.h"

#include "base/cp1250.h"
#include "hexeditor/widget/thexeditor.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>
#include <limits>

namespace {

// Data read for a page at a time, at least one line's worth.
constexpr int kBlockBytes = 64 * 1024;

// What each Windows-1250 byte draws as. Characters that draw nothing on the
// grid (control characters, the soft hyphen) print as blanks, so that one
// text output per line keeps every column in its place.
const std::array<char16_t, 256>& DrawnChars() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char16_t u = cp1250::ToUnicode(uint8_t(b));
            const bool blank = u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0xAD;
            t[size_t(b)] = blank ? u' ' : u;
        }
        return t;
    }();
    return table;
}

// Font sizes in points when the font has one, else in pixels.
int FontSize(const QFont& font) {
    return font.pointSize() > 0 ? font.pointSize() : font.pixelSize();
}
void SetFontSize(QFont& font, bool points, int size) {
    if (points)
        font.setPointSize(size);
    else
        font.setPixelSize(size);
}

} // namespace

THexToCanvas::THexToCanvas(QObject* owner) : QObject(owner), font_(QStringLiteral("Courier"), 12) {}

THexToCanvas::~THexToCanvas() = default;

THexEditor* THexToCanvas::HexEditor() const {
    return editor_.data();
}

void THexToCanvas::SetHexEditor(THexEditor* editor) {
    editor_ = editor; // cleared by Qt when the control is destroyed
}

void THexToCanvas::SetBytesPerColumn(int value) {
    if (value < 1) throw EHexEditorError("Invalid BytesPerColumn argument");
    format_.bytesPerColumn = value;
}

void THexToCanvas::AssignFromEditor() {
    if (!editor_) return;
    font_ = editor_->font();
    format_.bytesPerColumn = editor_->BytesPerColumn();
    format_.offsetSeparator = editor_->OffsetSeparator();
    format_.offsetDisplay = editor_->OffsetDisplay();
    format_.bytesPerLine = editor_->BytesPerLine();
    format_.swapNibbles = editor_->SwapNibbles();
    format_.memFieldDisplay = odHex;
    format_.memFieldSeparator = ' ';
    format_.displayCharField = true;
    format_.charFieldSeparator = 0;
}

TDisplayChars THexToCanvas::DisplayChars() const {
    TDisplayChars chars{};
    for (int b = 0; b < 256; ++b)
        chars[size_t(b)] = editor_->ByteToDisplayChar(uint8_t(b));
    return chars;
}

QString THexToCanvas::LineText(const TDisplayChars& chars, int64_t start, const uint8_t* bytes,
                               int present, std::string& scratch) const {
    scratch.clear();
    AppendDumpLine(format_, editor_->OffsetChars(), chars, start, bytes, present, scratch);
    const auto& drawn = DrawnChars();
    QString text(qsizetype(scratch.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : scratch)
        *out++ = QChar(drawn[uint8_t(c)]);
    return text;
}

QString THexToCanvas::FormatDumpLine(int32_t first, int32_t last) const {
    if (!editor_ || format_.bytesPerLine < 0) return {};
    last = std::min(last, editor_->DataSize() - 1);
    const int64_t wanted = std::min<int64_t>(format_.bytesPerLine, int64_t(last) - first + 1);
    const int present = first < 0 ? 0 : int(std::max<int64_t>(0, wanted));
    std::vector<uint8_t> bytes(static_cast<size_t>(present));
    if (present > 0) editor_->ReadBlock(bytes.data(), first, present);
    std::string scratch;
    return LineText(DisplayChars(), first, bytes.data(), present, scratch);
}

const uint8_t* THexToCanvas::Bytes(int64_t position, int count, int64_t end) {
    if (position < blockStart_ || position + count > blockStart_ + blockValid_) {
        const int64_t room = std::max<int64_t>(kBlockBytes, count);
        const int n = int(std::clamp<int64_t>(end - position + 1, count, room));
        if (block_.size() < size_t(n)) block_.resize(size_t(n));
        blockStart_ = position;
        blockValid_ = 0;
        editor_->ReadBlock(block_.data(), int32_t(position), n);
        blockValid_ = n;
    }
    return block_.data() + (position - blockStart_);
}

int32_t THexToCanvas::DrawPage(QPainter& canvas, int32_t first, int32_t last, const QString& header,
                               const QString& footer) {
    if (format_.bytesPerLine < 1) return -1;
    if (!editor_) return std::numeric_limits<int32_t>::max();
    const int32_t size = editor_->DataSize();
    if (last >= size) last = size - 1;
    if (last < first || first < 0) return -1;

    const int bpl = format_.bytesPerLine;
    const TDisplayChars chars = DisplayChars();
    // Reads stop at the page's last byte: first the first line, which sets the
    // font, then the lines that fit. The data may have changed since the last page.
    blockValid_ = 0;
    int64_t readEnd = std::min<int64_t>(last, int64_t(first) + bpl - 1);
    auto lineAt = [&](int64_t s) {
        const int present = int(std::min<int64_t>(bpl, int64_t(last) - s + 1));
        return LineText(chars, s, Bytes(s, present, readEnd), present, line_);
    };
    QString line = lineAt(first);

    const QFont kept = canvas.font();
    QFont font = font_;
    canvas.setFont(font);
    if (stretchToFit_ || shrinkToFit_) {
        const bool points = font.pointSize() > 0;
        const int start = FontSize(font);
        auto measure = [&](int z) {
            QFont f = font;
            SetFontSize(f, points, z);
            canvas.setFont(f);
            const QFontMetrics fm = canvas.fontMetrics();
            return TTextExtent{fm.horizontalAdvance(line), fm.height()};
        };
        const int fitted = FitDumpFontSize(start, stretchToFit_, shrinkToFit_, Right - Left,
                                           Bottom - Top, measure);
        if (fitted != start) SetFontSize(font, points, fitted);
        canvas.setFont(font);
    }
    const QFontMetrics fm = canvas.fontMetrics();
    const int step = DumpLineStep(fm.height());
    const int ascent = fm.ascent();
    auto draw = [&](const QString& text, int64_t y) {
        canvas.drawText(QPointF(Left, qreal(y + ascent)), text);
    };

    int64_t s = first;
    int64_t y = Top;
    if (!header.isEmpty()) {
        draw(header, y);
        y += step;
    }
    const int64_t limit = footer.isEmpty() ? int64_t(Bottom) : int64_t(Bottom) - step;
    bool forced = AtLeastOneLine && y + step > limit;
    const int64_t lines = std::max<int64_t>(
        forced ? 1 : 0, DumpLinesOnPage(Top, Bottom, step, !header.isEmpty(), !footer.isEmpty()));
    readEnd = std::min<int64_t>(last, int64_t(first) + lines * bpl - 1);
    // The first line is formatted already; the others only when they are drawn.
    for (bool formatted = true; y + step <= limit || forced; formatted = false) {
        forced = false;
        if (!formatted) line = lineAt(s);
        draw(line, y);
        s += bpl;
        if (s > last) {
            s = int64_t(last) + 1;
            break;
        }
        y += step;
    }
    if (!footer.isEmpty()) draw(footer, limit);

    canvas.setFont(kept);
    return int32_t(s);
}
