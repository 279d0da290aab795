// The hex tab's "&Edycja" commands: enabling, undo, clipboard, go to, find,
// typed replacements, and the conversion through its dialog.
#include "hexeditor/core/charsets.h"
#include "tests/app/hexfixture.h"
#include "dialogs/konwer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>

namespace {
class HexEdit : public HexProgramTest {
protected:
    void Select(int32_t from, int32_t to) {
        Hex().SetSelStart(from);
        Hex().SetSelEnd(to);
        Settle();
    }
    static QClipboard* Clipboard() { return QGuiApplication::clipboard(); }
    void GoTo(const QString& typed) {
        dialogs.Accept(typed);
        Run(main->Goto1);
    }
    void Find(const QString& typed) {
        dialogs.Accept(typed);
        Run(main->Find1);
    }
    const QString kBadPosition = QStringLiteral("Idź do|Nieprawidłowa pozycja.");
    const QString kNotFound = QStringLiteral("Znajdź|Nie znalazłem podanego ciągu znaków.");
};

// Answers the conversion dialog by choosing rows (-1: none) and confirming.
std::function<seam::Reply(const seam::Request&)>
ChooseSets(int from, int to, bool* enabled = nullptr, QString* caption = nullptr) {
    return [=](const seam::Request& r) {
        auto* dialog = dynamic_cast<TKonwert*>(r.dialog);
        if (!dialog) return seam::Reply::Reject();
        if (from >= 0) dialog->ListBox1->setCurrentRow(from);
        if (to >= 0) dialog->ListBox2->setCurrentRow(to);
        if (enabled) *enabled = dialog->PrzycKonw1->isEnabled();
        if (caption) *caption = dialog->windowTitle();
        if (!dialog->PrzycKonw1->isEnabled()) return seam::Reply::Reject();
        dialog->PrzycKonw1->click();
        return seam::Reply::Result(dialog->result());
    };
}

QByteArray Converted(int from, int to, QByteArray bytes) {
    auto* p = reinterpret_cast<uint8_t*>(bytes.data());
    TranslateToAnsi(from, p, p, int32_t(bytes.size()));
    TranslateFromAnsi(to, p, p, int32_t(bytes.size()));
    return bytes;
}
} // namespace

// ---- Enabling -----------------------------------------------------------------------------

TEST_F(HexEdit, EdycjaMenuEnablesByUndoSelectionClipboardAndData) {
    StartHex();
    Clipboard()->clear();
    OpenMenu(main->Bearbeiten1);
    EXPECT_FALSE(main->Rckgngig1->isEnabled());
    EXPECT_FALSE(main->Kopieren1->isEnabled());
    EXPECT_FALSE(main->Ausschneiden1->isEnabled());
    EXPECT_FALSE(main->Einfgen1->isEnabled());
    EXPECT_FALSE(main->PasteText1->isEnabled());
    EXPECT_FALSE(main->Goto1->isEnabled());
    EXPECT_FALSE(main->Find1->isEnabled());
    EXPECT_FALSE(main->Convertfile1->isEnabled());
    EXPECT_TRUE(main->SetAsHex1->isEnabled());
    EXPECT_TRUE(main->SetAsText1->isEnabled());

    Open("abcd");
    Hex().ChangeByte(0, 'a', 'b');
    Select(1, 2);
    Clipboard()->setText("41");
    OpenMenu(main->Bearbeiten1);
    for (QAction* a : {main->Rckgngig1, main->Kopieren1, main->Ausschneiden1, main->Einfgen1,
                       main->PasteText1, main->Goto1, main->Find1, main->Convertfile1})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
}

