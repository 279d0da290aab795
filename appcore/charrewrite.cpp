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

// The undo step: the changed positions (ascending) and the characters they held
// before. Undo and redo are the same swap of those characters with the document's.
class TRewriteUndo : public QAbstractUndoItem {
public:
    explicit TRewriteUndo(QTextDocument& document) : document_(document) {}
    void Record(int position, char16_t old) {
        positions_.push_back(position);
        others_.push_back(old);
    }
    bool Empty() const { return positions_.empty(); }
    int First() const { return positions_.front(); }
    int Last() const { return positions_.back(); }
    int Count() const { return int(positions_.size()); }

    void undo() override { Swap(); }
    void redo() override { Swap(); }

private:
    void Swap() {
        QTextDocumentPrivate& d = *QTextDocumentPrivate::get(&document_);
        size_t k = 0;
        ForEachCharacter(d, First(), Last() + 1, [&](QChar& c, int p) {
            if (k == positions_.size() || p != positions_[k]) return;
            const char16_t now = c.unicode();
            c = QChar(others_[k]);
            others_[k++] = now;
        });
        // The layout learns of the change at once. Reported as the edit's
        // range, the change would make Qt put the caret behind it, possibly
        // far from where the user is; this way undo and redo leave it alone.
        document_.markContentsDirty(First(), Last() - First() + 1);
    }

    QTextDocument& document_;
    std::vector<int> positions_;
    std::vector<char16_t> others_;
};
} // namespace

int RewriteCharacters(QTextDocument& document, int from, int to, const TCharRewrite& rewrite) {
    QTextDocumentPrivate& d = *QTextDocumentPrivate::get(&document);
    from = std::max(from, 0);
    to = std::min(to, d.length() - 1); // the final separator is never part of the text
    if (from >= to) return 0;
    auto undo = std::make_unique<TRewriteUndo>(document);
    ForEachCharacter(d, from, to, [&](QChar& c, int p) {
        const char16_t old = c.unicode();
        if (old == QChar::ParagraphSeparator) return;
        const char16_t now = rewrite(old, p);
        if (now == old || now == QChar::ParagraphSeparator) return;
        undo->Record(p, old);
        c = QChar(now);
    });
    if (undo->Empty()) return 0;
    const int changed = undo->Count();
    // The edit block gives the step its own revision and, when it ends, the
    // change notices every edit sends.
    d.beginEditBlock();
    d.documentChange(undo->First(), undo->Last() - undo->First() + 1);
    document.appendUndoItem(undo.release());
    d.endEditBlock();
    return changed;
}
