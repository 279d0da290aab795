#include "appcore/inidocument.h"

#include "base/cp1250.h"

#include <QStringDecoder>

namespace ini {
namespace {

// A line's bytes as text: UTF-8 when they are valid UTF-8, else the 8-bit code page.
QString Decode(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    return cp1250::Decode(bytes);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView LeftTrimmed(QByteArrayView v) {
    qsizetype i = 0;
    while (i < v.size() && IsBlank(v[i]))
        ++i;
    return v.sliced(i);
}

bool SameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A value must stay on its line.
QString OneLine(const QString& value) {
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return v.trimmed();
}

} // namespace

TIniDocument::Line TIniDocument::Classify(QByteArray text, QByteArray eol) {
    Line line{std::move(text), std::move(eol), Kind::Other, {}};
    const QByteArrayView body = LeftTrimmed(line.text);
    if (body.startsWith('[')) {
        qsizetype close = body.indexOf(']');
        if (close < 0) close = body.size();
        line.kind = Kind::Section;
        line.name = Decode(body.sliced(1, close - 1)).trimmed();
        return line;
    }
    const qsizetype eq = body.indexOf('=');
    if (eq > 0) {
        const QString key = Decode(body.first(eq)).trimmed();
        if (!key.isEmpty()) {
            line.kind = Kind::Entry;
            line.name = key;
        }
    }
    return line;
}

TIniDocument TIniDocument::Parse(QByteArrayView bytes) {
    TIniDocument doc;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        doc.bom_ = true;
        bytes = bytes.sliced(3);
    }
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < n && bytes[next] == '\r') ++next;
        if (next < n && bytes[next] == '\n') ++next;
        doc.lines_.push_back(Classify(bytes.sliced(start, end - start).toByteArray(),
                                      bytes.sliced(end, next - end).toByteArray()));
        start = next;
    }
    return doc;
}

QByteArray TIniDocument::Serialize() const {
    QByteArray out;
    if (bom_) out += "\xEF\xBB\xBF";
    for (const Line& line : lines_)
        out += line.text + line.eol;
    return out;
}

QByteArray TIniDocument::NewLine() const {
    for (const Line& line : lines_)
        if (!line.eol.isEmpty()) return line.eol;
    return "\n";
}

int TIniDocument::FindSection(QStringView section) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && SameName(lines_[i].name, section)) return int(i);
    return -1;
}

int TIniDocument::SectionEnd(int header) const {
    size_t i = size_t(header) + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::Section)
        ++i;
    return int(i);
}

int TIniDocument::FindKey(QStringView section, QStringView key) const {
    const int header = FindSection(section);
    if (header < 0) return -1;
    const int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i)
        if (lines_[size_t(i)].kind == Kind::Entry && SameName(lines_[size_t(i)].name, key))
            return i;
    return -1;
}

bool TIniDocument::HasSection(QStringView section) const {
    return FindSection(section) >= 0;
}

QStringList TIniDocument::Keys(QStringView section) const {
    QStringList keys;
    const int header = FindSection(section);
    if (header < 0) return keys;
    const int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i)
        if (lines_[size_t(i)].kind == Kind::Entry) keys << lines_[size_t(i)].name;
    return keys;
}

std::optional<QString> TIniDocument::RawValue(QStringView section, QStringView key) const {
    const int i = FindKey(section, key);
    if (i < 0) return std::nullopt;
    const QByteArray& text = lines_[size_t(i)].text;
    return Decode(QByteArrayView(text).sliced(text.indexOf('=') + 1)).trimmed();
}

std::optional<QString> TIniDocument::Value(QStringView section, QStringView key) const {
    auto raw = RawValue(section, key);
    if (!raw) return std::nullopt;
    return ReadRule(*raw);
}

QString TIniDocument::ReadRule(const QString& stored) {
    const QString v = stored.trimmed();
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        return v.sliced(1, v.size() - 2);
    return v;
}

QString TIniDocument::WriteRule(const QString& value) {
    const QString v = OneLine(value);
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        return QLatin1Char('"') + v + QLatin1Char('"');
    return v;
}

void TIniDocument::SetValue(const QString& section, const QString& key, const QString& value) {
    SetRawValue(section, key, WriteRule(value));
}

void TIniDocument::SetRawValue(const QString& section, const QString& key, const QString& value) {
    const QByteArray text = OneLine(key).toUtf8() + '=' + OneLine(value).toUtf8();
    const int existing = FindKey(section, key);
    if (existing >= 0) {
        Line& line = lines_[size_t(existing)];
        line = Classify(text, line.eol);
        return;
    }
    const QByteArray nl = NewLine();
    auto insertAt = [&](int at, QByteArray lineText) {
        if (at > 0 && lines_[size_t(at - 1)].eol.isEmpty()) lines_[size_t(at - 1)].eol = nl;
        lines_.insert(lines_.begin() + at, Classify(std::move(lineText), nl));
    };
    int header = FindSection(section);
    if (header < 0) {
        if (!lines_.empty() && !LeftTrimmed(lines_.back().text).isEmpty())
            insertAt(int(lines_.size()), QByteArray());
        insertAt(int(lines_.size()), '[' + OneLine(section).toUtf8() + ']');
        insertAt(int(lines_.size()), text);
        return;
    }
    // After the section's last entry, so trailing blank lines and comments stay below it.
    int at = header + 1;
    const int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i)
        if (lines_[size_t(i)].kind == Kind::Entry) at = i + 1;
    insertAt(at, text);
}

bool TIniDocument::RemoveKey(QStringView section, QStringView key) {
    const int i = FindKey(section, key);
    if (i < 0) return false;
    lines_.erase(lines_.begin() + i);
    return true;
}

void TIniDocument::EraseSection(QStringView section) {
    for (int header = FindSection(section); header >= 0; header = FindSection(section))
        lines_.erase(lines_.begin() + header, lines_.begin() + SectionEnd(header));
}

} // namespace ini
