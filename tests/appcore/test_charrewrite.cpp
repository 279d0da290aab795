// Characters rewritten in place: the text, the one undo step among the
// document's own edits, the notices, the layout, and documents whose text is
// scattered over many pieces by earlier edits.
#include "appcore/charrewrite.h"
#include "appcore/textimage.h"

#include <QPlainTextDocumentLayout>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {
std::unique_ptr<QTextDocument> PlainDocument(const QString& text) {
    auto doc = std::make_unique<QTextDocument>();
    doc->setDocumentLayout(new QPlainTextDocumentLayout(doc.get()));
    doc->setPlainText(text);
    return doc;
}

// ą <-> x, everything else kept.
char16_t SwapAx(char16_t c, int) {
    return c == u'ą' ? u'x' : c == u'x' ? u'ą' : c;
}

int RewriteAll(QTextDocument& doc, const TCharRewrite& rewrite) {
    return RewriteCharacters(doc, 0, doc.characterCount() - 1, rewrite);
}

QString Swapped(QString text) {
    for (QChar& c : text)
        c = QChar(SwapAx(c.unicode(), 0));
    return text;
}

// Edits of a user, each one undo step of its own (never merged with the one before).
void Type(QTextDocument& doc, int position, const QString& text) {
    QTextCursor c(&doc);
    c.setPosition(position);
    c.beginEditBlock();
    c.insertText(text);
    c.endEditBlock();
}
void Erase(QTextDocument& doc, int position, int length) {
    QTextCursor c(&doc);
    c.setPosition(position);
    c.setPosition(position + length, QTextCursor::KeepAnchor);
    c.beginEditBlock();
    c.removeSelectedText();
    c.endEditBlock();
}
} // namespace

TEST(RewriteCharacters, ChangesWhatTheRewriteSaysAsOneUndoStep) {
    auto doc = PlainDocument(QStringLiteral("ąbx\nxyz\n\nąą"));
    doc->setModified(false);
    const int steps = doc->availableUndoSteps();
    EXPECT_EQ(RewriteAll(*doc, SwapAx), 5);
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("xbą\nąyz\n\nxx"));
    EXPECT_EQ(doc->blockCount(), 4);
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->availableUndoSteps(), steps + 1);

    doc->undo();
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("ąbx\nxyz\n\nąą"));
    EXPECT_FALSE(doc->isModified());
    doc->redo();
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("xbą\nąyz\n\nxx"));
    EXPECT_TRUE(doc->isModified());
}

TEST(RewriteCharacters, SeesEachCharacterOfItsRangeOnceAndNeverABreak) {
    auto doc = PlainDocument(QStringLiteral("ab\ncd\nef"));
    doc->firstBlock().setUserState(2);
    std::vector<std::pair<char16_t, int>> seen;
    const int changed = RewriteCharacters(*doc, 1, 7, [&](char16_t c, int position) {
        seen.push_back({c, position});
        return c == u'c'   ? char16_t(QChar::ParagraphSeparator)
               : c == u'e' ? char16_t(0xFDD0) // Qt's frame mark, a separator too
                           : char16_t(c + 1);
    });
    // Positions: a0 b1 (break 2) c3 d4 (break 5) e6 f7; f is past the range.
    const std::vector<std::pair<char16_t, int>> expected = {
        {u'b', 1}, {u'c', 3}, {u'd', 4}, {u'e', 6}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(changed, 2);
    // A separator asked for is ignored; no line is split or joined.
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("ac\nce\nef"));
    EXPECT_EQ(doc->blockCount(), 3);
    EXPECT_EQ(doc->firstBlock().userState(), 2);
}

TEST(RewriteCharacters, NothingToChangeLeavesTheDocumentAlone) {
    auto doc = PlainDocument(QStringLiteral("abc\ndef"));
    doc->setModified(false);
    const int revision = doc->revision();
    QSignalSpy changes(doc.get(), &QTextDocument::contentsChanged);
    EXPECT_EQ(RewriteAll(*doc, SwapAx), 0);
    EXPECT_EQ(RewriteCharacters(*doc, 3, 3, [](char16_t, int) { return u'q'; }), 0);
    EXPECT_EQ(RewriteCharacters(*doc, 5, 2, [](char16_t, int) { return u'q'; }), 0);
    EXPECT_EQ(doc->revision(), revision);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(doc->isUndoAvailable());
    EXPECT_FALSE(doc->isModified());
    // A range past the text stops at its end.
    EXPECT_EQ(RewriteCharacters(*doc, 4, 1000, [](char16_t, int) { return u'q'; }), 3);
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("abc\nqqq"));
}

TEST(RewriteCharacters, ARewriteThatThrowsLeavesTheDocumentAsItWas) {
    auto doc = PlainDocument(QStringLiteral("abc\ndef"));
    QSignalSpy changes(doc.get(), &QTextDocument::contentsChanged);
    const auto throwing = [](char16_t c, int p) -> char16_t {
        if (p == 5) throw std::runtime_error("stop");
        return char16_t(c + 1);
    };
    EXPECT_THROW(RewriteAll(*doc, throwing), std::runtime_error);
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("abc\ndef"));
    EXPECT_FALSE(doc->isUndoAvailable());
    EXPECT_EQ(changes.count(), 0);
}

