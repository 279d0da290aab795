#pragma once
// Rewrites characters of a text document in place, each into one other
// character, as one undo step. Nothing is inserted or removed, so the blocks
// (with the line-break style each keeps), every cursor and the layout's line
// structure stay as they are, and the cost is one pass over the text: a
// document edit per changed line costs several microseconds each, too much
// for a large text whose every line changes.
#include <functional>

class QTextDocument;

// The new character for the character c at a document position; c itself
// leaves it unchanged. Block separators are never passed, and a separator
// returned is ignored (lines are never joined or split). It must not touch
// the document; should it throw, the document stays as it was.
using TCharRewrite = std::function<char16_t(char16_t c, int position)>;

// Calls rewrite for every character of the document positions [from, to) in
// order and keeps what it returns. Returns how many characters changed; with
// none, the document is not touched (no undo step, no change notice).
// Undoing or redoing the step leaves the caret where it is (in a document
// with a layout, as an editor's always has).
int RewriteCharacters(QTextDocument& document, int from, int to, const TCharRewrite& rewrite);
