#include "appcore/rtfreader.h"

#include "base/cp1250.h"

#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace {
constexpr int kMaxStates = 1024;    // deeper groups share the deepest state kept
constexpr int kMaxWordLetters = 32; // longer control words are cut, as RTF allows
constexpr int kMaxUnicodeSkip = 16; // \ucN asks for fallbacks of at most this many
constexpr int kAnsi = 1252;

// Code page of a font's \fcharset; 0 for the document's own.
int CodePageOfCharset(int charset) {
    switch (charset) {
    case 2: // symbol fonts: their bytes are taken as they come
        return kAnsi;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0;
    }
}

QByteArray CodecName(int codePage) {
    switch (codePage) {
    case 10000:
        return "macintosh";
    case 65001:
        return "UTF-8";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 20866:
        return "KOI8-R";
    default:
        break;
    }
    if (codePage >= 28591 && codePage <= 28605)
        return "ISO-8859-" + QByteArray::number(codePage - 28590);
    if (codePage < 1000) return "IBM" + QByteArray::number(codePage);
    return "windows-" + QByteArray::number(codePage);
}

enum class Word {
    None,
    Skip, // a destination without text
    FontTable,
    Rtf,
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCpg,
    Deff,
    Font,
    Charset,
    Cpg,
    Plain,
    Uc,
    U,
    Bin,
    Par,  // a paragraph ends
    Line, // a line ends inside it
    Tab,
    Char, // one fixed character
    Nothing,
};

struct WordInfo {
    Word word;
    char16_t c = 0;
};

const QHash<QByteArray, WordInfo>& Words() {
    static const QHash<QByteArray, WordInfo> words = [] {
        QHash<QByteArray, WordInfo> w;
        for (const char* s : {"colortbl",     "stylesheet",
                              "info",         "pict",
                              "fldinst",      "header",
                              "headerl",      "headerr",
                              "headerf",      "footer",
                              "footerl",      "footerr",
                              "footerf",      "footnote",
                              "xe",           "tc",
                              "txe",          "rxe",
                              "bkmkstart",    "bkmkend",
                              "objdata",      "objclass",
                              "objname",      "datafield",
                              "themedata",    "colorschememapping",
                              "latentstyles", "datastore",
                              "listtable",    "listoverridetable",
                              "revtbl",       "rsidtbl",
                              "generator",    "userprops",
                              "docvar",       "xmlnstbl",
                              "nonshppict",   "shpinst",
                              "filetbl",      "private",
                              "template",     "pgdsctbl",
                              "annotation",   "atnid",
                              "atnauthor",    "comment",
                              "author",       "operator",
                              "title",        "subject",
                              "keywords",     "doccomm",
                              "company",      "category",
                              "manager"})
            w.insert(s, {Word::Skip});
        w.insert("fonttbl", {Word::FontTable});
        w.insert("rtf", {Word::Rtf});
        w.insert("ansi", {Word::Ansi});
        w.insert("mac", {Word::Mac});
        w.insert("pc", {Word::Pc});
        w.insert("pca", {Word::Pca});
        w.insert("ansicpg", {Word::AnsiCpg});
        w.insert("deff", {Word::Deff});
        w.insert("f", {Word::Font});
        w.insert("fcharset", {Word::Charset});
        w.insert("cpg", {Word::Cpg});
        w.insert("plain", {Word::Plain});
        w.insert("uc", {Word::Uc});
        w.insert("u", {Word::U});
        w.insert("bin", {Word::Bin});
        for (const char* s : {"par", "sect", "page", "row"})
            w.insert(s, {Word::Par});
        w.insert("line", {Word::Line});
        w.insert("tab", {Word::Tab});
        w.insert("cell", {Word::Tab});
        w.insert("nestcell", {Word::Tab});
        w.insert("emdash", {Word::Char, 0x2014});
        w.insert("endash", {Word::Char, 0x2013});
        w.insert("emspace", {Word::Char, ' '});
        w.insert("enspace", {Word::Char, ' '});
        w.insert("qmspace", {Word::Char, ' '});
        w.insert("bullet", {Word::Char, 0x2022});
        w.insert("lquote", {Word::Char, 0x2018});
        w.insert("rquote", {Word::Char, 0x2019});
        w.insert("ldblquote", {Word::Char, 0x201C});
        w.insert("rdblquote", {Word::Char, 0x201D});
        return w;
    }();
    return words;
}

struct State {
    int uc = 1;
    int font = -1;
    bool skip = false;
    bool fontTable = false;
};

