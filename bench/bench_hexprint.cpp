// Printing a 10 MiB hex document (655,360 dump lines) to a PDF file the way
// "&Drukuj" does where the system has no printer: the current printer's page
// settings, the main window's hex font, the file written through the safe
// writer. Reports the time and how far the resident memory rose above what it
// was before the print.
#include "app/currentprinter.h"
#include "app/hexprintjob.h"
#include "bench/benchutil.h"
#include "hexeditor/widget/thexeditor.h"
#include "hexeditor/widget/thextocanvas.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <cstdio>
#include <ctime>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!bench::AnyWanted(
            {"hex_print_10mib_s", "hex_print_10mib_peak_mib", "hex_print_10mib_cpu_s"}))
        return 0;

    const QDir scratch(bench::ScratchDir());
    const QString source = scratch.filePath("bench_hexprint.bin");
    const QString pdf = scratch.filePath("bench_hexprint.pdf");
    bench::MakeFile(source, int64_t(10) << 20);

    THexEditor editor;
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(12);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
    editor.setFont(font);
    editor.LoadFromFile(source);
    QFile::remove(source);
    THexToCanvas layout;
    layout.SetHexEditor(&editor);

    QPrinter& printer = CurrentPrinter();
    bench::PeakMemory memory;
    memory.Start();
    bool ok = false;
    const std::clock_t cpuStart = std::clock();
    const double seconds = bench::Seconds(
        [&] { ok = PrintHexDumpToPdf(layout, pdf, printer.pageLayout(), printer.resolution()); });
    const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double peak = memory.PeakGrowthMiB();
    if (!ok) std::fprintf(stderr, "the PDF could not be written\n");
    std::fprintf(stderr, "PDF of %.1f MiB\n", double(QFileInfo(pdf).size()) / (1 << 20));
    QFile::remove(pdf);

    bench::Report("hex_print_10mib_s", seconds, "s");
    bench::Report("hex_print_10mib_peak_mib", peak, "MiB");
    // The processor time alone: on a busy machine the wall-clock time above is longer.
    bench::Report("hex_print_10mib_cpu_s", cpu, "s");
    return ok ? 0 : 1;
}
