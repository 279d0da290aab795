#pragma once
// The hex print job: the whole document of the printing component's control
// as dump pages, with margins of a twentieth of the page, a header naming the
// file and a footer numbering the pages.
class QPageLayout;
class QPagedPaintDevice;
class QString;
class THexToCanvas;

// The header of every page: the fixed text and the file name without its folder.
QString HexPrintHeader(const QString& fileName);

// Prints every byte of the linked control on device, page after page, in the
// control's font and layout with a hex byte field. A document without data
// prints nothing. False when the device refused to paint or to start a page.
bool PrintHexDump(THexToCanvas& canvas, QPagedPaintDevice& device);

// The same into a PDF file with the given page layout and resolution; the file
// appears whole or not at all (an old file stays as it was on failure).
bool PrintHexDumpToPdf(THexToCanvas& canvas, const QString& target, const QPageLayout& layout,
                       int resolution);