class Reader {
public:
    explicit Reader(QByteArrayView in) : p_(in.data()), n_(in.size()) {
        out_.reserve(std::min<qsizetype>(n_, qsizetype(1) << 26));
        states_.reserve(64);
        states_.push_back(State{});
    }

    QString Run() {
        while (i_ < n_ && !done_) {
            const char c = p_[i_++];
            switch (c) {
            case '{':
                OpenGroup();
                break;
            case '}':
                CloseGroup();
                break;
            case '\\':
                Control();
                break;
            case '\r':
            case '\n':
                break;
            case '\t':
                Token([&] { Emit(u'\t'); });
                break;
            default:
                if (uint8_t(c) >= 0x20 || c == 0x1A || c == 0x0C) Token([&] { Byte(uint8_t(c)); });
            }
        }
        FlushBytes();
        if (endsWithParagraph_) out_.chop(2);
        return out_;
    }

private:
    State& Top() { return states_.back(); }

    void OpenGroup() {
        FlushBytes();
        skipCount_ = 0;
        ++depth_;
        if (int(states_.size()) < kMaxStates) states_.push_back(Top());
    }

    void CloseGroup() {
        FlushBytes();
        skipCount_ = 0;
        if (depth_ == 0) return; // a stray brace
        if (int(states_.size()) > depth_) states_.pop_back();
        --depth_;
        if (depth_ == 0 && seenRtf_) done_ = true; // the document's group has ended
    }

    // A token of the text: skipped when it is part of a \u fallback.
    template <class F> void Token(F&& f) {
        if (skipCount_ > 0) {
            --skipCount_;
            return;
        }
        if (!Top().skip && !Top().fontTable) f();
    }

    void Control() {
        if (i_ >= n_) return;
        const char c = p_[i_];
        if (!IsLetter(c)) {
            ++i_;
            Symbol(c);
            return;
        }
        char word[kMaxWordLetters + 1];
        int len = 0;
        while (i_ < n_ && IsLetter(p_[i_])) {
            if (len < kMaxWordLetters) word[len++] = p_[i_];
            ++i_;
        }
        word[len] = 0;
        bool hasParam = false, negative = false;
        long long param = 0;
        if (i_ < n_ && p_[i_] == '-' && i_ + 1 < n_ && IsDigit(p_[i_ + 1])) {
            negative = true;
            ++i_;
        }
        while (i_ < n_ && IsDigit(p_[i_])) {
            hasParam = true;
            if (param < 100000000000LL) param = param * 10 + (p_[i_] - '0');
            ++i_;
        }
        if (i_ < n_ && p_[i_] == ' ') ++i_;
        param = std::clamp(negative ? -param : param, -2147483648LL, 2147483647LL);
        Word_(QByteArray::fromRawData(word, len), hasParam, int(param));
    }

    void Symbol(char c) {
        switch (c) {
        case '\'': {
            int hi = i_ < n_ ? HexValue(p_[i_]) : -1;
            if (hi < 0) return Token([] {}); // truncated: nothing to read
            ++i_;
            int lo = i_ < n_ ? HexValue(p_[i_]) : -1;
            int b = hi;
            if (lo >= 0) {
                ++i_;
                b = hi * 16 + lo;
            }
            return Token([&] { Byte(uint8_t(b)); });
        }
        case '\\':
        case '{':
        case '}':
            return Token([&] { Emit(char16_t(c)); });
        case '~':
            return Token([&] { Emit(0x00A0); });
        case '_':
            return Token([&] { Emit(u'-'); });
        case '-': // an optional hyphen: shown only where a word processor breaks
            return Token([] {});
        case '*':
            Top().skip = true;
            return;
        case '\r':
        case '\n':
            return Token([&] { Paragraph(); });
        case '\t':
            return Token([&] { Emit(u'\t'); });
        default:
            return Token([] {});
        }
    }

