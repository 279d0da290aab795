// The text tab's file commands on large documents: RTF export of a 10 MiB
// Polish text, insert of a 10 MiB RTF file, and printing a 1 MiB text (about
// 15,000 lines) to a PDF file with the peak memory the job adds. Each figure
// is the best of a few runs.
#include "app/aplikacja.h"
#include "app/currentprinter.h"
#include "app/mein.h"
#include "app/program.h"
#include "app/textcontrol.h"
#include "appcore/rtfreader.h"
#include "appcore/rtfwriter.h"
#include "base/cp1250.h"
#include "bench/benchutil.h"
#include "dialogs/dialogseam.h"

#include <QFile>
#include <QPrinter>
#include <algorithm>
#include <cstdio>

namespace {
constexpr int kRuns = 3;

// Lines of Polish prose, CR LF breaks, about size bytes.
QByteArray PolishText(qsizetype size, int width = 60) {
    const QStringList words = {"zażółć",    "gęślą",          "jaźń", "źdźbło",
                               "chrząszcz", "brzmi",          "w",    "trzcinie",
                               "Łódź",      "Świętokrzyskie", "ćma",  "niedźwiedź"};
    QByteArray out;
    out.reserve(size + 128);
    int w = 0, n = 0;
    while (out.size() < size) {
        QString line = QString::number(++n) + QLatin1Char('\t');
        while (line.size() < width)
            line += words[(w++ * 7 + n) % words.size()] + QLatin1Char(' ');
        out += cp1250::Encode(line) + "\r\n";
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenUnlessSet();
    TAplikacja app(argc, argv);
    if (!bench::AnyWanted({"text_rtf_export_s", "text_rtf_import_s", "text_print_pdf_s",
                           "text_print_pdf_peak_mib"}))
        return 0;

    const QString dir = bench::ScratchDir();
    const QString source = dir + "/vorbix-bench-textfile.txt";
    const QString rtfOut = dir + "/vorbix-bench-textfile-out.rtf";
    const QString rtfIn = dir + "/vorbix-bench-textfile-in.rtf";
    const QString pdf = dir + "/vorbix-bench-textfile.pdf";
    bool ok = true;

    TProgram program({});
    TMain* main = program.Main();
    main->show();
    bench::SettleEvents();

    // Printing first, while the process is small: its peak memory is the job's own.
    if (bench::AnyWanted({"text_print_pdf_s", "text_print_pdf_peak_mib"})) {
        const QByteArray bytes = PolishText(qsizetype(1) * 1024 * 1024, 64);
        ok = ok && bench::WriteFile(source, bytes);
        main->LoadTextDocument(source);
        bench::SettleEvents();
        std::fprintf(stderr, "lines to print: %d\n", main->Edytor->LineCount());
        QPrinter& printer = CurrentPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        double best = 1e30;
        double peak = 0;
        for (int i = 0; i < kRuns; ++i) {
            bench::PeakMemory memory;
            memory.Start();
            best = std::min(best, bench::Seconds([&] { ok = main->PrintText() && ok; }));
            peak = i == 0 ? memory.PeakGrowthMiB() : std::min(peak, memory.PeakGrowthMiB());
        }
        std::fprintf(stderr, "PDF: %.1f MiB\n", QFile(pdf).size() / 1048576.0);
        bench::Report("text_print_pdf_s", best, "s");
        bench::Report("text_print_pdf_peak_mib", peak, "MiB");
    }

    if (bench::AnyWanted({"text_rtf_export_s"})) {
        const QByteArray bytes = PolishText(qsizetype(10) * 1024 * 1024);
        ok = ok && bench::WriteFile(source, bytes);
        main->LoadTextDocument(source);
        bench::SettleEvents();
        double best = 1e30;
        for (int i = 0; i < kRuns; ++i)
            best = std::min(best, bench::Seconds([&] { ok = main->ExportRtf(rtfOut) && ok; }));
        QFile out(rtfOut);
        const bool same =
            out.open(QIODevice::ReadOnly) && cp1250::Encode(rtf::ToText(out.readAll())) == bytes;
        if (!same) std::fprintf(stderr, "exported RTF does not read back as the text\n");
        ok = ok && same;
        bench::Report("text_rtf_export_s", best, "s");
    }

    if (bench::AnyWanted({"text_rtf_import_s"})) {
        // An RTF file of 10 MiB: a Polish text as the export writes it.
        const QString text = cp1250::Decode(PolishText(qsizetype(10) * 1024 * 1024 * 2 / 5));
        QByteArray rtf = TRtfWriter::Document(text, TRtfFont{});
        ok = ok && bench::WriteFile(rtfIn, rtf);
        std::fprintf(stderr, "RTF file: %.1f MiB\n", rtf.size() / 1048576.0);
        rtf.clear();
        seam::SetHook([&](const seam::Request&) { return seam::Reply::Accept(rtfIn); });
        double best = 1e30;
        for (int i = 0; i < kRuns; ++i) {
            main->SetTextUnmodified();
            main->Nowy2Click();
            bench::SettleEvents();
            best = std::min(best, bench::Seconds([&] {
                                main->Wstawtekstzpliku2Click();
                                bench::SettleEvents();
                            }));
        }
        seam::SetHook({});
        const bool same = main->Edytor->Text() == text;
        if (!same) std::fprintf(stderr, "inserted text differs\n");
        ok = ok && same;
        bench::Report("text_rtf_import_s", best, "s");
    }

    main->hide();
    for (const QString& f : {source, rtfOut, rtfIn, pdf})
        QFile::remove(f);
    return ok ? 0 : 1;
}
