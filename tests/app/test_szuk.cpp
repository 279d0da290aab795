// The editor's search: what it selects, what it leaves alone, line breaks
// counted as two characters, and the text it sees after every kind of change.
#include "app/edytorwidget.h"
#include "app/szuk.h"
#include "app/textcontrol.h"

#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {
class FindInEditorTest : public ::testing::Test {
protected:
    QWidget host;
    TTextControl edit{&host};

    void SetText(const QString& text) { edit.Widget()->setPlainText(text); }
    void Select(int start, int length) {
        edit.SetSelStart(start);
        edit.SetSelLength(length);
    }
    bool Find(const QString& what, TFindOptions options) {
        return FindInEditor(edit, what, options);
    }
    QString Selection() const {
        return QString::number(edit.SelStart()) + "+" + QString::number(edit.SelLength());
    }
};
constexpr TFindOptions kDown = frDown;
constexpr TFindOptions kSpell = frDown | frReplaceAll | frWholeWord;
} // namespace

TEST_F(FindInEditorTest, SelectsTheMatch) {
    SetText(QStringLiteral("Mój ŻÓŁW śpi"));
    EXPECT_TRUE(Find(QStringLiteral("żółw"), kDown));
    EXPECT_EQ(Selection(), "4+4");
    EXPECT_EQ(edit.SelText(), QStringLiteral("ŻÓŁW"));
}

TEST_F(FindInEditorTest, FailureLeavesTheSelectionAlone) {
    SetText(QStringLiteral("abc abc"));
    Select(1, 2);
    EXPECT_FALSE(Find(QString(), kDown));
    EXPECT_FALSE(Find(QStringLiteral("xyz"), kDown));
    EXPECT_FALSE(Find(QStringLiteral("abc ab"), kDown));
    EXPECT_FALSE(Find(QStringLiteral("日本"), kDown)); // no such byte in the code page
    EXPECT_EQ(Selection(), "1+2");
    Select(7, 0);
    EXPECT_FALSE(Find(QStringLiteral("abc"), kDown)); // caret at the end
    EXPECT_EQ(Selection(), "7+0");
    SetText(QString());
    EXPECT_FALSE(Find(QStringLiteral("a"), kDown));
}

TEST_F(FindInEditorTest, FindNextGoesOnAfterTheMatchAndStopsAtTheEnd) {
    SetText(QStringLiteral("ab ab ab"));
    EXPECT_TRUE(Find(QStringLiteral("ab"), kDown));
    EXPECT_EQ(Selection(), "0+2");
    EXPECT_TRUE(Find(QStringLiteral("ab"), kDown));
    EXPECT_EQ(Selection(), "3+2");
    EXPECT_TRUE(Find(QStringLiteral("ab"), kDown));
    EXPECT_EQ(Selection(), "6+2");
    EXPECT_FALSE(Find(QStringLiteral("ab"), kDown));
    EXPECT_EQ(Selection(), "6+2");
    EXPECT_TRUE(Find(QStringLiteral("ab"), 0)); // backwards from the selection
    EXPECT_EQ(Selection(), "3+2");
}

TEST_F(FindInEditorTest, LineBreaksCountTwoCharacters) {
    SetText(QStringLiteral("raz\ndwa\ntrzy dwa"));
    EXPECT_TRUE(Find(QStringLiteral("trzy"), kSpell));
    EXPECT_EQ(Selection(), "10+4");
    EXPECT_EQ(edit.SelText(), QStringLiteral("trzy"));
    EXPECT_TRUE(Find(QStringLiteral("DWA"), kSpell));
    EXPECT_EQ(Selection(), "15+3");
}

TEST_F(FindInEditorTest, WholeWordsInTheEditor) {
    SetText(QStringLiteral("abarzur xabarzur żabarzur łah\nłah"));
    EXPECT_TRUE(Find(QStringLiteral("abarzur"), kSpell)); // position 0
    EXPECT_EQ(Selection(), "0+7");
    EXPECT_FALSE(Find(QStringLiteral("abarzur"), kSpell));
    Select(0, 0);
    EXPECT_TRUE(Find(QStringLiteral("łah"), kSpell));
    EXPECT_EQ(Selection(), "26+3");
    EXPECT_TRUE(Find(QStringLiteral("łah"), kSpell));
    EXPECT_EQ(Selection(), "31+3");
}

TEST_F(FindInEditorTest, SeesEveryChangeOfTheText) {
    SetText(QStringLiteral("abc abc"));
    EXPECT_TRUE(Find(QStringLiteral("abc"), kDown));
    edit.SetSelText(QStringLiteral("x")); // "x abc"
    Select(0, 0);
    EXPECT_TRUE(Find(QStringLiteral("abc"), kDown));
    EXPECT_EQ(Selection(), "2+3");
    edit.Undo(); // "abc abc"
    Select(1, 0);
    EXPECT_TRUE(Find(QStringLiteral("abc"), kDown));
    EXPECT_EQ(Selection(), "4+3");
    // A change of equal length.
    edit.SetSelText(QStringLiteral("xyz"));
    Select(0, 0);
    EXPECT_TRUE(Find(QStringLiteral("xyz"), kDown));
    EXPECT_EQ(Selection(), "4+3");
}

TEST_F(FindInEditorTest, SeesTheFirstChangeInsideAnEditBlock) {
    SetText(QStringLiteral("ab ab"));
    EXPECT_TRUE(Find(QStringLiteral("ab"), kDown));
    QTextCursor c(edit.Widget()->document());
    c.beginEditBlock();
    c.setPosition(0);
    c.setPosition(2, QTextCursor::KeepAnchor);
    c.insertText(QStringLiteral("cd"));
    Select(0, 0);
    EXPECT_TRUE(Find(QStringLiteral("ab"), kDown));
    EXPECT_EQ(Selection(), "3+2");
    c.endEditBlock();
}
