// Save dialogs carry "path must exist": a name in a folder that does not
// exist, or a folder, keeps the dialog open for another choice.
#include "dialogs/dialogseam.h"
#include "dialogs/filedialog.h"
#include "tests/common/testenv.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

using seam::Kind;
using seam::ScriptedDialogs;

TEST(PathMustExist, AScriptedNameInAMissingFolderIsAskedAgain) {
    const QString missing = testenv::ScratchPath("no-such-folder") + "/x.txt";
    const QString good = testenv::ScratchPath("good.txt");
    ScriptedDialogs dialogs;
    dialogs.Accept(missing).Accept(testenv::ScratchDir()).Accept(good);
    TFileDialog dialog{TFileDialog::Save, "Dokumenty tekstowe|*.txt", "txt", {}, "/tmp/old.txt"};
    ASSERT_TRUE(dialog.Execute(nullptr));
    EXPECT_EQ(dialog.FileName, good);
    EXPECT_EQ(dialogs.Asked(Kind::SaveFile).size(), 3u);
    EXPECT_TRUE(dialogs.Unexpected().empty());
}

TEST(PathMustExist, GivingUpAfterARefusedNameIsACancel) {
    const QString missing = testenv::ScratchPath("gone") + "/sub/x.txt";
    ScriptedDialogs dialogs;
    dialogs.Accept(missing);
    TFileDialog dialog{TFileDialog::Save, "Wszystkie pliki|*.*", {}, {}, "/tmp/old.txt"};
    EXPECT_FALSE(dialog.Execute(nullptr));
    EXPECT_EQ(dialog.FileName, "/tmp/old.txt");
    EXPECT_EQ(dialogs.Unexpected().size(), 1u);
}

TEST(PathMustExist, OpenDialogsAreLeftToTheirOwnRule) {
    // An open dialog takes only existing files anyway; its answer passes unchanged.
    ScriptedDialogs dialogs;
    dialogs.Accept("/tmp/x.txt");
    EXPECT_EQ(seam::OpenFileName(nullptr, {}, {}, "All|*.*").value_or(""), "/tmp/x.txt");
}

TEST(PathMustExist, TheRealSaveDialogStaysOpenOnAMissingFolder) {
    const QString missing = testenv::ScratchPath("absent") + "/x.txt";
    const QString good = testenv::ScratchPath("chosen.txt");
    int warnings = 0;
    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        // The refusal explains itself in a box of its own; close it when it comes.
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++warnings;
                EXPECT_TRUE(box->text().contains("nie istnieje")) << box->text().toStdString();
                box->accept();
            }
        });
        dialog->selectFile(missing);
        static_cast<QDialog*>(dialog)->accept();
        stayedOpen = dialog->isVisible() && dialog->result() != QDialog::Accepted;
        dialog->selectFile(good);
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto chosen = seam::SaveFileName(nullptr, {}, {}, "Wszystkie pliki|*.*");
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(warnings, 1);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(QFileInfo(*chosen).absoluteFilePath(), QFileInfo(good).absoluteFilePath());
}
