#pragma once
// The hex text file of a whole document: exactly 2 x DataSize upper-case
// digits, no separators, no line end. Streamed in bounded blocks both ways so
// that a document of any size never sits in memory as one text.
#include <QString>

class THexModel;

// Writes the document's hex text (nibbles swapped when the model swaps them).
// The target appears whole or not at all; false on any failure.
bool ExportHexTextFile(const THexModel& model, const QString& path);

// Replaces the document's data by the bytes a hex text file spells (every pair
// of hex digits, other characters skipped, swapped when the model swaps), as
// one undoable step. The file is decoded fully into a scratch file before the
// document changes, so a file that cannot be read (or stops part-way) leaves
// the document as it was; false then.
bool ImportHexTextFile(THexModel& model, const QString& path);
