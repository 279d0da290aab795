// Files too big for an editor are refused with a clear message, and both
// documents stay exactly as they were.
#include "tests/app/hexfixture.h"
#include "tests/common/testenv.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

const QString kHexTooBig =
    QStringLiteral("Otwieranie pliku|Plik jest za duży dla edytora heksacyjnego (największy "
                   "rozmiar to 2 GiB bez jednego bajtu).");
const QString kTextTooBig = QStringLiteral(
    "Otwieranie pliku|Plik jest za duży dla edytora tekstu. Otwórz go w edytorze heksacyjnym.");

// A sparse file of size bytes: nothing but a hole and a last byte.
QString SparseFile(const QString& name, qint64 size) {
    const QString path = testenv::ScratchPath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    EXPECT_TRUE(f.resize(size - 1));
    EXPECT_TRUE(f.seek(size - 1));
    EXPECT_EQ(f.write("!", 1), 1);
    return path;
}

class TooBig : public HexProgramTest {
protected:
    // A text document with a name, changed since it was opened.
    QString OpenChangedText() {
        const QString path = testenv::ScratchPath("mine.txt");
        testenv::WriteFile(path, "mine");
        Start({path});
        Type("+");
        return path;
    }
    void ExpectTextAsBefore(const QString& path) {
        EXPECT_EQ(Editor().Text(), "+mine");
        EXPECT_TRUE(main->TextModified());
        EXPECT_EQ(main->DialZap1.FileName, path);
        EXPECT_EQ(main->DialOtw1.FileName, path);
        EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + path);
    }
};

TEST_F(TooBig, AHexFileOfTwoGibIsRefusedAndTheHexDocumentStays) {
    const QString big = SparseFile("two-gib.bin", qint64(1) << 31);
    StartHex();
    const QString path = Open("keep");
    Hex().ChangeByte(0, 'k', 'K');
    Settle();
    dialogs.No().Accept(big); // the save prompt, then the open dialog
    Run(main->ffnen1);
    EXPECT_EQ(Messages(), QStringList({kHexTooBig}));
    EXPECT_EQ(Hex().FileName(), path);
    EXPECT_EQ(Hex().DataSize(), 4);
    EXPECT_TRUE(Hex().Modified());
    EXPECT_FALSE(Hex().FileReadOnly());
    EXPECT_EQ(Data(), QByteArray("Keep"));
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + path);
}

TEST_F(TooBig, ATextFileOverTheLimitIsRefusedByOpen) {
    const QString big = SparseFile("big.txt", TTextControl::MaxFileBytes + 1);
    const QString path = OpenChangedText();
    dialogs.No().Accept(big);
    main->Otwrz2->trigger();
    EXPECT_EQ(Messages(), QStringList({kTextTooBig}));
    ExpectTextAsBefore(path);
}

TEST_F(TooBig, ATextFileOverTheLimitIsRefusedWhenDropped) {
    const QString big = SparseFile("dropped.txt", TTextControl::MaxFileBytes + 1);
    const QString path = OpenChangedText();
    dialogs.No();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(big)});
    const QPointF at(main->width() / 2.0, main->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(main, &enter);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(main, &drop);
    EXPECT_EQ(Messages(), QStringList({kTextTooBig}));
    ExpectTextAsBefore(path);
}

TEST_F(TooBig, ATextFileOverTheLimitOnTheCommandLineStartsAnEmptyDocument) {
    const QString big = SparseFile("start.txt", TTextControl::MaxFileBytes + 1);
    Start({big});
    EXPECT_EQ(Messages(), QStringList({kTextTooBig}));
    EXPECT_EQ(Editor().Text(), "");
    EXPECT_FALSE(main->TextModified());
    EXPECT_TRUE(main->DialZap1.FileName.isEmpty());
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - Bez nazwy");
}

} // namespace
