// The dialog seam: what a scripted test sees of each modal step and what the
// caller gets back; the real file dialog's configuration.
#include "dialogs/dialogseam.h"
#include "dialogs/filedialog.h"
#include "tests/common/testenv.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>
#include <gtest/gtest.h>

using seam::Kind;
using seam::Reply;
using seam::ScriptedDialogs;

TEST(DialogSeamQuestion, ScriptedAnswersComeBackInOrder) {
    ScriptedDialogs dialogs;
    dialogs.Yes().No().Cancel();
    const auto buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    EXPECT_EQ(seam::Question(nullptr, "c", "t", buttons), QMessageBox::Yes);
    EXPECT_EQ(seam::Question(nullptr, "c", "t", buttons), QMessageBox::No);
    EXPECT_EQ(seam::Question(nullptr, "c", "t", buttons), QMessageBox::Cancel);
    EXPECT_TRUE(dialogs.Unexpected().empty());
}

TEST(DialogSeamQuestion, RequestCarriesCaptionTextButtonsAndIcon) {
    ScriptedDialogs dialogs;
    dialogs.No();
    seam::Question(nullptr, "Vorbix", "Zapisać?", QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::Warning);
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    const seam::Request& r = dialogs.Asked().front();
    EXPECT_EQ(r.kind, Kind::Question);
    EXPECT_EQ(r.caption, "Vorbix");
    EXPECT_EQ(r.text, "Zapisać?");
    EXPECT_EQ(r.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(r.icon, QMessageBox::Warning);
}

TEST(DialogSeamQuestion, UnansweredQuestionIsCancelAndRecorded) {
    ScriptedDialogs dialogs;
    EXPECT_EQ(seam::Question(nullptr, "c", "t", QMessageBox::Yes | QMessageBox::Cancel),
              QMessageBox::Cancel);
    ASSERT_EQ(dialogs.Unexpected().size(), 1u);
    EXPECT_EQ(dialogs.Unexpected().front().caption, "c");
}

TEST(DialogSeamMessage, MessageTakesNoScriptedAnswer) {
    ScriptedDialogs dialogs;
    dialogs.Accept("kept");
    QDialog dialog;
    seam::ShowMessage(dialog, "Znajdź", "Nie znalazłem.");
    EXPECT_EQ(dialogs.Pending(), 1u);
    ASSERT_EQ(dialogs.Asked(Kind::Message).size(), 1u);
    EXPECT_EQ(dialogs.Asked(Kind::Message).front().dialog, &dialog);
    EXPECT_EQ(dialogs.Asked(Kind::Message).front().text, "Nie znalazłem.");
}

TEST(DialogSeamFiles, FileDialogsReturnTheScriptedNameOrNothing) {
    ScriptedDialogs dialogs;
    dialogs.Accept("/tmp/a.txt").Reject();
    EXPECT_EQ(seam::OpenFileName(nullptr, {}, {}, "All|*.*").value_or(""), "/tmp/a.txt");
    EXPECT_FALSE(seam::SaveFileName(nullptr, {}, {}, "All|*.*").has_value());
    ASSERT_EQ(dialogs.Asked().size(), 2u);
    EXPECT_EQ(dialogs.Asked()[0].kind, Kind::OpenFile);
    EXPECT_EQ(dialogs.Asked()[1].kind, Kind::SaveFile);
}

TEST(DialogSeamFiles, FileDialogOffersItsNameAndKeepsTheChosenOne) {
    ScriptedDialogs dialogs;
    dialogs.Accept("/tmp/new.txt").Reject();
    TFileDialog dialog{TFileDialog::Save, "Dokumenty tekstowe|*.txt", "txt", "Tytuł",
                       "/tmp/old.txt"};
    EXPECT_TRUE(dialog.Execute(nullptr));
    EXPECT_EQ(dialog.FileName, "/tmp/new.txt");
    EXPECT_FALSE(dialog.Execute(nullptr));
    EXPECT_EQ(dialog.FileName, "/tmp/new.txt"); // a cancel changes nothing
    const seam::Request& first = dialogs.Asked()[0];
    EXPECT_EQ(first.value, "/tmp/old.txt");
    EXPECT_EQ(first.filter, "Dokumenty tekstowe|*.txt");
    EXPECT_EQ(first.defaultSuffix, "txt");
    EXPECT_EQ(first.caption, "Tytuł");
    EXPECT_EQ(dialogs.Asked()[1].value, "/tmp/new.txt");
}

TEST(DialogSeamInput, InputBoxGetsCaptionPromptAndStartText) {
    ScriptedDialogs dialogs;
    dialogs.Accept("42").Reject();
    EXPECT_EQ(seam::InputText(nullptr, "Idź do", "Wpisz pozycję", "7").value_or(""), "42");
    EXPECT_FALSE(seam::InputText(nullptr, "Idź do", "Wpisz pozycję", "7").has_value());
    const seam::Request& r = dialogs.Asked()[0];
    EXPECT_EQ(r.kind, Kind::Input);
    EXPECT_EQ(r.caption, "Idź do");
    EXPECT_EQ(r.text, "Wpisz pozycję");
    EXPECT_EQ(r.value, "7");
}

TEST(DialogSeamDialog, RunDialogHandsTheDialogToTheAnswerAndReturnsItsResult) {
    ScriptedDialogs dialogs;
    dialogs.Answer([](const seam::Request& r) {
        r.dialog->setWindowTitle("touched");
        return Reply::Result(QDialog::Accepted);
    });
    QDialog dialog;
    dialog.setWindowTitle("Konwertuj plik");
    EXPECT_EQ(seam::RunDialog(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.windowTitle(), "touched");
    EXPECT_EQ(dialogs.Asked()[0].caption, "Konwertuj plik");
}

TEST(DialogSeamHook, ScriptRemovesItselfAndRestoresTheOuterOne) {
    EXPECT_FALSE(seam::HasHook());
    {
        ScriptedDialogs outer;
        {
            ScriptedDialogs inner;
            inner.Yes();
            EXPECT_EQ(seam::Question(nullptr, "c", "t", QMessageBox::Yes), QMessageBox::Yes);
        }
        seam::Question(nullptr, "c", "t", QMessageBox::Yes | QMessageBox::Cancel);
        EXPECT_EQ(outer.Unexpected().size(), 1u);
    }
    EXPECT_FALSE(seam::HasHook());
}

TEST(DialogSeamFilters, FiltersBecomeQtNameFilters) {
    EXPECT_EQ(seam::ToQtFilters("Dokumenty tekstowe|*.txt|Wszystkie pliki|*.*"),
              QStringList({"Dokumenty tekstowe (*.txt)", "Wszystkie pliki (*)"}));
    EXPECT_EQ(seam::ToQtFilters("Strony WWW|*.htm;*.html"),
              QStringList({"Strony WWW (*.htm *.html)"}));
}

namespace {
// Runs fn on the real modal dialog once it is open.
void WhenModalOpens(std::function<void(QFileDialog*)> fn) {
    QTimer::singleShot(0, [fn] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        fn(dialog);
    });
}
} // namespace

TEST(DialogSeamRealFileDialog, SaveDialogAcceptsANewName) {
    const QString path = testenv::ScratchPath("brand-new.txt");
    WhenModalOpens([&](QFileDialog* d) {
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
        d->selectFile(path);
        static_cast<QDialog*>(d)->accept();
    });
    const auto chosen = seam::SaveFileName(nullptr, {}, {}, "Wszystkie pliki|*.*");
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(QFileInfo(*chosen).absoluteFilePath(), QFileInfo(path).absoluteFilePath());
}

TEST(DialogSeamRealFileDialog, SaveDialogTakesAnExistingFileWithoutAsking) {
    const QString path = testenv::ScratchPath("existing.txt");
    testenv::WriteFile(path, "x");
    WhenModalOpens([&](QFileDialog* d) {
        EXPECT_TRUE(d->testOption(QFileDialog::DontConfirmOverwrite));
        d->selectFile(path);
        static_cast<QDialog*>(d)->accept(); // a question box here would never be answered
    });
    EXPECT_TRUE(seam::SaveFileName(nullptr, {}, {}, "Wszystkie pliki|*.*").has_value());
}

TEST(DialogSeamRealFileDialog, SaveDialogOpensOnTheOfferedNameAndAddsTheDefaultSuffix) {
    const QString offered = testenv::ScratchPath("offered.txt");
    WhenModalOpens([&](QFileDialog* d) {
        EXPECT_EQ(QFileInfo(d->directory().absolutePath()).absoluteFilePath(),
                  QFileInfo(QFileInfo(offered).absolutePath()).absoluteFilePath());
        EXPECT_EQ(d->defaultSuffix(), "txt");
        d->selectFile(QFileInfo(offered).absolutePath() + "/plain");
        static_cast<QDialog*>(d)->accept();
    });
    const auto chosen = seam::SaveFileName(nullptr, {}, offered, "Dokumenty tekstowe|*.txt", "txt");
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(chosen->endsWith("/plain.txt")) << chosen->toStdString();
}

TEST(DialogSeamRealFileDialog, OpenDialogTakesOnlyExistingFiles) {
    const QString path = testenv::ScratchPath("there.txt");
    testenv::WriteFile(path, "x");
    WhenModalOpens([&](QFileDialog* d) {
        EXPECT_EQ(d->fileMode(), QFileDialog::ExistingFile);
        d->selectFile(path);
        static_cast<QDialog*>(d)->accept();
    });
    const auto chosen = seam::OpenFileName(nullptr, {}, {}, "Wszystkie pliki|*.*");
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(QFileInfo(*chosen).absoluteFilePath(), QFileInfo(path).absoluteFilePath());
}

TEST(DialogSeamRealFileDialog, CancelGivesNothing) {
    WhenModalOpens([](QFileDialog* d) { d->reject(); });
    EXPECT_FALSE(seam::OpenFileName(nullptr, {}, {}, "Wszystkie pliki|*.*").has_value());
}
