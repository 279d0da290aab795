#include "appcore/operplik.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void OpenWithShell(QWidget*, const QString& target, const QString&, const QString&, int) {
    if (target.isEmpty()) return;
    // A name of an existing file is a file, whatever characters it holds;
    // anything else is an address.
    const QUrl url = QFileInfo::exists(target)
                         ? QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath())
                         : QUrl(target, QUrl::TolerantMode);
    QDesktopServices::openUrl(url);
}
