// The hex tab's "&Drukuj" and "&Ustawienia drukarki": dump pages written to a
// PDF file the user names (the test machine has no printer), read back with
// pdftotext.
#include "app/currentprinter.h"
#include "app/hexprintjob.h"
#include "hexeditor/widget/thextocanvas.h"
#include "tests/app/hexfixture.h"

#include <QDir>
#include <QFile>
#include <QPageSetupDialog>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

namespace {

QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(120000)) << program.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Every page of a PDF as its lines of text, blanks between words made single
// (the read-back spaces columns its own way).
std::vector<QStringList> Pages(const QString& pdf) {
    std::vector<QStringList> pages;
    QStringList texts = Run("pdftotext", {"-layout", pdf, "-"}).split(QChar('\f'));
    if (!texts.isEmpty() && texts.last().trimmed().isEmpty()) texts.removeLast();
    for (const QString& text : texts) {
        QStringList lines;
        for (const QString& l : text.split('\n'))
            if (!l.trimmed().isEmpty()) lines << l.simplified();
        pages.push_back(lines);
    }
    return pages;
}

// Width and height of the first page in points.
QSizeF PageSize(const QString& pdf) {
    const auto m =
        QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)").match(Run("pdfinfo", {pdf}));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

QByteArray Ascending(int count) {
    QByteArray b;
    for (int i = 0; i < count; ++i)
        b.append(char('a' + i % 26));
    return b;
}

class HexPrint : public HexProgramTest {
protected:
    void SetUp() override {
        if (SystemHasPrinter()) GTEST_SKIP() << "the system has a printer: a test would print";
    }
    // "&Drukuj" with the save dialog answered by path.
    void PrintTo(const QString& path, QAction* command = nullptr) {
        dialogs.Accept(path);
        Run(command ? command : main->Print1);
        EXPECT_EQ(dialogs.Pending(), 0u);
    }
    std::vector<QStringList> PrintPages(const QString& name = QStringLiteral("dump.pdf")) {
        const QString path = testenv::ScratchPath(name);
        PrintTo(path);
        return Pages(path);
    }
    using HexProgramTest::Run;
};

const QString kHeader = QStringLiteral("ZQ THexEditor-Sample:");

} // namespace

TEST_F(HexPrint, AnEmptyDocumentPrintsNothing) {
    StartHex();
    ASSERT_EQ(Hex().DataSize(), 0);
    Run(main->Print1);
    Run(main->SpeedItem4);
    EXPECT_TRUE(dialogs.Asked().empty());
    EXPECT_TRUE(dialogs.Unexpected().empty());
}

TEST_F(HexPrint, SixteenBytesPrintOnePageWithHeaderOneLineAndFooter) {
    StartHex();
    const QString doc = Open("0123456789ABCDEF");
    const auto pages = PrintPages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], (QStringList{kHeader + QFileInfo(doc).fileName(),
                                     "0x0:3031 3233 3435 3637 3839 4142 4344 4546 0123456789ABCDEF",
                                     "Page 1"}));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(HexPrint, TheSaveDialogOffersTheDocumentsNameAsPdf) {
    StartHex();
    const QString doc = Open("abc");
    const QString pdf = testenv::ScratchPath("elsewhere/first.pdf");
    QDir().mkpath(QFileInfo(pdf).path());
    PrintTo(pdf);
    auto asked = dialogs.Asked(seam::Kind::SaveFile);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].value,
              QFileInfo(doc).path() + '/' + QFileInfo(doc).completeBaseName() + ".pdf");
    EXPECT_EQ(asked[0].filter, "Dokumenty PDF|*.pdf");
    EXPECT_EQ(asked[0].defaultSuffix, "pdf");
    // The next print offers the document's name in the folder chosen last.
    const QString second = Open("def");
    dialogs.Clear();
    PrintTo(testenv::ScratchPath("second.pdf"));
    asked = dialogs.Asked(seam::Kind::SaveFile);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].value,
              QFileInfo(pdf).path() + '/' + QFileInfo(second).completeBaseName() + ".pdf");
}

TEST_F(HexPrint, ThreePagesNumberedOneToThreeWithEqualLinesButTheLast) {
    StartHex();
    Open(Ascending(16 * 300));
    const auto probe = PrintPages("probe.pdf");
    ASSERT_GE(probe.size(), 2u);
    const int perPage = int(probe[0].size()) - 2;
    ASSERT_GT(perPage, 5);

    const int lines = 2 * perPage + 5;
    Open(Ascending(16 * lines - 3));
    const auto pages = PrintPages("three.pdf");
    ASSERT_EQ(pages.size(), 3u);
    int line = 0;
    for (int p = 0; p < 3; ++p) {
        const QStringList& page = pages[size_t(p)];
        ASSERT_GE(page.size(), 3);
        EXPECT_TRUE(page.first().startsWith(kHeader)) << p;
        EXPECT_EQ(page.last(), QString("Page %1").arg(p + 1));
        EXPECT_EQ(page.size() - 2, p < 2 ? perPage : 5) << p;
        for (int i = 1; i < page.size() - 1; ++i, ++line) {
            const QString offset =
                QString("0x%1:").arg(QString::number(line * 16, 16).toUpper(), 3, QChar('0'));
            EXPECT_TRUE(page[i].startsWith(offset)) << page[i].toStdString();
        }
    }
    EXPECT_EQ(line, lines);
    // The last line: 13 bytes, then blanks.
    EXPECT_TRUE(pages[2][5].endsWith(" " + QString(Ascending(16 * lines - 3).right(13))));
}

