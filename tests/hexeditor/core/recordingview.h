#pragma once
// A view for engine tests: records what the engine asks of it.
#include "hexeditor/core/hexmodel.h"
#include "tests/common/testenv.h"

#include <QCoreApplication>
#include <utility>
#include <vector>

class RecordingView : public IHexView {
public:
    std::vector<std::pair<int, int32_t>> cells;
    std::vector<std::pair<int32_t, int32_t>> rows;
    std::vector<std::pair<int, int32_t>> caretMoves;
    int all = 0;
    int gridChanges = 0;
    int busyBegins = 0;
    int busyEnds = 0;
    int busyDepth = 0;
    int suspendDepth = 0;
    int suspends = 0;

    void InvalidateCell(int col, int32_t row) override { cells.emplace_back(col, row); }
    void InvalidateRows(int32_t first, int32_t last) override { rows.emplace_back(first, last); }
    void InvalidateAll() override { ++all; }
    void GridChanged() override { ++gridChanges; }
    void CaretMoved(int col, int32_t row) override { caretMoves.emplace_back(col, row); }
    void BeginBusy() override {
        ++busyBegins;
        ++busyDepth;
    }
    void EndBusy() override {
        ++busyEnds;
        --busyDepth;
    }
    void SuspendUpdates(bool suspend) override {
        suspendDepth += suspend ? 1 : -1;
        if (suspend) ++suspends;
    }

    void Reset() {
        cells.clear();
        rows.clear();
        caretMoves.clear();
        all = gridChanges = busyBegins = busyEnds = suspends = 0;
    }
    bool CellInvalidated(int col, int32_t row) const {
        for (const auto& c : cells)
            if (c.first == col && c.second == row) return true;
        return false;
    }
};

namespace hextest {

inline QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(uint8_t(v)));
    return out;
}

// The model's whole data.
inline QByteArray Data(const THexModel& m) {
    QByteArray out(m.DataSize(), '\0');
    m.ReadBlock(out.data(), 0, m.DataSize());
    return out;
}

// Loads bytes into the model through a scratch file.
inline QString Load(THexModel& m, const QByteArray& bytes, const QString& name = "doc.bin") {
    const QString path = testenv::ScratchPath(name);
    testenv::WriteFile(path, bytes);
    m.LoadFromFile(path);
    return path;
}

// Runs the posted state-change events; returns how many OnStateChanged calls they made.
inline int DeliverPosted(THexModel& m) {
    int calls = 0;
    auto previous = m.OnStateChanged;
    m.OnStateChanged = [&calls] { ++calls; };
    QCoreApplication::sendPostedEvents();
    m.OnStateChanged = previous;
    return calls;
}

// Drops posts made so far without counting them.
inline void DiscardPosted() {
    QCoreApplication::sendPostedEvents();
}

} // namespace hextest

#include "tests/common/processtools.h"

namespace hextest {

using testproc::BecomeNobody;
using testproc::kNobody;
using testproc::LimitFileSize;
using testproc::RunInChild;
using testproc::SharedFolder;
using testproc::StatOf;

} // namespace hextest
