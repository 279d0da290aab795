#include "app/szuk.h"

#include "app/edytorwidget.h"
#include "app/textcontrol.h"
#include "appcore/textimage.h"
#include "base/cp1250.h"

bool FindInEditor(TTextControl& control, const QString& text, TFindOptions options) {
    if (text.isEmpty()) return false;
    TTextImage& image = DocumentImage(control.Widget()->document());
    if (image.Length() == 0) return false;
    bool ok = false;
    const QByteArray bytes = cp1250::Encode(text, &ok);
    if (!ok) return false; // a character the code page lacks is in no text of the editor
    const int found = image.Find(control.SelStart(), control.SelLength(), bytes, options);
    if (found < 0) return false;
    control.SetSelStart(found);
    control.SetSelLength(int(bytes.size()));
    return true;
}
