// The command guard: the unknown-error message, the silent abort.
#include "dialogs/commandguard.h"
#include "dialogs/dialogseam.h"

#include <QDialog>
#include <gtest/gtest.h>
#include <stdexcept>

TEST(CommandGuard, ErrorShowsTheUnknownErrorMessageNotItsOwnText) {
    seam::ScriptedDialogs dialogs;
    EXPECT_FALSE(RunGuarded([] { throw std::runtime_error("disk on fire"); }));
    ASSERT_EQ(dialogs.Asked(seam::Kind::Message).size(), 1u);
    EXPECT_EQ(dialogs.Asked()[0].caption, "Nieznany błąd");
    EXPECT_EQ(dialogs.Asked()[0].text, "Wystąpił nieznany błąd programu.");
}

TEST(CommandGuard, AnyThrownValueIsCaught) {
    seam::ScriptedDialogs dialogs;
    EXPECT_FALSE(RunGuarded([] { throw 42; }));
    EXPECT_EQ(dialogs.Asked(seam::Kind::Message).size(), 1u);
}

TEST(CommandGuard, SilentAbortSaysNothing) {
    seam::ScriptedDialogs dialogs;
    EXPECT_FALSE(RunGuarded([] { Abort(); }));
    EXPECT_TRUE(dialogs.Asked().empty());
}

TEST(CommandGuard, FinishedCommandSaysNothing) {
    seam::ScriptedDialogs dialogs;
    int runs = 0;
    EXPECT_TRUE(RunGuarded([&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(dialogs.Asked().empty());
}

TEST(CommandGuard, ErrorWhileTheMessageIsShownIsSwallowed) {
    int messages = 0;
    seam::SetHook([&](const seam::Request& r) -> std::optional<seam::Reply> {
        if (r.kind == seam::Kind::Message) {
            ++messages;
            // A handler failing inside the message's own loop must not stack a second box.
            EXPECT_FALSE(RunGuarded([] { throw std::logic_error("again"); }));
        }
        return seam::Reply::Accept();
    });
    EXPECT_FALSE(RunGuarded([] { throw std::runtime_error("first"); }));
    seam::SetHook({});
    EXPECT_EQ(messages, 1);
}

TEST(CommandGuard, FailingMessageNeverEscapes) {
    seam::SetHook([](const seam::Request&) -> std::optional<seam::Reply> {
        throw std::runtime_error("the dialog itself failed");
    });
    EXPECT_NO_THROW(AplikacjaException());
    seam::SetHook({});
}
