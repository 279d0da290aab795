#pragma once
// Reads the text of an RTF document, formatting dropped. Groups, control words
// and symbols are understood; destinations that carry no text (font and colour
// tables, style sheets, document information, pictures, field instructions,
// headers and footers, every \* destination) are skipped. \'hh is read in the
// code page the document or the current font declares; \uN is taken with its
// \ucN fallback skipped. Paragraph and line ends become CR LF, the final
// paragraph mark of the document none.
//
// Any input gives a text: unbalanced braces, truncated escapes, huge numbers
// and deep nesting are read as far as they make sense. Time is linear in the
// input, the text is never longer than the input.
#include <QByteArrayView>
#include <QString>

namespace rtf {

// True when the bytes begin like an RTF document ("{\rtf").
bool LooksLikeRtf(QByteArrayView bytes);

// The document's text, characters as the document gives them (any Unicode).
QString ToText(QByteArrayView rtf);

} // namespace rtf
