// Editing commands on large Windows-1250 texts in the program's editor:
// replace all of "a" by "aa" in 1 MiB of Polish text through the replace
// dialog (one editing step, checked by one undo), and capital letters for the
// whole of a 10 MiB text. Each figure is the best of a few runs.
#include "app/aplikacja.h"
#include "app/mein.h"
#include "app/program.h"
#include "app/textcontrol.h"
#include "base/cp1250.h"
#include "bench/benchutil.h"
#include "dialogs/finddialogs.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {
constexpr int kRuns = 3;

// The words of the 10 MiB text, and of the 1 MiB text whose letter "a" comes
// about 60,000 times.
const QStringList kWordsWithA = {"zażółć",     "gęślą", "jaźń",   "pałac",         "łąka", "rzeka",
                                 "chrząszcz",  "brzmi", "kra",    "trzcinie",      "Łódź", "ćma",
                                 "niedźwiedź", "las",   "źdźbło", "Świętokrzyskie"};

} // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenUnlessSet();
    TAplikacja app(argc, argv);
    const bool replace = bench::Wanted("text_replace_all_s");
    const bool upper = bench::Wanted("text_case_change_s");
    if (!replace && !upper) return 0;

    const QString dir = bench::ScratchDir();
    const QString small = dir + "/vorbix-bench-replace.txt";
    const QString large = dir + "/vorbix-bench-case.txt";
    const QByteArray smallBytes = bench::PolishText(qsizetype(1) * 1024 * 1024, kWordsWithA);
    const QByteArray largeBytes = bench::PolishText(qsizetype(10) * 1024 * 1024);
    if (!bench::WriteFile(small, smallBytes) || !bench::WriteFile(large, largeBytes)) {
        std::fprintf(stderr, "cannot write the texts in %s\n", qPrintable(dir));
        return 1;
    }

    TProgram program({});
    TMain* main = program.Main();
    main->show();
    bench::SettleEvents();
    TTextControl* edit = main->Edytor;
    bool ok = true;

    if (replace) {
        const qsizetype matches = smallBytes.count('a');
        QByteArray expected = smallBytes;
        expected.replace("a", "aa");
        double best = 1e30;
        for (int i = 0; i < kRuns; ++i) {
            main->LoadTextDocument(small);
            edit->SetSelStart(0);
            bench::SettleEvents();
            main->Zamie1Click();
            main->ZamDial1->SetFindText(QStringLiteral("a"));
            main->ZamDial1->SetReplaceText(QStringLiteral("aa"));
            main->ZamDial1->Wielkosc1->setChecked(true);
            const std::clock_t cpu = std::clock();
            best = std::min(best, bench::Seconds([&] {
                                main->ZamDial1->PrzycZamWsz1->click();
                                bench::SettleEvents();
                            }));
            std::fprintf(stderr, "replace all: %.3f s of processor time\n",
                         double(std::clock() - cpu) / CLOCKS_PER_SEC);
            main->ZamDial1->hide();
            if (cp1250::Encode(edit->Text()) != expected) {
                std::fprintf(stderr, "replace all gave another text\n");
                ok = false;
            }
            edit->Undo();
            if (cp1250::Encode(edit->Text()) != smallBytes) {
                std::fprintf(stderr, "one undo did not restore the text\n");
                ok = false;
            }
        }
        std::fprintf(stderr, "replace all: %lld matches\n", static_cast<long long>(matches));
        bench::Report("text_replace_all_s", best, "s");
    }

    if (upper) {
        const QByteArray expected = cp1250::Encode(cp1250::Decode(largeBytes).toUpper());
        double best = 1e30;
        for (int i = 0; i < kRuns; ++i) {
            main->LoadTextDocument(large);
            bench::SettleEvents();
            edit->SelectAll();
            const std::clock_t cpu = std::clock();
            best = std::min(best, bench::Seconds([&] {
                                main->Zmienadueznaki1Click();
                                bench::SettleEvents();
                            }));
            std::fprintf(stderr, "capital letters: %.3f s of processor time\n",
                         double(std::clock() - cpu) / CLOCKS_PER_SEC);
            if (cp1250::Encode(edit->Text()) != expected) {
                std::fprintf(stderr, "capital letters gave another text\n");
                ok = false;
            }
        }
        bench::Report("text_case_change_s", best, "s");
    }

    main->hide();
    QFile::remove(small);
    QFile::remove(large);
    return ok ? 0 : 1;
}
