// "Przekoduj na &ISO" and "Przekoduj na &Windows": the six Polish letters
// whose codes differ, rewritten in the whole text as one undo step. The result
// is that of replacing every occurrence one by one (KodoOpcje1), letter after
// letter, so the caret ends behind the last Ź replaced, or at the start.
#include "app/edytorwidget.h"
#include "app/mein.h"
#include "app/textcontrol.h"
#include "appcore/recode.h"
#include "dialogs/diaok.h"

namespace {
void Recode(TTextControl& edytor, TRecoding direction, const QString& message) {
    const TRecodeResult result = RecodeDocument(*edytor.Widget()->document(), direction);
    edytor.SetSelStart(result.afterLastCapitalZ < 0 ? 0 : result.afterLastCapitalZ);
    ShowMessageDialog(QStringLiteral("Kodowanie znaków"), message);
}
} // namespace

void TMain::PrzekodujnaISO1Click() {
    Recode(*Edytor, TRecoding::ToIso,
           QStringLiteral("Znaki zostały przekodowane na system ISO-8859-2."));
}

void TMain::PrzekodujnaWindows1Click() {
    Recode(*Edytor, TRecoding::ToWindows,
           QStringLiteral("Znaki zostały przekodowane na system CP-1250."));
}
