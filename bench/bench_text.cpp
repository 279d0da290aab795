// The text editor on a 10 MiB Windows-1250 text: opening it through the
// program's own load (text, caption, panels, first layout), saving it, and one
// typed character in its middle with the status panels brought up to date.
// Open and save are the best of a few runs; the keystroke is the mean of many.
#include "app/aplikacja.h"
#include "app/edytorwidget.h"
#include "app/mein.h"
#include "app/program.h"
#include "app/statuspanels.h"
#include "app/textcontrol.h"
#include "base/cp1250.h"
#include "bench/benchutil.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {
constexpr int kRuns = 3;
constexpr int kKeystrokes = 200;

} // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenUnlessSet();
    TAplikacja app(argc, argv);
    if (!bench::AnyWanted({"text_open_s", "text_save_s", "text_keystroke_ms"})) return 0;

    const QString dir = bench::ScratchDir();
    const QString source = dir + "/vorbix-bench-text.txt";
    const QString target = dir + "/vorbix-bench-text-saved.txt";
    const QByteArray bytes = bench::PolishText(qsizetype(10) * 1024 * 1024);
    {
        QFile f(source);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(source));
            return 1;
        }
    }

    TProgram program({});
    TMain* main = program.Main();
    main->show();
    bench::SettleEvents();

    double open = 1e30;
    for (int i = 0; i < kRuns; ++i) {
        main->Nowy2Click();
        bench::SettleEvents();
        open =
            std::min(open, bench::Seconds([&] {
                         main->LoadTextDocument(source);
                         bench::SettleEvents(); // the first screen of text is laid out and painted
                     }));
    }
    bench::Report("text_open_s", open, "s");

    double save = 1e30;
    for (int i = 0; i < kRuns; ++i) {
        main->DialZap1.FileName = target;
        save = std::min(save, bench::Seconds([&] { main->Zapisz2Click(); }));
    }
    QFile saved(target);
    const bool same = saved.open(QIODevice::ReadOnly) && saved.readAll() == bytes;
    saved.close();
    if (!same) std::fprintf(stderr, "saved text differs from the original\n");
    bench::Report("text_save_s", save, "s");

    TTextControl* edit = main->Edytor;
    edit->SetSelStart(edit->TextLength() / 2);
    bench::SettleEvents();
    QWidget* keys = edit->Widget();
    const int before = edit->TextLength();
    const double typing = bench::Seconds([&] {
        for (int i = 0; i < kKeystrokes; ++i) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            QCoreApplication::sendEvent(keys, &press);
            QCoreApplication::sendEvent(keys, &release);
            QCoreApplication::processEvents(); // repaint and anything posted
        }
    });
    const bool panels = main->Informator->PanelText(0) == QStringLiteral("Zmieniony") &&
                        main->Informator->PanelText(1) ==
                            QString::number(before + kKeystrokes) + QStringLiteral(" B");
    if (!panels) std::fprintf(stderr, "status panels did not follow the typing\n");
    bench::Report("text_keystroke_ms", typing * 1000.0 / kKeystrokes, "ms");

    main->hide();
    QFile::remove(source);
    QFile::remove(target);
    return same && panels ? 0 : 1;
}
