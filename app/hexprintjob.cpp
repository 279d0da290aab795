#include "app/hexprintjob.h"

#include "base/safewriter.h"
#include "base/sinkdevice.h"
#include "hexeditor/core/busyscope.h"
#include "hexeditor/widget/thexeditor.h"
#include "hexeditor/widget/thextocanvas.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

QString HexPrintHeader(const QString& fileName) {
    return QStringLiteral("ZQ THexEditor-Sample:") + QFileInfo(fileName).fileName();
}

bool PrintHexDump(THexToCanvas& canvas, QPagedPaintDevice& device) {
    THexEditor* editor = canvas.HexEditor();
    if (!editor || editor->DataSize() == 0) return true;
    const int32_t size = editor->DataSize();
    TBusyScope busy(*editor);

    canvas.SetStretchToFit(false);
    canvas.AssignFromEditor();
    canvas.SetMemFieldDisplay(odHex);
    // A page too small for a line between header and footer still takes one,
    // so every page moves the print on.
    canvas.AtLeastOneLine = true;

    QPainter painter;
    if (!painter.begin(&device)) return false;
    const int width = painter.device()->width();
    const int height = painter.device()->height();
    canvas.Top = height / 20;
    canvas.Left = width / 20;
    canvas.Bottom = height - height / 20;
    canvas.Right = width - width / 20;

    const QString header = HexPrintHeader(editor->FileName());
    int32_t first = 0;
    bool ok = true;
    for (int page = 1; ok; ++page) {
        painter.fillRect(QRect(0, 0, width, height), Qt::white);
        first = canvas.DrawPage(painter, first, size - 1, header,
                                QStringLiteral("Page ") + QString::number(page));
        if (first < 0 || first >= size) break;
        ok = device.newPage();
    }
    return painter.end() && ok;
}

bool PrintHexDumpToPdf(THexToCanvas& canvas, const QString& target, const QPageLayout& layout,
                       int resolution) {
    return safewrite::WriteBlocks(target, [&](const safewrite::TSink& sink) {
        TSinkDevice out(sink);
        out.open(QIODevice::WriteOnly);
        bool printed = false;
        {
            QPdfWriter pdf(&out);
            pdf.setResolution(resolution);
            pdf.setPageLayout(layout);
            pdf.setCreator(QStringLiteral("Vorbix 2"));
            const THexEditor* editor = canvas.HexEditor();
            pdf.setTitle(QFileInfo(editor ? editor->FileName() : QString()).fileName());
            printed = PrintHexDump(canvas, pdf);
        }
        return printed && !out.Failed();
    });
}