TEST(RewriteCharacters, SendsOneNoticeAndANewRevisionEachWay) {
    auto doc = PlainDocument(QStringLiteral("xx\nabc\nx"));
    QSignalSpy range(doc.get(), &QTextDocument::contentsChange);
    QSignalSpy changes(doc.get(), &QTextDocument::contentsChanged);
    // The search image of the document is made again from the new text.
    EXPECT_EQ(DocumentImage(doc.get()).Bytes(), QByteArray("xx\r\nabc\r\nx"));
    int revision = doc->revision();
    RewriteCharacters(*doc, 1, 8, SwapAx);
    ASSERT_EQ(range.count(), 1);
    EXPECT_EQ(range[0], (QVariantList{1, 7, 7})); // positions 1 to 7
    EXPECT_EQ(changes.count(), 1);
    EXPECT_GT(doc->revision(), revision);
    EXPECT_EQ(DocumentImage(doc.get()).Bytes(), QByteArray("x\xB9\r\nabc\r\n\xB9"));

    revision = doc->revision();
    doc->undo();
    ASSERT_EQ(range.count(), 2);
    EXPECT_EQ(range[1], (QVariantList{1, 7, 7}));
    EXPECT_EQ(changes.count(), 2);
    EXPECT_GT(doc->revision(), revision);
    EXPECT_EQ(DocumentImage(doc.get()).Bytes(), QByteArray("xx\r\nabc\r\nx"));
}

TEST(RewriteCharacters, UndoAndRedoLeaveTheCaretWhereItIs) {
    auto doc = PlainDocument(QStringLiteral("ą ą ą\nkoniec"));
    RewriteAll(*doc, SwapAx);
    QTextCursor caret(doc.get());
    caret.setPosition(8);
    doc->undo(&caret);
    EXPECT_EQ(caret.position(), 8);
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("ą ą ą\nkoniec"));
    doc->redo(&caret);
    EXPECT_EQ(caret.position(), 8);
}

TEST(RewriteCharacters, LaidOutLinesAreShapedFromTheNewCharacters) {
    auto doc = PlainDocument(QStringLiteral("iiiiiiii\nkeep"));
    auto* layout = static_cast<QPlainTextDocumentLayout*>(doc->documentLayout());
    const QTextBlock first = doc->firstBlock();
    layout->ensureBlockLayout(first);
    const qreal narrow = first.layout()->lineAt(0).naturalTextWidth();
    RewriteAll(*doc, [](char16_t c, int) { return c == u'i' ? u'W' : c; });
    layout->ensureBlockLayout(first);
    ASSERT_GT(first.layout()->lineCount(), 0);
    const qreal wide = first.layout()->lineAt(0).naturalTextWidth();
    EXPECT_GT(wide, narrow * 2);
    doc->undo();
    layout->ensureBlockLayout(first);
    ASSERT_GT(first.layout()->lineCount(), 0);
    EXPECT_DOUBLE_EQ(first.layout()->lineAt(0).naturalTextWidth(), narrow);
}

// Text removed earlier stays in the document's store for its undo; rewriting
// the shown text must not reach it.
TEST(RewriteCharacters, EarlierEditsUndoToTheirOwnText) {
    auto doc = PlainDocument(QStringLiteral("ąa"));
    Type(*doc, 2, QStringLiteral("xą\nb"));
    Erase(*doc, 0, 1); // "ą" now lives only in the undo history
    Type(*doc, 0, QStringLiteral("x"));
    const QStringList states = {QStringLiteral("ąa"), QStringLiteral("ąaxą\nb"),
                                QStringLiteral("axą\nb"), QStringLiteral("xaxą\nb")};
    EXPECT_EQ(doc->toPlainText(), states[3]);
    RewriteAll(*doc, SwapAx);
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("ąaąx\nb"));
    for (int i = 3; i >= 0; --i) {
        doc->undo();
        EXPECT_EQ(doc->toPlainText(), states[i]) << i;
    }
    for (int i = 1; i <= 3; ++i) {
        doc->redo();
        EXPECT_EQ(doc->toPlainText(), states[i]) << i;
    }
    doc->redo();
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("ąaąx\nb"));
}

// Many edits at random places leave the text in many pieces, in no order in
// the store; two rewrites in a row, then every step back and forth again.
TEST(RewriteCharacters, ScatteredTextAndHistoryStayExact) {
    QRandomGenerator rng(7);
    const QString alphabet = QStringLiteral("ąxab\n");
    for (int round = 0; round < 30; ++round) {
        auto doc = PlainDocument(QString());
        QStringList states = {doc->toPlainText()};
        for (int edit = 0; edit < 40; ++edit) {
            const int length = doc->characterCount() - 1;
            if (length > 0 && rng.bounded(3) == 0) {
                const int at = int(rng.bounded(length));
                Erase(*doc, at, 1 + int(rng.bounded(std::min(length - at, 4))));
            } else {
                QString text;
                for (int i = 0, n = 1 + int(rng.bounded(6)); i < n; ++i)
                    text += alphabet[int(rng.bounded(int(alphabet.size())))];
                Type(*doc, int(rng.bounded(length + 1)), text);
            }
            states << doc->toPlainText();
        }
        const QString before = doc->toPlainText();
        RewriteAll(*doc, SwapAx);
        ASSERT_EQ(doc->toPlainText(), Swapped(before));
        const bool second =
            RewriteAll(*doc, [](char16_t c, int p) { return p % 2 && c == u'a' ? u'b' : c; }) > 0;
        const QString twice = doc->toPlainText();
        if (second) {
            doc->undo();
            ASSERT_EQ(doc->toPlainText(), Swapped(before));
        }
        doc->undo();
        ASSERT_EQ(doc->toPlainText(), before);
        for (int i = int(states.size()) - 2; i >= 0; --i) {
            doc->undo();
            ASSERT_EQ(doc->toPlainText(), states[i]);
        }
        ASSERT_FALSE(doc->isUndoAvailable());
        while (doc->isRedoAvailable())
            doc->redo();
        ASSERT_EQ(doc->toPlainText(), twice);
    }
}
