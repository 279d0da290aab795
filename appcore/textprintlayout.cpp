#include "appcore/textprintlayout.h"

#include <algorithm>

TTextPrintLayout::TTextPrintLayout(const TPrintMetrics& metrics, TPrintSink& sink, int pageWidth,
                                   int pageHeight)
    : metrics_(metrics), sink_(sink), width_(std::max(1, pageWidth)),
      height_(std::max(1, pageHeight)), lineHeight_(std::max(1, metrics.LineHeight())),
      tabWidth_(std::max(1, 8 * metrics.AverageWidth())) {}

void TTextPrintLayout::StartLine() {
    if (placed_) return;
    if (pageBreak_ || (pageHasLine_ && y_ > height_ - 2 * lineHeight_)) {
        sink_.NewPage();
        ++pages_;
        y_ = 0;
        pageBreak_ = false;
        pageHasLine_ = false;
    }
    placed_ = true;
    pageHasLine_ = true;
    x_ = 0;
}

void TTextPrintLayout::EndLine() {
    StartLine(); // an empty line takes its place too
    y_ += lineHeight_ + 2;
    placed_ = false;
}

void TTextPrintLayout::BreakLine() {
    EndLine();
    StartLine();
}

void TTextPrintLayout::Line(QStringView line) {
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] != u'\t' && line[i] != u'\f') continue;
        if (i > start) Segment(line.mid(start, i - start));
        if (i == line.size()) break;
        start = i + 1;
        if (line[i] == u'\t') {
            Tab();
        } else {
            FormFeed();
        }
    }
    // A line that ends in a form feed has put everything before it on the old
    // page; its line end is the form feed's.
    if (!line.isEmpty() && line.back() == u'\f') return;
    EndLine();
}

void TTextPrintLayout::FormFeed() {
    if (placed_) {
        placed_ = false;
        y_ += lineHeight_ + 2;
    }
    if (pageBreak_) { // several form feeds: the pages between them stay empty
        sink_.NewPage();
        ++pages_;
        y_ = 0;
        pageHasLine_ = false;
    }
    pageBreak_ = true;
}

void TTextPrintLayout::Tab() {
    StartLine();
    const int next = (x_ / tabWidth_ + 1) * tabWidth_;
    if (next > width_ && x_ > 0) {
        BreakLine(); // the tab does not fit: the text goes on at the next line's start
        return;
    }
    x_ = next;
}

void TTextPrintLayout::Segment(QStringView text) {
    while (!text.isEmpty()) {
        StartLine();
        const int room = width_ - x_;
        const int whole = metrics_.Width(text);
        if (whole <= room) {
            sink_.Text(x_, y_, text);
            x_ += whole;
            return;
        }
        // The longest head that fits; a printed line takes at least one
        // character, so a page narrower than a character still ends.
        qsizetype lo = 0, hi = text.size();
        while (lo < hi) {
            const qsizetype mid = (lo + hi + 1) / 2;
            if (metrics_.Width(text.first(mid)) <= room)
                lo = mid;
            else
                hi = mid - 1;
        }
        if (lo == 0 && x_ == 0) lo = 1;
        if (lo > 0) {
            // Keep a surrogate pair together.
            if (lo < text.size() && text[lo].isLowSurrogate() && lo > 1) --lo;
            sink_.Text(x_, y_, text.first(lo));
            text = text.sliced(lo);
        }
        BreakLine();
    }
}