TEST_F(HexPrint, TheHeaderNamesTheFileWithoutItsFolder) {
    StartHex();
    const QString path = testenv::ScratchPath("folder/data/x.bin");
    QDir().mkpath(QFileInfo(path).path());
    testenv::WriteFile(path, "hello");
    Hex().LoadFromFile(path);
    Settle();
    const auto pages = PrintPages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].first(), "ZQ THexEditor-Sample:x.bin");
}

TEST_F(HexPrint, ASelectionDoesNotLimitThePrint) {
    StartHex();
    Open(Ascending(64));
    Hex().SetSelStart(20);
    Hex().SetSelEnd(30);
    Settle();
    const auto pages = PrintPages();
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].size(), 6);
    EXPECT_TRUE(pages[0][1].startsWith("0x00:6162"));
    EXPECT_TRUE(pages[0][4].startsWith("0x30:"));
    EXPECT_EQ(Hex().SelCount(), 11);
}

TEST_F(HexPrint, TheControlsDisplaySettingsApply) {
    StartHex();
    Open(QByteArray("\x3C\x12\x0A"
                    "A",
                    4));
    Hex().SetSwapNibbles(true);
    Hex().SetOffsetDisplay(odDec);
    Hex().SetOffsetSeparator('|');
    auto pages = PrintPages();
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].size(), 3);
    EXPECT_EQ(pages[0][1], "0|C321 A014 <..A"); // masked control characters as on the grid
}

TEST_F(HexPrint, TheToolButtonPrintsTheSame) {
    StartHex();
    Open("0123456789ABCDEF");
    const QString byMenu = testenv::ScratchPath("menu.pdf");
    const QString byButton = testenv::ScratchPath("button.pdf");
    PrintTo(byMenu);
    PrintTo(byButton, main->SpeedItem4);
    ASSERT_TRUE(QFile::exists(byButton));
    EXPECT_EQ(Pages(byButton), Pages(byMenu));
}

