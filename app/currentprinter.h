#pragma once
// The program's one current printer, shared by the text and the hex tab: what
// the printer setup of either tab chooses, both print on.
class QPrinter;

QPrinter& CurrentPrinter();

// False where the system knows no printer at all; the print commands then
// write a PDF file the user names instead.
bool SystemHasPrinter();
