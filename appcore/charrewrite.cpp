#include "appcore/charrewrite.h"

#include <QAbstractUndoItem>
#include <QTextDocument>
#include <algorithm>
#include <memory>
#include <vector>

// Qt offers no public way to change a character other than removing it and
// inserting another, so this reaches into the document's own storage: the
// fragments of its piece table and the buffer they point into.
#include <private/qtextdocument_p.h>

namespace {

// The buffer is a private member. An explicit instantiation may name it (access
// is not checked there), and the friend it defines hands the member out.
using TBufferMember = QString QTextDocumentPrivate::*;
template <TBufferMember Member> struct TBufferAccess {
    friend TBufferMember BufferMember() { return Member; }
};
TBufferMember BufferMember();
template struct TBufferAccess<&QTextDocumentPrivate::text>;

// The document's characters, writable. data() detaches the buffer should a
// copy of it be held anywhere, so the holder keeps the old characters.
QChar* Characters(QTextDocumentPrivate& d) {
    return (d.*BufferMember()).data();
}

// Calls visit(character, position) for every character of [from, to), in order.
// The buffer also holds text the undo history keeps; only what the document
// shows now is visited, through its fragments.
template <class Visit>
void ForEachCharacter(QTextDocumentPrivate& d, int from, int to, Visit visit) {
    QChar* chars = Characters(d);
    auto it = d.find(from);
    if (it.atEnd()) return;
    for (int start = it.position(); !it.atEnd() && start < to; ++it) {
        const QTextFragmentData* f = it.value();
        const int size = int(f->size_array[0]);
        QChar* base = chars + f->stringPosition - start; // base[p] is position p
        for (int p = std::max(from, start), end = std::min(to, start + size); p < end; ++p)
            visit(base[p], p);
        start += size;
    }
}

// Qt's block separators: the paragraph separator that ends each line and the
// frame marks. The rewrite neither sees nor makes them.
bool IsBlockSeparator(char16_t c) {
    return c == QChar::ParagraphSeparator || c == 0xFDD0 || c == 0xFDD1;
}

// The undo step: which positions changed (a bit each, from the range's start)
// and the characters they held before, in order; about two bytes a change.
// Undo and redo are the same swap of those characters with the document's.
class TRewriteUndo : public QAbstractUndoItem {
public:
    TRewriteUndo(QTextDocument& document, int from, int to)
        : document_(document), from_(from), changed_(size_t(to - from)) {}
    void Record(int position, char16_t old) {
        changed_[size_t(position - from_)] = true;
        others_.push_back(old);
        if (first_ < 0) first_ = position;
        last_ = position;
    }
    int Count() const { return int(others_.size()); }
    int First() const { return first_; }
    int Last() const { return last_; }

    void undo() override { Swap(); }
    void redo() override { Swap(); }

    // Swaps the recorded characters with the document's, unannounced: for a
    // rewrite given up half-way, which nobody has been told of yet.
    void SwapQuietly() {
        if (first_ < 0) return;
        size_t k = 0;
        ForEachCharacter(*QTextDocumentPrivate::get(&document_), first_, last_ + 1,
                         [&](QChar& c, int p) {
                             if (!changed_[size_t(p - from_)]) return;
                             const char16_t now = c.unicode();
                             c = QChar(others_[k]);
                             others_[k++] = now;
                         });
    }

private:
    void Swap() {
        SwapQuietly();
        const int length = last_ - first_ + 1;
        // The same notices an edit sends, the layout told at once. Reported as
        // the edit's range, the change would make Qt put the caret behind it,
        // possibly far from where the user is; this way undo and redo leave it.
        Q_EMIT document_.contentsChange(first_, length, length);
        document_.markContentsDirty(first_, length);
    }

    QTextDocument& document_;
    const int from_;
    std::vector<bool> changed_;
    std::vector<char16_t> others_;
    int first_ = -1, last_ = -1;
};
} // namespace

int RewriteCharacters(QTextDocument& document, int from, int to, const TCharRewrite& rewrite) {
    QTextDocumentPrivate& d = *QTextDocumentPrivate::get(&document);
    from = std::max(from, 0);
    to = std::min(to, d.length() - 1); // the final separator is never part of the text
    if (from >= to) return 0;
    auto undo = std::make_unique<TRewriteUndo>(document, from, to);
    try {
        ForEachCharacter(d, from, to, [&](QChar& c, int p) {
            const char16_t old = c.unicode();
            if (IsBlockSeparator(old)) return;
            const char16_t now = rewrite(old, p);
            if (now == old || IsBlockSeparator(now)) return;
            undo->Record(p, old);
            c = QChar(now);
        });
    } catch (...) {
        undo->SwapQuietly(); // the document as it was
        throw;
    }
    const int changed = undo->Count();
    if (changed == 0) return 0;
    // The edit block gives the step its own revision and, when it ends, the
    // change notices every edit sends.
    d.beginEditBlock();
    d.documentChange(undo->First(), undo->Last() - undo->First() + 1);
    document.appendUndoItem(undo.release());
    d.endEditBlock();
    return changed;
}
