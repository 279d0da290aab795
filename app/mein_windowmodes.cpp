// "&Do szufladki", "&Pełny ekran" and "©", shared by both menu bars.
#include "app/mein.h"

void TMain::Doszufladki1Click() {}
void TMain::Pelnyekran1Click() {}
void TMain::oprogramie1Click() {}
