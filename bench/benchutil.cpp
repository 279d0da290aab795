#include "bench/benchutil.h"
#include "base/cp1250.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <vector>

namespace bench {

bool Wanted(const std::string& name) {
    const char* f = std::getenv("FILTER");
    if (!f || !*f) return true;
    return std::regex_search(name, std::regex(f));
}

bool AnyWanted(std::initializer_list<std::string> names) {
    for (const auto& n : names)
        if (Wanted(n)) return true;
    return false;
}

void Report(const std::string& name, double value, const std::string& unit) {
    if (!Wanted(name)) return;
    std::printf("BENCH %s %.4g %s\n", name.c_str(), value, unit.c_str());
    std::fflush(stdout);
}

int64_t HexDocumentBytes() {
    const char* s = std::getenv("BENCH_SIZE_MB");
    int64_t mb = (s && *s) ? std::atoll(s) : 1024;
    if (mb < 1) mb = 1;
    if (mb > 2047) mb = 2047;
    return mb * 1024 * 1024;
}

double Seconds(const std::function<void()>& fn) {
    const auto t0 = std::chrono::steady_clock::now();
    fn();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

double CpSeconds(const QString& src, const QString& dst) {
    const double s = Seconds([&] { QProcess::execute("cp", {src, dst}); });
    QFile::remove(dst);
    return s;
}

QString ScratchDir() {
    const char* d = std::getenv("BENCH_DIR");
    QString dir = (d && *d) ? QString::fromLocal8Bit(d) : QDir::tempPath();
    QDir().mkpath(dir);
    return dir;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

void UseOffscreenUnlessSet() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

void MakeFile(const QString& path, int64_t size, uint8_t seed) {
    std::vector<char> block(1 << 20);
    uint32_t x = seed * 2654435761u + 12345u;
    // Text-like lines of 80 letters, so that line-oriented baselines (grep) are fair.
    for (size_t i = 0; i < block.size(); ++i) {
        x = x * 1103515245u + 12345u;
        block[i] = (i % 81 == 80) ? '\n' : static_cast<char>('a' + (x >> 16) % 26);
    }
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (int64_t done = 0; done < size;) {
        const int64_t n = std::min<int64_t>(block.size(), size - done);
        f.write(block.data(), n);
        done += n;
    }
}

namespace {
int64_t StatusKiB(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string k = std::string(key) + ":";
    while (std::getline(in, line))
        if (line.rfind(k, 0) == 0) return std::atoll(line.c_str() + k.size());
    return 0;
}
} // namespace

void PeakMemory::Start() {
    std::ofstream("/proc/self/clear_refs") << "5"; // resets VmHWM
    baseKiB_ = StatusKiB("VmRSS");
}

double PeakMemory::PeakGrowthMiB() const {
    return std::max<int64_t>(0, StatusKiB("VmHWM") - baseKiB_) / 1024.0;
}

const QStringList kPolishWords = {"zażółć",    "gęślą",          "jaźń", "źdźbło",
                                  "chrząszcz", "brzmi",          "w",    "trzcinie",
                                  "Łódź",      "Świętokrzyskie", "ćma",  "niedźwiedź"};

QByteArray PolishText(qsizetype size, const QStringList& words) {
    QByteArray out;
    out.reserve(size + 128);
    int w = 0, n = 0;
    while (out.size() < size) {
        QString line;
        while (line.size() < 60)
            line += words[(w++ * 7 + n) % words.size()] + QLatin1Char(' ');
        out += cp1250::Encode(QString::number(++n) + QLatin1Char(' ') + line) + "\r\n";
    }
    return out;
}

void SettleEvents() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace bench
