#pragma once
// Helpers of the character-set, conversion and search tests of the document:
// a view that counts busy cursors and a document loaded from given bytes.
#include "hexeditor/core/hexmodel.h"
#include "tests/common/testenv.h"

#include <QByteArray>
#include <QCoreApplication>
#include <gtest/gtest.h>

namespace textmodel {

class BusyCountingView : public IHexView {
public:
    int busyBegins = 0;
    int busyEnds = 0;
    int repaints = 0;

    void InvalidateCell(int, int32_t) override {}
    void InvalidateRows(int32_t, int32_t) override {}
    void InvalidateAll() override { ++repaints; }
    void GridChanged() override {}
    void CaretMoved(int, int32_t) override {}
    void BeginBusy() override { ++busyBegins; }
    void EndBusy() override { ++busyEnds; }
};

inline QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(uint8_t(v)));
    return out;
}

class DocumentTest : public ::testing::Test {
protected:
    BusyCountingView view;
    THexModel model{&view};

    void Load(const QByteArray& bytes) {
        const QString path = testenv::ScratchPath("doc.bin");
        testenv::WriteFile(path, bytes);
        model.LoadFromFile(path);
        ASSERT_EQ(model.DataSize(), bytes.size());
        QCoreApplication::sendPostedEvents();
        view = BusyCountingView{};
    }

    QByteArray Data() const {
        QByteArray out(model.DataSize(), '\0');
        model.ReadBlock(out.data(), 0, model.DataSize());
        return out;
    }

    void ExpectBusyPaired(int times) const {
        EXPECT_EQ(view.busyBegins, times);
        EXPECT_EQ(view.busyEnds, times);
    }
};

} // namespace textmodel
