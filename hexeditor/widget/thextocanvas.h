#pragma once
// Lays a hex dump of a THexEditor's data out as lines of text on any painter
// (printer, PDF, image): one call draws one page between a header and a
// footer line and returns where the next page starts. The font is shrunk (or
// stretched) until a line fits the width of the target rectangle.
#include "hexeditor/core/dumpformat.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <vector>

class QPainter;
class THexEditor;

class THexToCanvas : public QObject {
    Q_OBJECT
public:
    explicit THexToCanvas(QObject* owner = nullptr);
    ~THexToCanvas() override;

    // The control whose data are dumped; none once that control is destroyed.
    THexEditor* HexEditor() const;
    void SetHexEditor(THexEditor* editor);

    // The font of every line, header and footer ("Courier", 12 at creation).
    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font) { font_ = font; }

    int BytesPerLine() const { return format_.bytesPerLine; }
    void SetBytesPerLine(int value) { format_.bytesPerLine = value; }
    TOffsetDisplayStyle OffsetDisplay() const { return format_.offsetDisplay; }
    void SetOffsetDisplay(TOffsetDisplayStyle value) { format_.offsetDisplay = value; }
    char OffsetSeparator() const { return format_.offsetSeparator; }
    void SetOffsetSeparator(char value) { format_.offsetSeparator = value; }
    TOffsetDisplayStyle MemFieldDisplay() const { return format_.memFieldDisplay; }
    void SetMemFieldDisplay(TOffsetDisplayStyle value) { format_.memFieldDisplay = value; }
    char MemFieldSeparator() const { return format_.memFieldSeparator; }
    void SetMemFieldSeparator(char value) { format_.memFieldSeparator = value; }
    bool DisplayCharField() const { return format_.displayCharField; }
    void SetDisplayCharField(bool value) { format_.displayCharField = value; }
    char CharFieldSeparator() const { return format_.charFieldSeparator; }
    void SetCharFieldSeparator(char value) { format_.charFieldSeparator = value; }
    bool ShrinkToFit() const { return shrinkToFit_; }
    void SetShrinkToFit(bool value) { shrinkToFit_ = value; }
    bool StretchToFit() const { return stretchToFit_; }
    void SetStretchToFit(bool value) { stretchToFit_ = value; }
    int BytesPerColumn() const { return format_.bytesPerColumn; }
    // Refuses values below 1 ("Invalid BytesPerColumn argument"), as the grid does.
    void SetBytesPerColumn(int value);
    bool SwapNibbles() const { return format_.swapNibbles; }
    void SetSwapNibbles(bool value) { format_.swapNibbles = value; }

    // The target rectangle in the painter's pixels: lines start at Left, the
    // first at Top, none reaches below Bottom, and Right - Left is the width a
    // line must fit.
    int Top = 0;
    int Left = 0;
    int Bottom = 0;
    int Right = 0;

    // A page too short for one dump line between header and footer still gets
    // one (overlapping the footer), so a page loop always advances. Off by
    // default: such a page then returns its first position unchanged.
    bool AtLeastOneLine = false;

    // Takes over the linked control's font, BytesPerColumn, OffsetSeparator,
    // OffsetDisplay, BytesPerLine and SwapNibbles, with a hex byte field, a
    // blank after it, and the character field without a separator.
    void AssignFromEditor();

    // The line of the bytes first .. first + BytesPerLine - 1; positions above
    // last are missing and print as blanks. The text is what DrawPage draws:
    // characters that draw nothing (control characters) as blanks. Empty
    // without a linked control.
    QString FormatDumpLine(int32_t first, int32_t last) const;

    // Draws the header, the dump lines from first on that fit, and the footer
    // (an empty text draws none) and returns the first position not drawn, or
    // last + 1 when everything was drawn. -1 when BytesPerLine is below 1 or
    // nothing is left to draw; INT32_MAX without a linked control. The
    // painter's font is as it was afterwards.
    int32_t DrawPage(QPainter& canvas, int32_t first, int32_t last, const QString& header,
                     const QString& footer);

private:
    // The characters the linked control shows for each byte.
    TDisplayChars DisplayChars() const;
    QString LineText(const TDisplayChars& chars, int64_t start, const uint8_t* bytes, int present,
                     std::string& scratch) const;
    // count bytes from position on, read in blocks that stop at end (or hold
    // at least the count asked for).
    const uint8_t* Bytes(int64_t position, int count, int64_t end);

    QPointer<THexEditor> editor_;
    QFont font_;
    TDumpFormat format_;
    bool shrinkToFit_ = true;
    bool stretchToFit_ = true;

    // A block of the data read for the page being drawn.
    std::string line_;
    std::vector<uint8_t> block_;
    int64_t blockStart_ = 0;
    int blockValid_ = 0;
};
