// The text tab's printing commands.
#include "app/mein.h"

#include "app/busycursor.h"
#include "app/currentprinter.h"
#include "app/textcontrol.h"
#include "appcore/textprintlayout.h"
#include "base/safewriter.h"
#include "base/sinkdevice.h"
#include "dialogs/dialogseam.h"

#include <QFontMetrics>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
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
    TPrinterSink(QPagedPaintDevice& printer, QPainter& painter)
        : printer_(printer), painter_(painter), ascent_(painter.fontMetrics().ascent()) {}
    void NewPage() override {
        if (!printer_.newPage()) throw std::runtime_error("the printer refused a new page");
    }
    void Text(int x, int top, QStringView text) override {
        painter_.drawText(x, top + ascent_, QString::fromRawData(text.data(), text.size()));
    }

private:
    QPagedPaintDevice& printer_;
    QPainter& painter_;
    int ascent_;
};

// The editor's font in points, so that it prints at the size it shows.
QFont PrintFont(QFont font) {
    if (font.pointSizeF() <= 0 && font.pixelSize() > 0) font.setPointSizeF(font.pixelSize() * 0.75);
    return font;
}
} // namespace

bool TMain::PrintTextOn(QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setFont(PrintFont(Edytor->Font()));
    painter.setPen(Qt::black);
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    TPrinterMetrics metrics(painter.fontMetrics());
    TPrinterSink sink(device, painter);
    TTextPrintLayout layout(metrics, sink, page.width(), page.height());
    try {
        Edytor->ForEachLine([&](QStringView line) { layout.Line(line); });
    } catch (...) {
        painter.end();
        throw;
    }
    return painter.end();
}

bool TMain::PrintText() {
    QPrinter& printer = CurrentPrinter();
    TBusyCursor busy;
    if (printer.outputFormat() != QPrinter::PdfFormat) return PrintTextOn(printer);
    // Printing to a file: the PDF appears whole or not at all.
    const QString target = printer.outputFileName();
    if (target.isEmpty()) return false;
    return safewrite::WriteBlocks(target, [&](const safewrite::TSink& sink) {
        TSinkDevice out(sink);
        out.open(QIODevice::WriteOnly);
        bool printed = false;
        {
            QPdfWriter pdf(&out);
            pdf.setResolution(printer.resolution());
            pdf.setPageLayout(printer.pageLayout());
            pdf.setCreator(QStringLiteral("Vorbix 2"));
            pdf.setTitle(printer.docName());
            printed = PrintTextOn(pdf);
        }
        return printed && !out.Failed();
    });
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
