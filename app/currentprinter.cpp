#include "app/currentprinter.h"

#include <QPrinter>
#include <QPrinterInfo>

QPrinter& CurrentPrinter() {
    // Never destroyed: a printer torn down after the application object may
    // still talk to the print system.
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

bool SystemHasPrinter() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}
