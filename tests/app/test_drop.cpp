// Files dropped on the window open in the text editor, whichever tab is shown.
#include "tests/app/programfixture.h"
#include "tests/common/testenv.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>

namespace {
class Drop : public ProgramTest {
protected:
    // Delivers a drop of the urls to target (the window unless given).
    bool DropOn(const QList<QUrl>& urls, QWidget* target = nullptr) {
        target = target ? target : main;
        QMimeData mime;
        mime.setUrls(urls);
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }
    QString File(const char* name, const QByteArray& bytes) {
        const QString path = testenv::ScratchPath(name);
        testenv::WriteFile(path, bytes);
        return path;
    }
};
} // namespace

TEST_F(Drop, DroppedFileOpensInTheTextEditor) {
    Start();
    const QString path = File("drop.txt", "dropped");
    EXPECT_TRUE(DropOn({QUrl::fromLocalFile(path)}));
    EXPECT_EQ(Editor().Text(), "dropped");
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + path);
    EXPECT_EQ(main->DialZap1.FileName, path);
    EXPECT_EQ(main->DialOtw1.FileName, path);
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
}

TEST_F(Drop, OnlyTheFirstLocalFileIsUsed) {
    Start();
    const QString first = File("first.txt", "first");
    const QString second = File("second.txt", "second");
    DropOn({QUrl("https://example.com/x.txt"), QUrl::fromLocalFile(first),
            QUrl::fromLocalFile(second)});
    EXPECT_EQ(Editor().Text(), "first");
}

TEST_F(Drop, DropOnTheEditorReachesTheWindow) {
    Start();
    const QString path = File("editor.txt", "through the editor");
    DropOn({QUrl::fromLocalFile(path)}, Editor().Widget()->viewport());
    EXPECT_EQ(Editor().Text(), "through the editor");
}

TEST_F(Drop, DropWhileTheHexTabIsShownLoadsTheTextAndKeepsTheHexTab) {
    Start();
    main->PageControl1->setCurrentIndex(1);
    Settle();
    const QString path = File("hex-tab.txt", "text");
    DropOn({QUrl::fromLocalFile(path)});
    EXPECT_EQ(Editor().Text(), "text");
    EXPECT_EQ(main->PageControl1->currentIndex(), 1);
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - Bez nazwy");
    EXPECT_EQ(main->Tyt1, "Vorbix 2 - " + path);
    main->PageControl1->setCurrentIndex(0);
    Settle();
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + path);
}

TEST_F(Drop, ModifiedTextIsAskedAboutAndCancelKeepsIt) {
    Start();
    Type("mine");
    dialogs.Cancel();
    DropOn({QUrl::fromLocalFile(File("other.txt", "other"))});
    EXPECT_EQ(Editor().Text(), "mine");
    EXPECT_TRUE(main->TextModified());
    EXPECT_EQ(dialogs.Asked(seam::Kind::Question).size(), 1u);
}

TEST_F(Drop, YesThenCancelledSaveAsKeepsTheText) {
    Start();
    Type("mine");
    dialogs.Yes().Reject();
    DropOn({QUrl::fromLocalFile(File("other.txt", "other"))});
    EXPECT_EQ(Editor().Text(), "mine");
    EXPECT_TRUE(main->TextModified());
}

TEST_F(Drop, UnreadableFileShowsTheErrorAndChangesNothing) {
    const QString path = File("kept.txt", "kept");
    Start({path});
    const bool accepted = DropOn({QUrl::fromLocalFile(testenv::ScratchPath("missing.txt"))});
    EXPECT_TRUE(accepted); // the drop is finished either way
    EXPECT_EQ(Messages(), QStringList({kUnknownError}));
    EXPECT_EQ(Editor().Text(), "kept");
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + path);
    EXPECT_EQ(main->DialZap1.FileName, path);
}

TEST_F(Drop, DropWithoutFilesDoesNothing) {
    Start();
    Type("x");
    QMimeData mime;
    mime.setText("just text");
    EXPECT_FALSE(main->HandleDroppedFiles(&mime));
    EXPECT_EQ(Editor().Text(), "x");
    EXPECT_TRUE(dialogs.Asked().empty());
}
