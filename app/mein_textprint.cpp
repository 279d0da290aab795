// The text tab's printing commands.
#include "app/mein.h"

#include "app/busycursor.h"
#include "app/currentprinter.h"
#include "app/textcontrol.h"
#include "appcore/textprintlayout.h"
#include "dialogs/dialogseam.h"

#include <QFontMetrics>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <stdexcept>

namespace {
class TPrinterMetrics : public TPrintMetrics {
public:
    explicit TPrinterMetrics(const QFontMetrics& metrics) : metrics_(metrics) {}
    int LineHeight() const override { return metrics_.height(); }
    int AverageWidth() const override { return metrics_.averageCharWidth(); }
    int Width(QStringView text) const override {
        return metrics_.horizontalAdvance(QString::fromRawData(text.data(), text.size()));
    }

private:
    QFontMetrics metrics_;
};

class TPrinterSink : public TPrintSink {
public:
    TPrinterSink(QPrinter& printer, QPainter& painter)
        : printer_(printer), painter_(painter), ascent_(painter.fontMetrics().ascent()) {}
    void NewPage() override {
        if (!printer_.newPage()) throw std::runtime_error("the printer refused a new page");
    }
    void Text(int x, int top, QStringView text) override {
        painter_.drawText(x, top + ascent_, QString::fromRawData(text.data(), text.size()));
    }

private:
    QPrinter& printer_;
    QPainter& painter_;
    int ascent_;
};

// The editor's font in points, so that it prints at the size it shows.
QFont PrintFont(QFont font) {
    if (font.pointSizeF() <= 0 && font.pixelSize() > 0) font.setPointSizeF(font.pixelSize() * 0.75);
    return font;
}
} // namespace

bool TMain::PrintText() {
    QPrinter& printer = CurrentPrinter();
    TBusyCursor busy;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setFont(PrintFont(Edytor->Font()));
    painter.setPen(Qt::black);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    TPrinterMetrics metrics(painter.fontMetrics());
    TPrinterSink sink(printer, painter);
    TTextPrintLayout layout(metrics, sink, page.width(), page.height());
    try {
        Edytor->ForEachLine([&](QStringView line) { layout.Line(line); });
    } catch (...) {
        painter.end();
        throw;
    }
    return painter.end();
}

void TMain::Drukuj2Click() {
    QPrintDialog dialog(&CurrentPrinter(), this);
    if (seam::RunDialog(dialog) != QDialog::Accepted) return;
    if (!PrintText()) throw std::runtime_error("the print job could not start");
}

void TMain::Ustawieniadrukarki2Click() {
    QPageSetupDialog dialog(&CurrentPrinter(), this);
    seam::RunDialog(dialog);
}
