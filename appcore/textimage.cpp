#include "appcore/textimage.h"

#include "base/cp1250.h"

#include <QTextDocument>
#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_map>

namespace {
uint64_t HashOf(const uint8_t* p, qsizetype n) {
    uint64_t h = 1469598103934665603ull;
    for (qsizetype i = 0; i < n; ++i)
        h = (h ^ p[i]) * 1099511628211ull;
    return h;
}

const uint8_t* U(const QByteArray& a) {
    return reinterpret_cast<const uint8_t*>(a.constData());
}

bool AllWordCharacters(QByteArrayView text) {
    const auto& sep = WordSeparators();
    for (char c : text)
        if (sep[uint8_t(c)]) return false;
    return true;
}

int MemFind(const QByteArray& hay, int from, QByteArrayView needle) {
    if (from + needle.size() > hay.size()) return -1;
    const void* p = memmem(hay.constData() + from, size_t(hay.size() - from), needle.data(),
                           size_t(needle.size()));
    return p ? int(static_cast<const char*>(p) - hay.constData()) : -1;
}
} // namespace

TTextImage::TTextImage(QByteArray bytes) : bytes_(std::move(bytes)) {}

QByteArray TTextImage::BytesOf(const QTextDocument& document) {
    const QString raw = document.toRawText();
    const QChar* in = raw.constData();
    const qsizetype n = raw.size();
    qsizetype breaks = 0;
    for (qsizetype i = 0; i < n; ++i)
        breaks += in[i].unicode() == QChar::ParagraphSeparator;
    QByteArray out(n + breaks, Qt::Uninitialized);
    char* dst = out.data();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = in[i].unicode();
        if (u < 0x80) {
            *dst++ = char(u);
        } else if (u == QChar::ParagraphSeparator) {
            *dst++ = '\r';
            *dst++ = '\n';
        } else {
            const int b = cp1250::FromUnicode(u);
            *dst++ = char(b < 0 ? '?' : b);
        }
    }
    return out;
}

const QByteArray& TTextImage::Folded() {
    if (!hasFolded_) {
        const auto& map = UpperCaseMap();
        folded_ = QByteArray(bytes_.size(), Qt::Uninitialized);
        const uint8_t* in = U(bytes_);
        char* out = folded_.data();
        for (qsizetype i = 0; i < bytes_.size(); ++i)
            out[i] = char(map[in[i]]);
        hasFolded_ = true;
    }
    return folded_;
}

void TTextImage::BuildWordIndex() {
    const auto& sep = WordSeparators();
    const uint8_t* raw = U(bytes_);
    const uint8_t* up = U(Folded());
    const int n = Length();
    words_.clear();
    for (int i = 0; i < n;) {
        if (sep[raw[i]]) {
            ++i;
            continue;
        }
        const int start = i;
        while (i < n && !sep[raw[i]])
            ++i;
        words_.emplace_back(HashOf(up + start, i - start), start);
    }
    std::sort(words_.begin(), words_.end());
    indexed_ = true;
}

int TTextImage::Find(int selStart, int selLength, QByteArrayView text, TFindOptions options) {
    const qint64 n = text.size();
    const int length = Length();
    if (length <= 0 || n == 0) return -1;
    if (!(options & frDown)) // backwards is rare and scans only what lies before the caret
        return FindInBuffer(bytes_.constData(), length, selStart, selLength, text, options);
    const qint64 start = qint64(selStart) + selLength;
    if (start < 0 || length - start - n < 0) return -1;
    return FindForward(int(start), text, options);
}

int TTextImage::FindForward(int start, QByteArrayView text, TFindOptions options) {
    const bool matchCase = options & frMatchCase;
    const QByteArray mapped = MappedText(text, options);
    const QByteArray& hay = matchCase ? bytes_ : Folded();
    if (!(options & frWholeWord)) return MemFind(hay, start, mapped);

    if (AllWordCharacters(text)) {
        if (!indexed_ && ++wordScans_ > kScansBeforeIndex) BuildWordIndex();
        if (indexed_) return FindWord(start, MappedText(text, 0), text, options);
    }
    // Candidates where the text occurs, kept where the word-by-word walk of
    // FindInBuffer would compare: at a word start, or at the last position.
    const auto& sep = WordSeparators();
    const uint8_t* raw = U(bytes_);
    const int n = int(text.size());
    const int last = Length() - n;
    for (int from = start;;) {
        const int p = MemFind(hay, from, mapped);
        if (p < 0) return -1;
        if (IsWholeWordAt(raw, Length(), p, n) && (p == last || !sep[raw[p]])) return p;
        from = p + 1;
    }
}

int TTextImage::FindWord(int start, const QByteArray& folded, QByteArrayView text,
                         TFindOptions options) {
    const auto& sep = WordSeparators();
    const uint8_t* raw = U(bytes_);
    const uint8_t* up = U(folded_);
    const int n = int(folded.size());
    const uint64_t h = HashOf(U(folded), n);
    auto it = std::lower_bound(words_.begin(), words_.end(), std::make_pair(h, start));
    for (; it != words_.end() && it->first == h; ++it) {
        const int p = it->second;
        if (p + n > Length() || (p + n < Length() && !sep[raw[p + n]])) continue;
        if (std::memcmp(up + p, folded.constData(), size_t(n)) != 0) continue;
        if ((options & frMatchCase) && std::memcmp(raw + p, text.data(), size_t(n)) != 0) continue;
        return p;
    }
    return -1;
}

// ---- The image of a document -------------------------------------------------------------

namespace {
struct Cached {
    std::unique_ptr<TTextImage> image;
    int revision = -1;
    int characters = -1;
    int blocks = -1;
};

std::unordered_map<const QTextDocument*, Cached>& Cache() {
    static std::unordered_map<const QTextDocument*, Cached> cache;
    return cache;
}
} // namespace

TTextImage& DocumentImage(QTextDocument* document) {
    auto& cache = Cache();
    auto found = cache.find(document);
    if (found == cache.end()) {
        found = cache.emplace(document, Cached{}).first;
        QObject::connect(document, &QTextDocument::contentsChange, document,
                         [document](int, int, int) { Cache()[document].image.reset(); });
        QObject::connect(document, &QObject::destroyed, [document] { Cache().erase(document); });
    }
    Cached& c = found->second;
    // The revision and the counts catch changes whose notice an edit block still holds back.
    if (!c.image || c.revision != document->revision() ||
        c.characters != document->characterCount() || c.blocks != document->blockCount()) {
        c.image = std::make_unique<TTextImage>(TTextImage::BytesOf(*document));
        c.revision = document->revision();
        c.characters = document->characterCount();
        c.blocks = document->blockCount();
    }
    return *c.image;
}
