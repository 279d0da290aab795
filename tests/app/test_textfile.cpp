// The text tab's New, Open, Save and Save as.
#include "tests/app/programfixture.h"
#include "tests/common/testenv.h"

using TextFile = ProgramTest;

TEST_F(TextFile, SaveWritesANamedDocumentWithoutAsking) {
    const QString path = testenv::ScratchPath("named.txt");
    testenv::WriteFile(path, "a\nb");
    Start({path});
    Editor().SetSelStart(Editor().TextLength());
    Type("c");
    main->Zapisz2->trigger();
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("a\nbc"));
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + path);
    EXPECT_TRUE(dialogs.Asked().empty());
}

TEST_F(TextFile, SaveOnAnUntitledDocumentAsksForANewName) {
    const QString path = testenv::ScratchPath("fresh.txt");
    Start();
    Type("fresh");
    dialogs.Accept(path);
    main->Zapisz2->trigger();
    EXPECT_EQ(testenv::ReadFile(path), QByteArray("fresh"));
    EXPECT_EQ(main->DialZap1.FileName, path);
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + path);
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
    const auto asked = dialogs.Asked(seam::Kind::SaveFile);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].filter, "Dokumenty tekstowe|*.txt|Inny plik|*.*");
    EXPECT_EQ(asked[0].defaultSuffix, "txt");
}

TEST_F(TextFile, CancelledSaveAsLeavesTheDocumentModifiedAndUntitled) {
    Start();
    Type("x");
    dialogs.Reject();
    main->Zapiszjako2->trigger();
    EXPECT_TRUE(main->TextModified());
    EXPECT_TRUE(main->DialZap1.FileName.isEmpty());
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - Bez nazwy");
}

TEST_F(TextFile, SaveAsOffersTheCurrentName) {
    const QString path = testenv::ScratchPath("current.txt");
    testenv::WriteFile(path, "x");
    Start({path});
    dialogs.Reject();
    main->Zapiszjako2->trigger();
    ASSERT_EQ(dialogs.Asked().size(), 1u);
    EXPECT_EQ(dialogs.Asked()[0].value, path);
}

TEST_F(TextFile, FailedSaveAsKeepsTheOldName) {
    const QString path = testenv::ScratchPath("old-name.txt");
    testenv::WriteFile(path, "x");
    Start({path});
    dialogs.Accept(kNoRegularFile);
    main->Zapiszjako2->trigger();
    EXPECT_EQ(Messages(), QStringList({kUnknownError}));
    EXPECT_EQ(main->DialZap1.FileName, path);
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + path);
}

TEST_F(TextFile, NewClearsTheDocument) {
    const QString path = testenv::ScratchPath("was.txt");
    testenv::WriteFile(path, "was");
    Start({path});
    main->Nowy2->trigger();
    EXPECT_EQ(Editor().TextLength(), 0);
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
    EXPECT_TRUE(main->DialZap1.FileName.isEmpty());
    EXPECT_TRUE(main->DialOtw1.FileName.isEmpty());
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - Bez nazwy");
}

TEST_F(TextFile, NewAfterYesAndACancelledSaveAsKeepsTheText) {
    Start();
    Type("keep me");
    dialogs.Yes().Reject();
    main->Nowy2->trigger();
    EXPECT_EQ(Editor().Text(), "keep me");
    EXPECT_TRUE(main->TextModified());
}

TEST_F(TextFile, OpenLoadsTheChosenFile) {
    const QString path = testenv::ScratchPath("chosen.txt");
    testenv::WriteFile(path, "chosen");
    Start();
    dialogs.Accept(path);
    main->Otwrz2->trigger();
    EXPECT_EQ(Editor().Text(), "chosen");
    EXPECT_EQ(main->windowTitle(), "Vorbix 2 - " + path);
    EXPECT_EQ(main->DialZap1.FileName, path);
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
    ASSERT_EQ(dialogs.Asked(seam::Kind::OpenFile).size(), 1u);
    EXPECT_EQ(dialogs.Asked(seam::Kind::OpenFile)[0].filter,
              "Dokumenty tekstowe|*.txt|Wszystkie pliki|*.*");
}

TEST_F(TextFile, OpenCancelledChangesNothing) {
    Start();
    Type("here");
    dialogs.No().Reject();
    main->Otwrz2->trigger();
    EXPECT_EQ(Editor().Text(), "here");
}
