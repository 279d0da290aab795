#pragma once
// The editor's text as the search sees it: Windows-1250 bytes with CR LF line
// breaks, exactly as the text control hands its text out. One image serves
// every search of one revision of the document; the upper-cased copy and the
// index of its words are made when first needed, so repeated searches (find
// next, the spelling check's thousands of words) never copy or rescan more
// than they must.
#include "appcore/textsearch.h"

#include <QByteArray>
#include <cstdint>
#include <utility>
#include <vector>

class QTextDocument;

class TTextImage {
public:
    TTextImage() = default;
    explicit TTextImage(QByteArray bytes);

    // A document's whole text: each character its Windows-1250 byte ('?' for
    // one the code page lacks), each line break CR LF.
    static QByteArray BytesOf(const QTextDocument& document);

    const QByteArray& Bytes() const { return bytes_; }
    int Length() const { return int(bytes_.size()); }

    // The same answer as FindInBuffer over Bytes().
    int Find(int selStart, int selLength, QByteArrayView text, TFindOptions options);

    // Whole-word searches of one image before its words are indexed.
    static constexpr int kScansBeforeIndex = 3;
    bool HasWordIndex() const { return indexed_; }

private:
    const QByteArray& Folded();
    void BuildWordIndex();
    int FindForward(int start, QByteArrayView text, TFindOptions options);
    int FindWord(int start, const QByteArray& folded, QByteArrayView text, TFindOptions options);

    QByteArray bytes_;
    QByteArray folded_;
    bool hasFolded_ = false;
    // (hash of the upper-cased word, start of the word), sorted.
    std::vector<std::pair<uint64_t, int>> words_;
    bool indexed_ = false;
    int wordScans_ = 0;
};

// The image of the document's current text. It is made again after every
// change the document reports; Qt reports the changes made inside an open
// edit block (QTextCursor::beginEditBlock) only when the block closes, so a
// search between such changes must use an image of its own.
TTextImage& DocumentImage(QTextDocument* document);
