#include "hexeditor/core/fileops.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace hexfile {

QString TempFolder() {
    QString folder = QDir::tempPath().trimmed();
    if (folder.isEmpty()) folder = QStringLiteral("/tmp");
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

static uint32_t TickCount() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint32_t>(uint64_t(ts.tv_sec) * 1000u + uint64_t(ts.tv_nsec) / 1000000u);
}

TFd CreateWorkFile(const QString& folder, QString& path) {
    uint32_t tick = TickCount();
    for (int attempt = 0; attempt < 4096; ++attempt, ++tick) {
        const QString name =
            folder + QStringLiteral("%1.ZQHT").arg(tick, 8, 16, QLatin1Char('0')).toUpper();
        const int fd = ::open(Native(name).constData(),
                              O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            path = name;
            return TFd(fd);
        }
        if (errno != EEXIST) break;
    }
    path.clear();
    return TFd();
}

TFd CreateScratchFile(const QString& folder) {
    int fd = ::open(Native(folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0) return TFd(fd);
    // File systems without unnamed files: a named one, removed at once.
    QString path;
    TFd named = CreateWorkFile(folder, path);
    if (named.Valid()) ::unlink(Native(path).constData());
    return named;
}

} // namespace hexfile
