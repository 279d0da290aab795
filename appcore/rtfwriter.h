#pragma once
// Writes a plain text as an RTF document in one font, for word processors.
// The document declares Windows-1250 (\ansicpg1250, a font with \fcharset238);
// each character above 0x7F goes out as \uN for Unicode readers followed by
// its Windows-1250 byte as \'hh for the others, so both read the same text.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <functional>

struct TRtfFont {
    QString Family = QStringLiteral("Courier New");
    double PointSize = 10; // 0 or less: the document's default size
    bool Bold = false;
    bool Italic = false;
};

class TRtfWriter {
public:
    // Receives the document in blocks; returning false stops the writing.
    using TSink = std::function<bool(QByteArrayView block)>;

    TRtfWriter(TRtfFont font, TSink sink);

    // Text may come in any number of pieces; CR LF, LF, CR and the Unicode
    // line and paragraph separators each end a paragraph, a tab is \tab.
    bool Begin();
    bool Text(QStringView text);
    bool End();

    // The whole document of a text at once.
    static QByteArray Document(QStringView text, const TRtfFont& font);

private:
    bool Flush();
    void Put(const char* bytes);
    void PutChar(char16_t c);
    void PutHex(uint8_t b);

    TRtfFont font_;
    TSink sink_;
    QByteArray buffer_;
    int column_ = 0; // bytes since the last line end in the file
    bool afterCr_ = false;
    bool failed_ = false;
};
