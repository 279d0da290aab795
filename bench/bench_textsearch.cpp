// Searching the text editor and the commands built on it:
//   spell_full_run_s    a full spelling check (every listed misspelling) of a
//                       1 MiB Polish text that contains none of them; best of 3,
//                       each on a fresh revision of the text
//   text_find_next_ms   one find-next over a 10 MiB text whose only match is at
//                       its end (mean of 20); text_find_first_ms is the first
//                       search of that revision, which makes the text's image
//   recode_10mib_s      recoding a 10 MiB text full of the six letters to
//                       ISO-8859-2 or back, whichever way is slower, with the
//                       editor repainted; both ways must restore the text, and
//                       so must undoing both (its time is printed too)
#include "app/aplikacja.h"
#include "app/edytorwidget.h"
#include "app/mein.h"
#include "app/program.h"
#include "app/szuk.h"
#include "app/textcontrol.h"
#include "appcore/misspellings.h"
#include "bench/benchutil.h"
#include "dialogs/dialogseam.h"
#include "dialogs/pisow.h"

#include <QLineEdit>
#include <QSet>
#include <algorithm>
#include <cstdio>

namespace {

// Lines of about 70 characters made of the given words, LF breaks.
QString Lines(const QStringList& words, qsizetype size, int stride = 7) {
    QString out;
    out.reserve(size + 128);
    qsizetype w = 0;
    while (out.size() < size) {
        QString line;
        while (line.size() < 70)
            line += words[(w += stride) % words.size()] + QLatin1Char(' ');
        line.chop(1);
        out += line + QLatin1Char('\n');
    }
    return out;
}

// Correct words from the list's corrections that the check never flags.
QStringList CleanWords() {
    const QStringList wrong = Misspellings(), right = Corrections();
    QSet<QString> flagged;
    for (const QString& w : wrong)
        flagged.insert(w.toLower());
    QStringList out;
    QSet<QString> seen;
    for (const QString& w : right)
        if (!w.isEmpty() && !flagged.contains(w.toLower()) && !seen.contains(w)) {
            seen.insert(w);
            out << w;
        }
    return out;
}

double SpellRun(TMain* main, const QString& text, bool& clean) {
    main->Edytor->Widget()->setPlainText(text);
    bench::SettleEvents();
    seam::ScriptedDialogs dialogs;
    double seconds = 0;
    dialogs.Answer([&](const seam::Request& r) {
        auto* dialog = dynamic_cast<TPisownia*>(r.dialog);
        if (dialog) seconds = bench::Seconds([&] { dialog->FormShow(); });
        clean = dialog && dialog->Edycja1->text().isEmpty();
        return seam::Reply::Reject();
    });
    main->Sprawd1Click();
    clean = clean && dialogs.Asked(seam::Kind::Message).size() == 1;
    return seconds;
}
} // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenUnlessSet();
    TAplikacja app(argc, argv);
    const bool spell = bench::Wanted("spell_full_run_s");
    const bool find = bench::AnyWanted({"text_find_next_ms", "text_find_first_ms"});
    const bool recode = bench::Wanted("recode_10mib_s");
    if (!spell && !find && !recode) return 0;

    TProgram program({});
    TMain* main = program.Main();
    main->show();
    bench::SettleEvents();
    TTextControl* edit = main->Edytor;
    bool ok = true;

    if (spell) {
        const QString text = Lines(CleanWords(), 1024 * 1024);
        double best = 1e30;
        for (int i = 0; i < 3; ++i) {
            bool clean = false;
            best = std::min(best, SpellRun(main, text, clean));
            if (!clean) {
                std::fprintf(stderr, "the spelling check stopped on the clean text\n");
                ok = false;
            }
        }
        bench::Report("spell_full_run_s", best, "s");
    }

    if (find) {
        const QStringList words = {"zażółć",    "gęślą",          "jaźń", "źdźbło",
                                   "chrząszcz", "brzmi",          "w",    "trzcinie",
                                   "Łódź",      "Świętokrzyskie", "ćma",  "niedźwiedź"};
        QString text = Lines(words, qsizetype(10) * 1024 * 1024);
        text += QStringLiteral("szukany wyraz");
        edit->Widget()->setPlainText(text);
        bench::SettleEvents();
        const QString needle = QStringLiteral("SZUKANY");
        const int expected = edit->TextLength() - 13;
        edit->SetSelStart(0);
        const double first =
            bench::Seconds([&] { ok = FindInEditor(*edit, needle, frDown) && ok; });
        ok = ok && edit->SelStart() == expected;
        constexpr int kRepeats = 20;
        double total = 0;
        for (int i = 0; i < kRepeats; ++i) {
            edit->SetSelStart(0);
            total += bench::Seconds([&] { ok = FindInEditor(*edit, needle, frDown) && ok; });
        }
        ok = ok && edit->SelStart() == expected;
        if (!ok) std::fprintf(stderr, "find-next did not select the match at the end\n");
        bench::Report("text_find_first_ms", first * 1000.0, "ms");
        bench::Report("text_find_next_ms", total * 1000.0 / kRepeats, "ms");
    }

    if (recode) {
        const QStringList words = {"świąteczną", "Ślązaczka", "źdźbło", "Źródło",
                                   "gąsienicą",  "ŚWIĄTYNIĄ", "Ąą",     "paździerz",
                                   "Świś",       "ŹLE",       "jaźń",   "kąśliwą"};
        const QString text = Lines(words, qsizetype(10) * 1024 * 1024);
        edit->Widget()->setPlainText(text);
        bench::SettleEvents();
        seam::ScriptedDialogs dialogs;
        const double toIso = bench::Seconds([&] {
            main->PrzekodujnaISO1Click();
            bench::SettleEvents();
        });
        const double back = bench::Seconds([&] {
            main->PrzekodujnaWindows1Click();
            bench::SettleEvents();
        });
        if (edit->Widget()->toPlainText() != text) {
            std::fprintf(stderr, "recoding there and back changed the text\n");
            ok = false;
        }
        // Undoing both recodings: the text again, and what an undo step costs.
        const double undo = bench::Seconds([&] {
            edit->Undo();
            edit->Undo();
            bench::SettleEvents();
        });
        if (edit->Widget()->toPlainText() != text || edit->CanUndo()) {
            std::fprintf(stderr, "undoing both recodings did not give the text back\n");
            ok = false;
        }
        std::printf("recoding to ISO-8859-2 %.3f s, back %.3f s, both undone %.3f s\n", toIso, back,
                    undo);
        bench::Report("recode_10mib_s", std::max(toIso, back), "s");
    }

    main->hide();
    return ok ? 0 : 1;
}
