#pragma once
// Places the lines of a text on printed pages the way a plain line printer
// does: each line at the left edge below the previous one, the step being the
// font's height plus 2 device units; a new page when the next line would begin
// lower than the page height less twice the line height; a line wider than the
// page continued on the next printed line, broken after the last character
// that fits; tabs at multiples of eight average character widths; a form feed
// ends the page. No header, footer or page number. All in device units.
#include <QString>
#include <QStringView>

// How wide the printer's font draws things.
class TPrintMetrics {
public:
    virtual ~TPrintMetrics() = default;
    virtual int LineHeight() const = 0;   // height of a line of text
    virtual int AverageWidth() const = 0; // average character width
    virtual int Width(QStringView text) const = 0;
};

// Receives the layout as it is made, page by page.
class TPrintSink {
public:
    virtual ~TPrintSink() = default;
    virtual void NewPage() = 0; // the first page is begun by the job itself
    virtual void Text(int x, int top, QStringView text) = 0;
};

class TTextPrintLayout {
public:
    // pageWidth, pageHeight: the printable area.
    TTextPrintLayout(const TPrintMetrics& metrics, TPrintSink& sink, int pageWidth, int pageHeight);

    // One line of the document, without its line break.
    void Line(QStringView line);

    int Pages() const { return pages_; }

private:
    void StartLine(); // places the printed line about to be written
    void EndLine();
    void Segment(QStringView text);
    void Tab();
    void FormFeed();
    void BreakLine(); // the line continues on the next printed line

    const TPrintMetrics& metrics_;
    TPrintSink& sink_;
    int width_;
    int height_;
    int lineHeight_;
    int tabWidth_;
    int x_ = 0;
    int y_ = 0;
    int pages_ = 1;
    bool placed_ = false;      // the current printed line has its place on a page
    bool pageBreak_ = false;   // a form feed asked for a new page before the next line
    bool pageHasLine_ = false; // something has been placed on the current page
};
