// Files dropped on the window: the first local file opens in the text editor,
// whichever tab is in front (the tab stays).
#include "app/mein.h"

#include <QMimeData>
#include <QUrl>

bool TMain::HandleDroppedFiles(const QMimeData* drop) {
    if (!drop || !drop->hasUrls()) return false;
    QString fileName;
    for (const QUrl& url : drop->urls())
        if (url.isLocalFile()) {
            fileName = url.toLocalFile();
            break;
        }
    if (fileName.isEmpty()) return false;
    QuerySaveText();
    LoadTextDocument(fileName); // a file that cannot be read ends in the error message
    return true;
}
