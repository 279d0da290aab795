// Byte search and whole-document conversion on a 1 GiB hex document:
// search time against grep on the same file, and the memory a conversion
// and its undo take.
#include "bench/benchutil.h"
#include "hexeditor/core/charsets.h"
#include "hexeditor/core/hexmodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <string>

namespace {

// Letters only in the generated data: the dash never occurs, so neither form
// of the pattern is found and the whole document is read.
const std::string kPattern = "Vorbix-no-such-text";

double BestOf(int runs, const std::function<void()>& fn) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i)
        best = std::min(best, bench::Seconds(fn));
    return best;
}

double GrepSeconds(const QString& file, bool ignoreCase) {
    QStringList args{"-c", "-F"};
    if (ignoreCase) args << "-i";
    args << QString::fromStdString(kPattern) << file;
    return BestOf(3, [&] {
        QProcess grep;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LC_ALL", "C");
        grep.setProcessEnvironment(env);
        grep.setStandardOutputFile(QProcess::nullDevice());
        grep.start("grep", args);
        grep.waitForFinished(-1);
    });
}

double FindSeconds(THexModel& model, bool ignoreCase) {
    int32_t result = 0;
    const double s = BestOf(3, [&] {
        std::string pattern = kPattern; // Find may lower-case it in place
        result = model.Find(reinterpret_cast<uint8_t*>(pattern.data()),
                            static_cast<int32_t>(pattern.size()), 0, model.DataSize() - 1,
                            ignoreCase, false);
    });
    if (result != -1) std::fprintf(stderr, "unexpected match at %d\n", result);
    return s;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool find = bench::AnyWanted({"hex_find_ratio_grep", "hex_find_icase_ratio_grep",
                                        "hex_find_seconds", "hex_find_icase_seconds"});
    const bool convert = bench::AnyWanted({"hex_convert_peak_mib", "hex_convert_seconds"});
    if (!find && !convert) return 0;

    const QString source = QDir(bench::ScratchDir()).filePath("bench_hexfind.bin");
    bench::MakeFile(source, bench::HexDocumentBytes());
    THexModel model;
    model.LoadFromFile(source);
    QFile::remove(source);
    const QString work = model.WorkFileName();

    if (find) {
        GrepSeconds(work, false); // bring the file into the page cache for both
        const double grep = GrepSeconds(work, false);
        const double hex = FindSeconds(model, false);
        bench::Report("hex_find_seconds", hex, "s");
        bench::Report("hex_find_ratio_grep", hex / grep, "x");

        const double grepIcase = GrepSeconds(work, true);
        const double hexIcase = FindSeconds(model, true);
        bench::Report("hex_find_icase_seconds", hexIcase, "s");
        bench::Report("hex_find_icase_ratio_grep", hexIcase / grepIcase, "x");
    }

    if (convert) {
        bench::PeakMemory peak;
        peak.Start();
        const double s = bench::Seconds([&] {
            model.Convert(0, model.DataSize() - 1, ttAnsi, ttEBCDIC);
            model.Undo();
        });
        bench::Report("hex_convert_seconds", s, "s");
        bench::Report("hex_convert_peak_mib", peak.PeakGrowthMiB(), "MiB");
    }
    return 0;
}