TEST_F(HexPrint, CancelledSaveDialogWritesNothing) {
    StartHex();
    const QString doc = Open("abc");
    const QStringList before = QDir(testenv::ScratchDir()).entryList(QDir::Files);
    dialogs.Reject();
    Run(main->Print1);
    const auto asked = dialogs.Asked(seam::Kind::SaveFile);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_FALSE(QFile::exists(asked[0].value));
    EXPECT_EQ(QDir(testenv::ScratchDir()).entryList(QDir::Files), before);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(HexPrint, AFileThatCannotBeWrittenIsReportedAndAnOldOneKept) {
    StartHex();
    Open("abc");
    const QString missing = testenv::ScratchPath("no/such/folder/dump.pdf");
    PrintTo(missing);
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(Messages(), QStringList{"Vorbix|Nie mogłem zapisać pliku: " + missing + "."});
    // A directory in the way: the print fails, the directory stays, and no
    // temporary file is left behind.
    const QString dir = testenv::ScratchPath("taken.pdf");
    QDir().mkpath(dir);
    const auto entries = [] {
        return QDir(testenv::ScratchDir())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    const QStringList before = entries();
    dialogs.Clear();
    PrintTo(dir);
    EXPECT_TRUE(QFileInfo(dir).isDir());
    EXPECT_EQ(Messages(), QStringList{"Vorbix|Nie mogłem zapisać pliku: " + dir + "."});
    EXPECT_EQ(entries(), before);
}

TEST_F(HexPrint, AnExistingFileIsReplacedWhole) {
    StartHex();
    Open("abc");
    const QString path = testenv::ScratchPath("old.pdf");
    testenv::WriteFile(path, "old content");
    PrintTo(path);
    EXPECT_TRUE(testenv::ReadFile(path).startsWith("%PDF"));
    EXPECT_TRUE(testenv::ReadFile(path).trimmed().endsWith("%%EOF"));
    EXPECT_EQ(Pages(path).size(), 1u);
}

TEST_F(HexPrint, PrinterSetupRunsThePageSetupOfTheCurrentPrinter) {
    StartHex();
    bool currentPrinter = false;
    dialogs.Answer([&](const seam::Request& r) {
        auto* setup = qobject_cast<QPageSetupDialog*>(r.dialog);
        currentPrinter = setup && setup->printer() == &CurrentPrinter();
        return seam::Reply::Reject();
    });
    Run(main->Printsetup1);
    EXPECT_EQ(dialogs.Asked(seam::Kind::Dialog).size(), 1u);
    EXPECT_TRUE(currentPrinter);
}

TEST_F(HexPrint, ThePagesTakeTheCurrentPrintersPageSettings) {
    StartHex();
    Open(Ascending(100));
    QPrinter& printer = CurrentPrinter();
    const QPageLayout kept = printer.pageLayout();
    const QString portrait = testenv::ScratchPath("portrait.pdf");
    printer.setPageOrientation(QPageLayout::Portrait);
    PrintTo(portrait);
    printer.setPageOrientation(QPageLayout::Landscape);
    const QString landscape = testenv::ScratchPath("landscape.pdf");
    PrintTo(landscape);
    printer.setPageLayout(kept);
    const QSizeF p = PageSize(portrait), l = PageSize(landscape);
    EXPECT_LT(p.width(), p.height());
    EXPECT_GT(l.width(), l.height());
    EXPECT_NEAR(p.width(), l.height(), 1.0);
}

TEST_F(HexPrint, APageTooSmallForALineStillPrintsOneLineAPage) {
    StartHex();
    Open(Ascending(40)); // three dump lines
    // Room for the header and one line, the footer overlapping it.
    QPrinter& printer = CurrentPrinter();
    const QPageLayout kept = printer.pageLayout();
    printer.setPageLayout(QPageLayout(QPageSize(QSizeF(150, 12), QPageSize::Millimeter),
                                      QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    const auto pages = PrintPages();
    printer.setPageLayout(kept);
    ASSERT_EQ(pages.size(), 3u);
    for (int p = 0; p < 3; ++p) {
        const QStringList& page = pages[size_t(p)];
        EXPECT_TRUE(page.join('\n').contains(QString("0x%1:").arg(p * 16, 2, 16, QChar('0'))))
            << page.join('\n').toStdString();
        EXPECT_TRUE(page.join('\n').contains(QString("Page %1").arg(p + 1)));
    }
}

TEST_F(HexPrint, EveryPageHasMarginsOfATwentiethOfThePage) {
    StartHex();
    Open(Ascending(16 * 150));
    const QString path = testenv::ScratchPath("margins.pdf");
    PrintTo(path);
    // The words of each page with their boxes, in points.
    const QString xml = ::Run("pdftotext", {"-bbox", path, "-"});
    const QStringList pageBlocks = xml.split("<page ").mid(1);
    ASSERT_GE(pageBlocks.size(), 2);
    const QRectF area = CurrentPrinter().pageLayout().paintRect(QPageLayout::Point);
    const double left = area.left() + area.width() / 20;
    const double top = area.top() + area.height() / 20;
    const double bottom = area.bottom() - area.height() / 20;
    const double right = area.right() - area.width() / 20;
    const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    double footerTop = -1;
    for (const QString& block : pageBlocks) {
        double minX = 1e9, minY = 1e9, maxX = 0, maxY = 0, pageTop = -1;
        for (auto it = word.globalMatch(block); it.hasNext();) {
            const auto m = it.next();
            minX = std::min(minX, m.captured(1).toDouble());
            minY = std::min(minY, m.captured(2).toDouble());
            maxX = std::max(maxX, m.captured(3).toDouble());
            maxY = std::max(maxY, m.captured(4).toDouble());
            if (m.captured(5) == "Page") pageTop = m.captured(2).toDouble();
        }
        EXPECT_NEAR(minX, left, 0.5);
        EXPECT_NEAR(minY, top, 1.0);
        EXPECT_LE(maxX, right + 0.5);
        EXPECT_LE(maxY, bottom + 0.5);
        ASSERT_GE(pageTop, 0) << "footer";
        if (footerTop < 0) footerTop = pageTop;
        EXPECT_NEAR(pageTop, footerTop, 0.01) << "the footer in the same place on every page";
    }
}

namespace {
// A PDF writer that notes the cursor shown whenever a page is started.
class CursorAtNewPage : public QPdfWriter {
public:
    using QPdfWriter::QPdfWriter;
    bool newPage() override {
        const QCursor* c = QGuiApplication::overrideCursor();
        shapes.push_back(c ? int(c->shape()) : -1);
        return QPdfWriter::newPage();
    }
    std::vector<int> shapes;
};
} // namespace

TEST_F(HexPrint, TheBusyCursorShowsWhilePagesAreDrawn) {
    StartHex();
    Open(Ascending(16 * 200));
    THexToCanvas layout;
    layout.SetHexEditor(&Hex());
    CursorAtNewPage pdf(testenv::ScratchPath("busy.pdf"));
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(PrintHexDump(layout, pdf));
    ASSERT_GE(pdf.shapes.size(), 2u);
    for (int shape : pdf.shapes)
        EXPECT_EQ(shape, int(Qt::WaitCursor));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
