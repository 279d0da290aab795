// Printing the text to a PDF file and the printer setup, through the real
// handlers; the pages are read back with pdftotext.
#include "app/currentprinter.h"
#include "tests/app/immutablefile.h"
#include "tests/app/programfixture.h"
#include "tests/common/testenv.h"

#include <QFile>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

namespace {
// The text of each page of a PDF file; empty when pdftotext is missing.
QStringList PdfPages(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
    if (pages.size() > 1 && pages.back().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

bool HavePdfToText() {
    return QProcess::execute("pdftotext", {"-v"}) >= 0;
}

// Non-empty lines of a page, without their margins.
QStringList Lines(const QString& page) {
    QStringList out;
    for (const QString& line : page.split(u'\n'))
        if (!line.trimmed().isEmpty()) out << line.trimmed();
    return out;
}
} // namespace

class TextPrint : public ProgramTest {
protected:
    // Answers the print dialog with "print to this PDF file".
    void PrintTo(const QString& pdf) {
        dialogs.Answer([pdf](const seam::Request& r) {
            auto* dialog = qobject_cast<QPrintDialog*>(r.dialog);
            EXPECT_NE(dialog, nullptr);
            if (dialog) {
                EXPECT_EQ(dialog->printer(), &CurrentPrinter());
                dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
                dialog->printer()->setOutputFileName(pdf);
                dialog->printer()->setPageSize(QPageSize(QPageSize::A4));
                dialog->printer()->setPageMargins(QMarginsF(15, 15, 15, 15),
                                                  QPageLayout::Millimeter);
            }
            return seam::Reply::Accept();
        });
    }
    void SetUp() override {
        if (!HavePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    }
};

TEST_F(TextPrint, AnEmptyDocumentStillMakesAJobWithoutText) {
    Start();
    const QString pdf = testenv::ScratchPath("empty.pdf");
    PrintTo(pdf);
    main->Drukuj2->trigger();
    ASSERT_TRUE(QFile::exists(pdf));
    const QStringList pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].trimmed().isEmpty());
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
}

TEST_F(TextPrint, LinesGoOnPagesInOrderWithTabsAndAFormFeed) {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setPointSize(24);
    QString text;
    const int numbered = 40;
    for (int i = 1; i <= numbered; ++i)
        text += QStringLiteral("Wiersz %1\r\n").arg(i);
    text += QStringLiteral("przed\fpo\r\na\tb\r\nZażółć gęślą jaźń");
    const QString path = testenv::ScratchPath("three.txt");
    testenv::WriteFile(path, Cp1250(text));
    Start({path});
    Editor().SetFont(font);
    const QString pdf = testenv::ScratchPath("three.pdf");
    PrintTo(pdf);
    main->Drukuj2->trigger();
    EXPECT_TRUE(Messages().isEmpty());

    const QStringList pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 3) << pages.join("\n----\n").toStdString();
    QStringList all;
    for (const QString& page : pages)
        all += Lines(page);
    QStringList expected;
    for (int i = 1; i <= numbered; ++i)
        expected << QStringLiteral("Wiersz %1").arg(i);
    expected << "przed"
             << "po";
    ASSERT_GE(all.size(), expected.size() + 2);
    EXPECT_EQ(all.mid(0, expected.size()), expected);
    // The form feed ends page 2 after "przed"; page 3 begins with "po".
    EXPECT_EQ(Lines(pages[1]).back(), "przed");
    EXPECT_EQ(Lines(pages[2]).front(), "po");
    // Pages break between two consecutive lines, page 1 full down to its bottom.
    const int first = int(Lines(pages[0]).size());
    EXPECT_GT(first, 10);
    EXPECT_EQ(Lines(pages[1]).front(), QStringLiteral("Wiersz %1").arg(first + 1));
    // The tab moves "b" to the ninth column of a fixed-pitch font.
    const QString tabbed = Lines(pages[2])[1];
    EXPECT_TRUE(QRegularExpression("^a {5,9}b$").match(tabbed).hasMatch()) << tabbed.toStdString();
    EXPECT_EQ(Lines(pages[2])[2], "Zażółć gęślą jaźń");
}

TEST_F(TextPrint, ALineWiderThanThePageContinuesOnTheNextLine) {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setPointSize(20);
    QString longLine;
    for (int i = 0; i < 10; ++i)
        longLine += QStringLiteral("%1abcdefgh").arg(i);
    Start();
    Editor().SetSelText(longLine);
    Editor().SetFont(font);
    const QString pdf = testenv::ScratchPath("long.pdf");
    PrintTo(pdf);
    main->Drukuj2->trigger();
    const QStringList pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    const QStringList lines = Lines(pages[0]);
    ASSERT_GT(lines.size(), 1);
    EXPECT_EQ(lines.join(QString()), longLine); // nothing lost or repeated at the breaks
}

TEST_F(TextPrint, APdfFileThatCannotBeWrittenStaysAsItWas) {
    Start();
    Type("tekst");
    const QString pdf = testenv::ScratchPath("locked.pdf");
    testenv::WriteFile(pdf, "old");
    ImmutableFile lock(pdf);
    if (!lock.On()) GTEST_SKIP() << "no way to make a file unwritable here";
    PrintTo(pdf);
    main->Drukuj2->trigger();
    EXPECT_EQ(testenv::ReadFile(pdf), "old");
    EXPECT_EQ(Messages(), QStringList({kUnknownError}));
    EXPECT_EQ(TextPanel(0), "Zmieniony");
}

TEST_F(TextPrint, CancelledPrintDialogPrintsNothing) {
    Start();
    Type("x");
    const QString pdf = testenv::ScratchPath("never.pdf");
    CurrentPrinter().setOutputFileName(pdf);
    dialogs.Reject();
    main->Drukuj2->trigger();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(dialogs.Asked(seam::Kind::Dialog).size(), 1u);
}

TEST_F(TextPrint, PrinterSetupWorksOnTheSharedPrinter) {
    Start();
    Type("x");
    QPageSetupDialog* shown = nullptr;
    dialogs.Answer([&](const seam::Request& r) {
        shown = qobject_cast<QPageSetupDialog*>(r.dialog);
        return seam::Reply::Accept();
    });
    main->Ustawieniadrukarki2->trigger();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(TextPanel(0), "Zmieniony");
}
