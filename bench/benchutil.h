#pragma once
// Small helpers shared by the benchmark programs.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <string>

namespace bench {

// True when the figure's name matches the FILTER regex (or no FILTER is set).
bool Wanted(const std::string& name);
// True when any of the names is wanted.
bool AnyWanted(std::initializer_list<std::string> names);
// Prints "BENCH <name> <value> <unit>".
void Report(const std::string& name, double value, const std::string& unit);

// Size of the generated document of the 1 GiB hex benchmarks (BENCH_SIZE_MB, default 1024).
int64_t HexDocumentBytes();

// Wall-clock seconds of fn.
double Seconds(const std::function<void()>& fn);
// Seconds of the system's `cp` copying src to dst (dst removed afterwards).
double CpSeconds(const QString& src, const QString& dst);

// A folder for large scratch files (BENCH_DIR, default the system temp folder).
QString ScratchDir();
// Writes the bytes as the whole file; false when that failed.
bool WriteFile(const QString& path, const QByteArray& bytes);
// Writes a file of size bytes: lines of 80 pseudo-random letters.
void MakeFile(const QString& path, int64_t size, uint8_t seed = 1);

// The Polish words the text benchmarks are made of.
extern const QStringList kPolishWords;
// Lines of Polish prose made of words, CR LF breaks, in Windows-1250, about size bytes.
QByteArray PolishText(qsizetype size, const QStringList& words = kPolishWords);
// Windows go to the offscreen platform unless QT_QPA_PLATFORM names one
// (before the application object is made).
void UseOffscreenUnlessSet();
// Lets the event loop lay out and paint what is pending.
void SettleEvents();

// Peak resident memory growth: Start() resets the kernel's high-water mark,
// PeakGrowthMiB() is how far it rose above the resident size at Start().
class PeakMemory {
public:
    void Start();
    double PeakGrowthMiB() const;

private:
    int64_t baseKiB_ = 0;
};

} // namespace bench
