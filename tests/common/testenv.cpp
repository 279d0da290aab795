#include "tests/common/testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace testenv {
namespace {
std::unique_ptr<QTemporaryDir>& Root() {
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}
} // namespace

void IsolateHome() {
    Root() = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/vorbix-test-XXXXXX");
    const QString root = Root()->path();
    for (const char* sub : {"home", "config", "data", "cache", "runtime", "scratch"})
        QDir(root).mkpath(sub);
    QFile::setPermissions(root + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("HOME", qPrintable(root + "/home"), 1);
    setenv("XDG_CONFIG_HOME", qPrintable(root + "/config"), 1);
    setenv("XDG_DATA_HOME", qPrintable(root + "/data"), 1);
    setenv("XDG_CACHE_HOME", qPrintable(root + "/cache"), 1);
    setenv("XDG_RUNTIME_DIR", qPrintable(root + "/runtime"), 1);
    if (!getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

QString ScratchDir() {
    if (!Root())
        IsolateHome();
    return Root()->path() + "/scratch";
}

QString ScratchPath(const QString& name) {
    static std::atomic<int> counter{0};
    return ScratchDir() + "/" + QString::number(++counter) + "-" + name;
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace testenv
