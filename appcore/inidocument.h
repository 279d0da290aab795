#pragma once
// An INI file as text lines, read and changed by the rules of the classic
// profile functions: section and key names match without regard to case, the
// first section and the first key of a name win, values are trimmed, and one
// pair of surrounding quotes is stripped on reading and added on writing.
// Every line the program does not change is kept byte for byte, line ends
// included, so other sections and keys of a shared file survive a save.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace ini {

class TIniDocument {
public:
    TIniDocument() = default;
    // Never fails: whatever cannot be understood is kept as an unknown line.
    static TIniDocument Parse(QByteArrayView bytes);
    QByteArray Serialize() const;

    bool HasSection(QStringView section) const;
    // The text after "=" with surrounding blanks trimmed; nullopt when the key is missing.
    std::optional<QString> RawValue(QStringView section, QStringView key) const;
    // As the profile functions read it: trimmed, then one pair of surrounding
    // double or single quotes removed.
    std::optional<QString> Value(QStringView section, QStringView key) const;

    // Writes the value as given (trimmed). A missing section is appended at the
    // end of the file, a missing key after the last entry of its section.
    void SetRawValue(const QString& section, const QString& key, const QString& value);
    // As the profile functions write it: trimmed, and a value that starts and
    // ends with the same quote goes inside one more pair of double quotes.
    void SetValue(const QString& section, const QString& key, const QString& value);
    bool RemoveKey(QStringView section, QStringView key);
    // Removes every section of that name with all its lines.
    void EraseSection(QStringView section);

    // The keys of a section in file order (first section of that name).
    QStringList Keys(QStringView section) const;

    // The profile rules for one value, on their own.
    static QString ReadRule(const QString& stored);
    static QString WriteRule(const QString& value);

private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        QByteArray text; // without its line end
        QByteArray eol;  // "\n", "\r\n", "\r" or empty for an unterminated last line
        Kind kind = Kind::Other;
        QString name; // section name or key, trimmed
    };
    static Line Classify(QByteArray text, QByteArray eol);
    // Index of the first section line of that name, or -1.
    int FindSection(QStringView section) const;
    // Index one past the last line of the section starting at `header`.
    int SectionEnd(int header) const;
    int FindKey(QStringView section, QStringView key) const;
    QByteArray NewLine() const;

    std::vector<Line> lines_;
    bool bom_ = false;
};

} // namespace ini
