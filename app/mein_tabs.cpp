// Tab change, the two tabs' captions and the hint line.
//
// Each tab has its own caption: the text document's name on the text tab, the
// hex document's name on the hex tab. The one not shown is kept in Tyt1 (text)
// or Tyt2 (hex), so a document that changes while the other tab is in front
// never overwrites the caption on screen.
#include "app/edytorwidget.h"
#include "app/gradient.h"
#include "app/mein.h"
#include "app/statuspanels.h"
#include "app/textcontrol.h"
#include "hexeditor/widget/thexeditor.h"

#include <QMenuBar>
#include <QToolBar>

QString TMain::Caption() const {
    return windowTitle();
}

void TMain::SetCaption(const QString& text) {
    setWindowTitle(text);
    Gradient->SetFormCaption(text);
}

void TMain::SetTextCaption(const QString& text) {
    if (PageControl1Tag == 0)
        SetCaption(text);
    else
        Tyt1 = text;
}

void TMain::SetHexCaption(const QString& text) {
    if (PageControl1Tag == 1)
        SetCaption(text);
    else
        Tyt2 = text;
}

void TMain::PageControl1Change() {
    const int shown = PageControl1->currentIndex() == 1 ? 1 : 0;
    if (shown == PageControl1Tag) return;
    setUpdatesEnabled(false);
    if (PageControl1Tag == 1) { // hex tab left, text tab now active
        Tyt2 = Caption();
        SetCaption(Tyt1);
        PageControl1Tag = 0;
        HexMenu1->hide();
        MainMenu1->show();
        PasekHex1->hide();
        PasekNarz->show();
        StatusBar1->hide();
        Informator->show();
        Edytor->Repaint();
        Edytor->Widget()->setFocus();
    } else { // text tab left, hex tab now active
        Tyt1 = Caption();
        SetCaption(Tyt2);
        MainMenu1->hide();
        HexMenu1->show();
        PasekNarz->hide();
        PasekHex1->show();
        PageControl1Tag = 1;
        Informator->hide();
        StatusBar1->show();
        HexEditor1->setFocus();
    }
    setUpdatesEnabled(true);
}

void TMain::AplikacjaHint(const QString& hint) {
    Informator->SetPanelText(3, hint);
    StatusBar1->SetPanelText(5, hint);
}
