#include "appcore/settingsfile.h"

#include "base/safewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace settingsfile {

std::optional<QByteArray> ReadSmallFile(const QString& path) {
    QFile file(path);
    if (!file.exists()) return QByteArray();
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(kMaxSize + 1);
    if (bytes.size() > kMaxSize || file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    return safewrite::WriteBytes(path, bytes);
}

ini::TIniDocument LoadIni(const QString& path, bool* readable) {
    const auto bytes = ReadSmallFile(path);
    if (readable) *readable = bytes.has_value();
    return bytes ? ini::TIniDocument::Parse(*bytes) : ini::TIniDocument();
}

} // namespace settingsfile
