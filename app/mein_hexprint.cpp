// The hex tab's printing commands.
#include "app/currentprinter.h"
#include "app/hexprintjob.h"
#include "app/mein.h"
#include "dialogs/dialogseam.h"
#include "dialogs/diaok.h"
#include "hexeditor/widget/thexeditor.h"
#include "hexeditor/widget/thextocanvas.h"

#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrinter>
#include <stdexcept>

THexToCanvas* TMain::HexPrintLayout() {
    if (!HexToCanvas1) {
        HexToCanvas1 = new THexToCanvas(this);
        HexToCanvas1->setObjectName(QStringLiteral("HexToCanvas1"));
        HexToCanvas1->SetHexEditor(HexEditor1);
        HexToCanvas1->SetStretchToFit(false);
        QFont font(QStringLiteral("Courier New"));
        font.setPixelSize(11);
        HexToCanvas1->SetFont(font); // replaced by the hex editor's font at every print
    }
    return HexToCanvas1;
}

// Straight to the current printer, without a print dialog. Where the system
// knows no printer, the pages go to a PDF file the user names.
void TMain::Print1Click() {
    if (HexEditor1->DataSize() == 0) return;
    THexToCanvas& layout = *HexPrintLayout();
    QPrinter& printer = CurrentPrinter();
    if (SystemHasPrinter()) {
        // A printer that refuses the job is a failure this command does not foresee.
        if (!PrintHexDump(layout, printer)) throw std::runtime_error("print job refused");
        return;
    }
    // The document's name with ".pdf", in the folder of the last PDF (at first the document's).
    const QFileInfo doc(HexEditor1->FileName());
    const QString folder =
        DialPdf2.FileName.isEmpty() ? doc.path() : QFileInfo(DialPdf2.FileName).path();
    const QString name = doc.completeBaseName() + QStringLiteral(".pdf");
    DialPdf2.FileName = folder == QStringLiteral(".") ? name : folder + QLatin1Char('/') + name;
    if (!DialPdf2.Execute(this)) return;
    if (!PrintHexDumpToPdf(layout, DialPdf2.FileName, printer.pageLayout(), printer.resolution()))
        ShowMessageDialog(QStringLiteral("Vorbix"), QStringLiteral("Nie mogłem zapisać pliku: ") +
                                                        DialPdf2.FileName + QLatin1Char('.'));
}

void TMain::Printsetup1Click() {
    QPageSetupDialog UstDruk2(&CurrentPrinter(), this);
    seam::RunDialog(UstDruk2);
}

void TMain::SpeedItem4Click() {
    Print1Click();
}
