// Closing with modified documents: the text prompt first, then the hex prompt;
// Yes saves, No discards, Cancel keeps the window open.
#include "tests/app/programfixture.h"
#include "tests/common/testenv.h"

#include <QFile>

namespace {
class Prompts : public ProgramTest {
protected:
    void ModifyHex() {
        const uint8_t bytes[3] = {0x01, 0xAB, 0xFF};
        main->HexEditor1->AppendBuffer(bytes, 3);
        Settle();
        ASSERT_TRUE(main->HexEditor1->Modified());
    }
    QStringList Questions() const {
        QStringList out;
        for (const auto& r : dialogs.Asked(seam::Kind::Question))
            out << r.text;
        return out;
    }
    const QString textPrompt = "Plik został zmieniony. Zapisać zmiany ?";
    const QString hexPrompt = "Plik w edytorze heksacyjnym został zmieniony. Zapisać zmiany ?";
};
} // namespace

TEST_F(Prompts, UnmodifiedDocumentsCloseWithoutAQuestion) {
    Start();
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(dialogs.Asked().empty());
}

TEST_F(Prompts, TextPromptIsAWarningUnderVorbixWithYesNoCancel) {
    Start();
    Type("x");
    dialogs.Cancel();
    main->close();
    ASSERT_EQ(dialogs.Asked(seam::Kind::Question).size(), 1u);
    const seam::Request& r = dialogs.Asked()[0];
    EXPECT_EQ(r.caption, "Vorbix");
    EXPECT_EQ(r.text, textPrompt);
    EXPECT_EQ(r.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(r.icon, QMessageBox::Warning);
}

TEST_F(Prompts, TextYesSavesToItsFileAndCloses) {
    const QString path = testenv::ScratchPath("yes.txt");
    testenv::WriteFile(path, "old");
    Start({path});
    Editor().SetSelStart(3);
    Type("new");
    dialogs.Yes();
    EXPECT_TRUE(main->close());
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("oldnew"));
    EXPECT_EQ(Questions(), QStringList({textPrompt}));
}

TEST_F(Prompts, TextNoClosesWithoutSaving) {
    const QString path = testenv::ScratchPath("no.txt");
    testenv::WriteFile(path, "old");
    Start({path});
    Type("lost");
    dialogs.No();
    EXPECT_TRUE(main->close());
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("old"));
}

TEST_F(Prompts, TextCancelKeepsTheWindowOpen) {
    Start();
    Type("kept");
    dialogs.Cancel();
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->TextModified());
    EXPECT_TRUE(dialogs.Unexpected().empty());
}

TEST_F(Prompts, TextYesOnAnUntitledDocumentSavesUnderTheChosenName) {
    const QString path = testenv::ScratchPath("chosen.txt");
    Start();
    Type("hello");
    dialogs.Yes().Accept(path);
    EXPECT_TRUE(main->close());
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("hello"));
    EXPECT_EQ(dialogs.Asked(seam::Kind::SaveFile).size(), 1u);
}

TEST_F(Prompts, TextYesThenCancelledSaveAsKeepsTheWindowOpenAndTheText) {
    Start();
    Type("precious");
    dialogs.Yes().Reject();
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(Editor().Text(), "precious");
    EXPECT_TRUE(main->TextModified());
    EXPECT_TRUE(dialogs.Unexpected().empty()); // the hex prompt was never reached
}

TEST_F(Prompts, TextYesWithAFailingSaveShowsTheErrorAndKeepsTheWindowOpen) {
    Start();
    Type("text");
    main->DialZap1.FileName = testenv::ScratchPath("no-folder") + "/file.txt";
    dialogs.Yes();
    EXPECT_FALSE(main->close());
    EXPECT_EQ(Messages(), QStringList({kUnknownError}));
    EXPECT_TRUE(main->TextModified());
}

TEST_F(Prompts, BothModifiedAsksAboutTheTextFirstThenTheHex) {
    Start();
    Type("t");
    ModifyHex();
    dialogs.No().No();
    EXPECT_TRUE(main->close());
    EXPECT_EQ(Questions(), QStringList({textPrompt, hexPrompt}));
}

TEST_F(Prompts, HexCancelKeepsTheWindowOpen) {
    Start();
    ModifyHex();
    dialogs.Cancel();
    EXPECT_FALSE(main->close());
    EXPECT_EQ(Questions(), QStringList({hexPrompt}));
}

TEST_F(Prompts, TextCancelNeverAsksAboutTheHex) {
    Start();
    Type("t");
    ModifyHex();
    dialogs.Cancel();
    EXPECT_FALSE(main->close());
    EXPECT_EQ(Questions(), QStringList({textPrompt}));
}

TEST_F(Prompts, HexYesSavesAnUntitledDocumentUnderTheChosenName) {
    const QString path = testenv::ScratchPath("hex.bin");
    Start();
    ModifyHex();
    dialogs.Yes().Accept(path);
    EXPECT_TRUE(main->close());
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("\x01\xab\xff"));
    ASSERT_EQ(dialogs.Asked(seam::Kind::SaveFile).size(), 1u);
    EXPECT_EQ(dialogs.Asked(seam::Kind::SaveFile)[0].filter, "Wszystkie pliki|*.*");
}

TEST_F(Prompts, HexYesThenCancelledSaveDialogKeepsTheWindowOpen) {
    Start();
    ModifyHex();
    dialogs.Yes().Reject();
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->HexEditor1->Modified());
}

TEST_F(Prompts, HexSaveThatFailsIsReportedAndKeepsTheWindowOpen) {
    const QString path = kNoRegularFile;
    Start();
    ModifyHex();
    dialogs.Yes().Accept(path);
    EXPECT_FALSE(main->close());
    EXPECT_EQ(Messages(), QStringList({"Vorbix|Nie mogłem zapisać pliku: " + path + "."}));
}

TEST_F(Prompts, HexNoClosesWithoutSaving) {
    Start();
    ModifyHex();
    dialogs.No();
    EXPECT_TRUE(main->close());
}

TEST_F(Prompts, KoniecInEitherMenuRunsTheCloseQuery) {
    Start();
    Type("x");
    dialogs.Cancel().Cancel();
    main->Koniec2->trigger();
    EXPECT_TRUE(main->isVisible());
    main->Beenden1->trigger();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(Questions(), QStringList({textPrompt, textPrompt}));
    dialogs.No();
    main->Koniec2->trigger();
    EXPECT_FALSE(main->isVisible());
}