    void Word_(const QByteArray& name, bool hasParam, int param) {
        const auto it = Words().constFind(name);
        const WordInfo info = it == Words().cend() ? WordInfo{Word::None} : *it;
        switch (info.word) {
        case Word::Skip:
            skipCount_ = 0;
            FlushBytes();
            Top().skip = true;
            return;
        case Word::FontTable:
            skipCount_ = 0;
            FlushBytes();
            Top().fontTable = true;
            return;
        case Word::Rtf:
            seenRtf_ = true;
            return;
        case Word::Ansi:
            documentCodePage_ = kAnsi;
            return;
        case Word::Mac:
            documentCodePage_ = 10000;
            return;
        case Word::Pc:
            documentCodePage_ = 437;
            return;
        case Word::Pca:
            documentCodePage_ = 850;
            return;
        case Word::AnsiCpg:
            if (hasParam && param > 0) documentCodePage_ = param;
            return;
        case Word::Deff:
            defaultFont_ = param;
            if (depth_ <= 1) Top().font = param;
            return;
        case Word::Font:
            if (Top().fontTable)
                tableFont_ = param;
            else
                SetFont(param);
            return;
        case Word::Charset:
            if (Top().fontTable) {
                const int cp = CodePageOfCharset(param);
                if (!fontCodePages_.contains(tableFont_) || fontCodePages_[tableFont_] == 0)
                    fontCodePages_[tableFont_] = cp;
            }
            return;
        case Word::Cpg:
            if (Top().fontTable && param > 0) fontCodePages_[tableFont_] = param;
            return;
        case Word::Plain:
            SetFont(defaultFont_);
            return;
        case Word::Uc:
            if (hasParam) Top().uc = std::clamp(param, 0, kMaxUnicodeSkip);
            return;
        case Word::U:
            return Token([&] {
                const int u = param < 0 ? param + 0x10000 : param;
                if (u > 0 && u <= 0xFFFF) Emit(char16_t(u));
                skipCount_ = Top().uc;
            });
        case Word::Bin: {
            const qsizetype skip = std::clamp<qsizetype>(param, 0, n_ - i_);
            i_ += skip;
            return Token([] {});
        }
        case Word::Par:
            return Token([&] { Paragraph(); });
        case Word::Line:
            return Token([&] {
                Emit(u'\r');
                Emit(u'\n');
            });
        case Word::Tab:
            return Token([&] { Emit(u'\t'); });
        case Word::Char:
            return Token([&] { Emit(info.c); });
        default:
            return Token([] {}); // formatting: nothing to read
        }
    }

    void SetFont(int font) {
        if (Top().font == font) return;
        FlushBytes();
        Top().font = font;
    }

    int CodePage() const {
        const int font = states_.back().font;
        const auto it = fontCodePages_.find(font);
        return it != fontCodePages_.end() && it->second != 0 ? it->second : documentCodePage_;
    }

    void Paragraph() {
        Emit(u'\r');
        Emit(u'\n');
        endsWithParagraph_ = true;
    }

    void Emit(char16_t c) {
        FlushBytes();
        out_.append(QChar(c));
        endsWithParagraph_ = false;
    }

    void Byte(uint8_t b) {
        const int cp = CodePage();
        if (cp == 1250) {
            Emit(b < 0x80 ? char16_t(b) : cp1250::ToUnicode(b));
            return;
        }
        if (!bytes_.isEmpty() && bytesCodePage_ != cp) FlushBytes();
        bytesCodePage_ = cp;
        bytes_.append(char(b));
    }

    void FlushBytes() {
        if (bytes_.isEmpty()) return;
        QStringDecoder& d = Decoder(bytesCodePage_);
        d.resetState();
        out_ += d.decode(bytes_);
        bytes_.clear();
        endsWithParagraph_ = false;
    }

    QStringDecoder& Decoder(int cp) {
        auto it = decoders_.find(cp);
        if (it == decoders_.end()) {
            auto d = std::make_unique<QStringDecoder>(CodecName(cp).constData(),
                                                      QStringConverter::Flag::Stateless);
            if (!d->isValid())
                d = std::make_unique<QStringDecoder>("windows-1252",
                                                     QStringConverter::Flag::Stateless);
            if (!d->isValid())
                d = std::make_unique<QStringDecoder>(QStringConverter::Latin1,
                                                     QStringConverter::Flag::Stateless);
            it = decoders_.emplace(cp, std::move(d)).first;
        }
        return *it->second;
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static int HexValue(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    const char* p_;
    qsizetype n_;
    qsizetype i_ = 0;
    QString out_;
    std::vector<State> states_;
    int depth_ = 0;
    bool seenRtf_ = false;
    bool done_ = false;
    int skipCount_ = 0;
    int documentCodePage_ = kAnsi;
    int defaultFont_ = -1;
    int tableFont_ = -1;
    std::map<int, int> fontCodePages_;
    QByteArray bytes_;
    int bytesCodePage_ = 0;
    std::map<int, std::unique_ptr<QStringDecoder>> decoders_;
    bool endsWithParagraph_ = false;
};
} // namespace

namespace rtf {

bool LooksLikeRtf(QByteArrayView bytes) {
    return bytes.startsWith("{\\rtf");
}

QString ToText(QByteArrayView rtf) {
    return Reader(rtf).Run();
}

} // namespace rtf
