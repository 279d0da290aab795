#pragma once
// The one text search of the text editor, used by find, replace, the code
// page recoding and the spelling check: searches the editor's text from its
// current selection and selects the match. The rules of a match are those of
// FindInBuffer (appcore/textsearch.h).
#include "appcore/textsearch.h"

#include <QString>

class TTextControl;

// True when text was found; the match is then selected. False, with the
// selection unchanged, for an empty text, an empty editor or no match.
bool FindInEditor(TTextControl& control, const QString& text, TFindOptions options);
