// The device that hands what is written to a safe writer's sink.
#include "base/sinkdevice.h"

#include <gtest/gtest.h>

TEST(SinkDevice, PassesWritesOnAndStopsAtTheFirstRefusal) {
    QByteArray got;
    int calls = 0;
    const safewrite::TSink sink = [&](QByteArrayView block) {
        ++calls;
        if (got.size() + block.size() > 8) return false;
        got.append(block.data(), block.size());
        return true;
    };
    TSinkDevice device(sink);
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    EXPECT_TRUE(device.isSequential());
    EXPECT_EQ(device.write("abcd", 4), 4);
    EXPECT_EQ(device.write("efg", 3), 3);
    EXPECT_FALSE(device.Failed());
    EXPECT_EQ(device.write("hij", 3), -1);
    EXPECT_TRUE(device.Failed());
    EXPECT_EQ(device.write("k", 1), -1) << "nothing more after a refusal";
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(got, "abcdefg");
    char c;
    EXPECT_EQ(device.read(&c, 1), -1);
}
