// The spelling check as the user runs it: "&Sprawdź pisownię" opens the
// dialog, which walks the misspelling list over the text editor.
#include "dialogs/pisow.h"
#include "programfixture.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {
class Spelling : public ProgramTest {
protected:
    void SetUp() override { Start(); }
    void SetText(const QString& text) {
        Editor().Widget()->setPlainText(text);
        main->SetTextUnmodified();
    }
    // Runs the command with the dialog's modal step scripted by steps.
    void Check(const std::function<void(TPisownia&)>& steps) {
        dialogs.Answer([steps](const seam::Request& r) {
            auto* dialog = dynamic_cast<TPisownia*>(r.dialog);
            EXPECT_NE(dialog, nullptr);
            if (dialog) steps(*dialog);
            return seam::Reply::Reject();
        });
        main->Sprawd1->trigger();
    }
    // Runs the command with the real modal dialog; act is called every few
    // milliseconds while it is open. False when the dialog did not close.
    bool CheckModally(const std::function<void(TPisownia&)>& act) {
        const seam::Hook scripted = seam::CurrentHook();
        seam::SetHook([scripted](const seam::Request& r) -> std::optional<seam::Reply> {
            if (r.kind == seam::Kind::Dialog) return std::nullopt; // the real dialog runs
            return scripted(r);
        });
        QTimer poll;
        QElapsedTimer clock;
        clock.start();
        bool stuck = false;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (!Pisownia->isVisible()) return;
            if (clock.elapsed() > 10000) {
                stuck = true;
                Pisownia->reject();
                return;
            }
            act(*Pisownia);
        });
        poll.start(5);
        main->PrzycPis1->trigger();
        seam::SetHook(scripted);
        return !stuck;
    }
    QString Found(const TPisownia& d) const { return d.Edycja1->text() + ">" + d.Edycja2->text(); }

    const QString endMessage =
        QStringLiteral("Sprawdzanie pisowni|Sprawdzanie pisowni zostało zakończone.");
};
} // namespace

TEST_F(Spelling, WalksTheListOverTheText) {
    SetText(QStringLiteral("Abarzur leży na stole.\nObok lud, a dalej lód i łah.\n"
                           "Film fabularnie zrobiony."));
    QStringList seen;
    QString selectedAtLud;
    Check([&](TPisownia& d) {
        d.FormShow();
        seen << Found(d); // capitalised at the start of the text
        EXPECT_EQ(Editor().SelStart(), 0);
        EXPECT_EQ(Editor().SelLength(), 7);
        EXPECT_TRUE(d.Edycja2->hasSelectedText());
        EXPECT_EQ(d.Edycja2->selectedText(), d.Edycja2->text());
        d.PrzycPopr1Click();
        seen << Found(d);
        d.PrzycPis1Click(); // "&Dalej": the word that is its own correction stays
        seen << Found(d);
        selectedAtLud = Editor().SelText();
        d.PrzycPis1Click();
        seen << Found(d);
        d.PrzycPis1Click();
        seen << Found(d); // a word beginning with a Polish letter, mid-text
        d.Edycja2->setText(QStringLiteral("łachy"));
        d.PrzycPopr1Click(); // the edited correction goes in
        EXPECT_EQ(Messages(), QStringList{endMessage});
        EXPECT_TRUE(d.Zegar1->isActive());
    });
    EXPECT_EQ(seen, (QStringList{"Abarzur>abażur", "fabularnie>fabularnie", "lud>lód", "lód>lud",
                                 "łah>łach"}));
    EXPECT_EQ(selectedAtLud, "lud");
    EXPECT_EQ(Editor().Text(), QStringLiteral("abażur leży na stole.\r\nObok lud, a dalej lód i "
                                              "łachy.\r\nFilm fabularnie zrobiony."));
    EXPECT_EQ(TextPanel(0), "Zmieniony");
}

TEST_F(Spelling, AnEmptiedCorrectionDeletesTheWord) {
    SetText(QStringLiteral("To hrystus i x"));
    Check([&](TPisownia& d) {
        d.FormShow();
        EXPECT_EQ(Found(d), "hrystus>Chrystus");
        d.Edycja2->clear();
        d.PrzycPopr1Click();
    });
    EXPECT_EQ(Editor().Text(), QStringLiteral("To  i x"));
    EXPECT_EQ(Messages(), QStringList{endMessage});
}

TEST_F(Spelling, EveryOpeningStartsAgainFromTheFirstEntry) {
    SetText(QStringLiteral("lud abażór"));
    Check([&](TPisownia& d) {
        d.FormShow();
        EXPECT_EQ(Found(d), QStringLiteral("abażór>abażur"));
        EXPECT_EQ(d.Tag, 0);
        d.PrzycPis1Click();
        EXPECT_EQ(Found(d), QStringLiteral("lud>lód"));
    });
    Check([&](TPisownia& d) {
        d.FormShow();
        EXPECT_EQ(Found(d), QStringLiteral("abażór>abażur"));
    });
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(Spelling, ACleanTextEndsAtOnceAndTheDialogClosesItself) {
    SetText(QStringLiteral("Ala ma kota, a kot ma Alę.\nWszystko jest dobrze."));
    int acted = 0;
    EXPECT_TRUE(CheckModally([&](TPisownia&) { ++acted; }));
    EXPECT_EQ(Messages(), QStringList{endMessage});
    EXPECT_FALSE(Pisownia->isVisible());
    EXPECT_EQ(Editor().Text(),
              QStringLiteral("Ala ma kota, a kot ma Alę.\r\nWszystko jest dobrze."));
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
}

TEST_F(Spelling, EscClosesTheWaitingDialogAndKeepsTheSelection) {
    SetText(QStringLiteral("Jest tu abarzur i nic więcej."));
    QString shown;
    EXPECT_TRUE(CheckModally([&](TPisownia& d) {
        if (d.Edycja1->text().isEmpty()) return; // the first step has not run yet
        shown = Found(d);
        QTest::keyClick(d.Edycja2, Qt::Key_Escape);
    }));
    EXPECT_EQ(shown, QStringLiteral("abarzur>abażur"));
    EXPECT_FALSE(Pisownia->isVisible());
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(Editor().SelStart(), 8);
    EXPECT_EQ(Editor().SelLength(), 7);
    EXPECT_EQ(TextPanel(0), "Nie zmieniony");
}

TEST_F(Spelling, ZamknijClosesTheWaitingDialog) {
    SetText(QStringLiteral("abarzur"));
    EXPECT_TRUE(CheckModally([&](TPisownia& d) {
        if (!d.Edycja1->text().isEmpty()) d.PrzycZamk1->click();
    }));
    EXPECT_FALSE(Pisownia->isVisible());
    EXPECT_EQ(Editor().SelText(), "abarzur");
}

TEST_F(Spelling, ListedWordsInsideLongerWordsAreNotFlagged) {
    // Polish letters belong to the word, and the end of the text is no exception.
    SetText(QStringLiteral("żabarzur xabarzur abarzurek ółah łahy zabarzur"));
    Check([&](TPisownia& d) {
        d.FormShow();
        EXPECT_EQ(Found(d), ">");
        EXPECT_EQ(d.Tag, int(d.ListPis1.size()) - 1);
    });
    EXPECT_EQ(Messages(), QStringList{endMessage});
    EXPECT_EQ(Editor().SelStart(), 0);
}
