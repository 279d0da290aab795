#pragma once
// The hex text file of a whole document: exactly 2 x DataSize upper-case
// digits, no separators, no line end. Streamed in bounded blocks both ways so
// that a document of any size never sits in memory as one text.
#include <QString>

class THexModel;

// Writes the document's hex text (nibbles swapped when the model swaps them).
// The target appears whole or not at all; false on any failure.
bool ExportHexTextFile(const THexModel& model, const QString& path);