TEST_F(HexEdit, ShortcutsStayUsableAfterAToolButtonFoundNothingToCopy) {
    StartHex();
    Open("abcd");
    Clipboard()->setText("untouched");
    Run(main->SpeedItem7); // nothing selected
    EXPECT_EQ(Clipboard()->text(), "untouched");
    Select(0, 1);
    QTest::keyClick(&Hex(), Qt::Key_C, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(Clipboard()->text(), "6162");
}

// ---- Undo, copy, cut, paste ------------------------------------------------------------------

TEST_F(HexEdit, UndoRevertsTheLastEdit) {
    StartHex();
    Open("abc");
    Hex().ChangeByte(2, 'c', 'x');
    Run(main->Rckgngig1);
    EXPECT_EQ(Data(), QByteArray("abc"));
    Run(main->Rckgngig1); // nothing left: harmless
    EXPECT_EQ(Data(), QByteArray("abc"));
}

TEST_F(HexEdit, CopyPutsUpperCaseHexNeverNibbleSwapped) {
    StartHex();
    Open(QByteArray("\x00\x7F\xFF\x10", 4));
    Select(2, 0);
    Run(main->Kopieren1);
    EXPECT_EQ(Clipboard()->text(), "007FFF");
    Hex().SetSwapNibbles(true);
    Clipboard()->clear();
    Run(main->SpeedItem7);
    EXPECT_EQ(Clipboard()->text(), "007FFF");
    EXPECT_EQ(Hex().DataSize(), 4);
}

TEST_F(HexEdit, CutCopiesAndRemovesTheSelectionAsOneStep) {
    StartHex();
    Open("abcdef");
    Select(1, 3);
    Run(main->Ausschneiden1);
    EXPECT_EQ(Clipboard()->text(), "626364");
    EXPECT_EQ(Data(), QByteArray("aef"));
    Run(main->Rckgngig1);
    EXPECT_EQ(Data(), QByteArray("abcdef"));
}

TEST_F(HexEdit, CutWithoutSelectionDoesNothing) {
    StartHex();
    Open("abc");
    Clipboard()->setText("keep");
    Run(main->SpeedItem6);
    EXPECT_EQ(Data(), QByteArray("abc"));
    EXPECT_EQ(Clipboard()->text(), "keep");
}

TEST_F(HexEdit, PasteDecodesHexPairsAndInsertsAtTheCaretInOverwriteMode) {
    StartHex();
    Open("ab");
    ASSERT_FALSE(Hex().InsertMode());
    Clipboard()->setText("0a Bc,d");
    Run(main->Einfgen1);
    EXPECT_EQ(Data(), QByteArray("\x0A\xBC"
                                 "ab"));
    EXPECT_EQ(Hex().SelCount(), 2);
}

TEST_F(HexEdit, PasteWithoutHexDigitsRemovesTheSelectedBytes) {
    StartHex();
    Open("abcdef");
    Select(1, 4);
    Clipboard()->setText("xyz!");
    Run(main->SpeedItem8);
    EXPECT_EQ(Data(), QByteArray("af"));
}

TEST_F(HexEdit, PasteTextInsertsTheTextsOwnBytesWhateverTheTranslation) {
    StartHex();
    Open("z");
    Hex().SetTranslation(ttEBCDIC);
    Clipboard()->setText("AB");
    Run(main->PasteText1);
    EXPECT_EQ(Data(), QByteArray("ABz"));
}

TEST_F(HexEdit, PasteWithAnEmptyClipboardDoesNothing) {
    StartHex();
    Open("ab");
    Clipboard()->clear();
    Run(main->Einfgen1);
    Run(main->PasteText1);
    EXPECT_EQ(Data(), QByteArray("ab"));
}

// ---- Go to ------------------------------------------------------------------------------------

TEST_F(HexEdit, GoToAsksWithTheCurrentPosition) {
    StartHex();
    Open(QByteArray(40, 'x'));
    GoTo("7");
    dialogs.Reject();
    Run(main->Goto1);
    EXPECT_EQ(Inputs(), QStringList({"Idź do|Wpisz pozycję|0", "Idź do|Wpisz pozycję|7"}));
}

TEST_F(HexEdit, GoToReadsHexAndDecimalPositions) {
    StartHex();
    Open(QByteArray(40, 'x'));
    for (const QString& typed : QStringList{"0x10", "0X10", "$10", "16", " +16", "x10"}) {
        Hex().Seek(0, 0, true);
        Select(3, 5);
        GoTo(typed);
        EXPECT_EQ(Hex().CurrentPosition(), 16) << typed.toStdString();
        EXPECT_EQ(Hex().SelCount(), 0);
    }
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(HexEdit, GoToOutsideTheDataOrToANonNumberShowsTheErrorAndKeepsTheCaret) {
    StartHex();
    Open(QByteArray(40, 'x'));
    GoTo("5");
    Select(5, 8);
    for (const QString& typed : QStringList{"-1", "40", "12abc", "", "0x"}) {
        GoTo(typed);
        EXPECT_EQ(Hex().SelCount(), 4) << typed.toStdString();
    }
    EXPECT_EQ(Messages(), QStringList(5, kBadPosition));
    GoTo("39");
    EXPECT_EQ(Hex().CurrentPosition(), 39);
}

TEST_F(HexEdit, GoToAndFindOnEmptyDataAskNothing) {
    StartHex();
    main->Goto1Click();
    main->Find1Click();
    EXPECT_TRUE(dialogs.Asked().empty());
}

// ---- Find -------------------------------------------------------------------------------------

TEST_F(HexEdit, FindSelectsTheMatchWithTheCaretOnItsLastByteThenMovesOn) {
    StartHex();
    Open(QByteArray("\x00\x41\x42\x43", 4));
    ASSERT_FALSE(Hex().InsertMode());
    Find("41 42");
    EXPECT_EQ(Hex().SelCount(), 2);
    EXPECT_EQ(qMin(Hex().SelStart(), Hex().SelEnd()), 1);
    EXPECT_EQ(qMax(Hex().SelStart(), Hex().SelEnd()), 2);
    EXPECT_EQ(Hex().CurrentPosition(), 2);
    EXPECT_TRUE(Messages().isEmpty());
    Find("41 42");
    EXPECT_EQ(Messages(), QStringList({kNotFound}));
    EXPECT_EQ(Hex().CurrentPosition(), 2);
    EXPECT_EQ(Hex().SelCount(), 2);
}

TEST_F(HexEdit, FindRemembersTheTypedTextForTheNextFind) {
    StartHex();
    Open("abc");
    Find("tzz");
    Find("");
    dialogs.Reject();
    Run(main->Find1);
    const QString prompt = "Znajdź|Wpisz ciąg znaków (jeżeli tekst to poprzedź go \"t\").|";
    EXPECT_EQ(Inputs(), QStringList({prompt, prompt + "tzz", prompt}));
    EXPECT_EQ(Messages(), QStringList({kNotFound})); // the empty text searched nothing
}

TEST_F(HexEdit, OddHexInputGetsALeadingZeroAndNoDigitsSearchNothing) {
    StartHex();
    Open(QByteArray("\x01\x0A\xBC\x02", 4));
    Find("abc");
    EXPECT_EQ(qMin(Hex().SelStart(), Hex().SelEnd()), 1);
    EXPECT_EQ(Hex().SelCount(), 2);
    Hex().Seek(0, 0, true);
    Find("xyz");
    Find("t");
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(Hex().SelCount(), 0);
}

TEST_F(HexEdit, LowerTFindsExactCaseUpperTIgnoresCase) {
    StartHex();
    Open("xx abc ABC Abc");
    Find("tAbc");
    EXPECT_EQ(qMin(Hex().SelStart(), Hex().SelEnd()), 11);
    Hex().Seek(0, 0, true);
    Find("TAbc");
    EXPECT_EQ(qMin(Hex().SelStart(), Hex().SelEnd()), 3);
    EXPECT_EQ(Hex().SelCount(), 3);
}

TEST_F(HexEdit, TextFindUnderEbcdicLooksForTheEbcdicCode) {
    StartHex();
    Open(QByteArray("A\x00\xC1", 3)); // 0xC1 is the EBCDIC code of A
    Hex().SetTranslation(ttEBCDIC);
    Find("tA");
    EXPECT_EQ(Hex().SelCount(), 1);
    EXPECT_EQ(Hex().CurrentPosition(), 2);
}

TEST_F(HexEdit, OneBytePatternAtTheCaretIsFoundThere) {
    StartHex();
    Open("abcb");
    GoTo("1");
    Find("62");
    EXPECT_EQ(Hex().CurrentPosition(), 1);
    EXPECT_EQ(Hex().SelCount(), 1);
}

// ---- Typed replacements -------------------------------------------------------------------------

TEST_F(HexEdit, SetAsHexAndSetAsTextReplaceTheWholeData) {
    StartHex();
    Open("abcdef");
    dialogs.Accept("01 ab,F");
    Run(main->SetAsHex1);
    EXPECT_EQ(Data(), QByteArray("\x01\xAB"));
    dialogs.Accept("Zażółć");
    Run(main->SetAsText1);
    EXPECT_EQ(Data(), Cp1250("Zażółć"));
    EXPECT_EQ(Inputs(), QStringList({"Wpisz jako hex|Wpisz wartość w heksach|",
                                     "Wpisz jako tekst|Wpisz tekst|"}));
    Run(main->Rckgngig1);
    EXPECT_EQ(Data(), QByteArray("\x01\xAB"));
    dialogs.Accept("");
    Run(main->SetAsText1);
    EXPECT_EQ(Hex().DataSize(), 0);
    dialogs.Reject();
    Run(main->SetAsHex1);
    EXPECT_EQ(Hex().DataSize(), 0);
}

TEST_F(HexEdit, SetAsTextConvertsIntoTheCurrentTranslation) {
    StartHex();
    Hex().SetTranslation(ttEBCDIC);
    dialogs.Accept("A");
    Run(main->SetAsText1);
    EXPECT_EQ(Data(), QByteArray("\xC1"));
}

// ---- Conversion ---------------------------------------------------------------------------------

TEST_F(HexEdit, ConversionOfTheWholeDataWithoutSelection) {
    StartHex();
    const QByteArray bytes = Cp1250("Zażółć gęślą jaźń");
    Open(bytes);
    QString caption;
    dialogs.Answer(ChooseSets(ttAnsi, ttDos8, nullptr, &caption));
    Run(main->Convertfile1);
    EXPECT_EQ(caption, "Konwertuj plik");
    EXPECT_EQ(Data(), Converted(ttAnsi, ttDos8, bytes));
    EXPECT_NE(Data(), bytes);
    Run(main->Rckgngig1);
    EXPECT_EQ(Data(), bytes);
}

TEST_F(HexEdit, ConversionOfTheSelectionOnly) {
    StartHex();
    const QByteArray bytes = Cp1250("ąąąąąą");
    Open(bytes);
    Select(4, 2);
    OpenMenu(main->Datei1);
    QString caption;
    dialogs.Answer(ChooseSets(ttAnsi, ttDos8, nullptr, &caption));
    Run(main->Convertfile1);
    EXPECT_EQ(caption, "Konwertuj zaznaczenie");
    EXPECT_EQ(Data(), bytes.left(2) + Converted(ttAnsi, ttDos8, bytes.mid(2, 3)) + bytes.mid(5));
}

TEST_F(HexEdit, EqualSetsKeepKonwertujDisabledAndChangeNothing) {
    StartHex();
    const QByteArray bytes = Cp1250("ąę");
    Open(bytes);
    bool enabled = true;
    dialogs.Answer(ChooseSets(ttDos8, ttDos8, &enabled));
    Run(main->Convertfile1);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(Data(), bytes);
    dialogs.Answer(ChooseSets(-1, -1, &enabled)); // confirmed at once: no choice on either side
    Run(main->Convertfile1);
    EXPECT_TRUE(enabled);
    EXPECT_EQ(Data(), bytes);
    EXPECT_FALSE(Hex().Modified());
}

TEST_F(HexEdit, EveryConversionGetsAFreshDialog) {
    StartHex();
    Open("abc");
    std::vector<int> chosenAtOpen;
    auto look = [&](const seam::Request& r) {
        auto* dialog = dynamic_cast<TKonwert*>(r.dialog);
        chosenAtOpen.push_back(dialog ? dialog->Source() : -2);
        if (dialog) dialog->ListBox1->setCurrentRow(3);
        return seam::Reply::Reject();
    };
    dialogs.Answer(look).Answer(look);
    Run(main->Convertfile1);
    Run(main->Convertfile1);
    EXPECT_EQ(chosenAtOpen, std::vector<int>({-1, -1}));
    EXPECT_EQ(Data(), QByteArray("abc"));
}
