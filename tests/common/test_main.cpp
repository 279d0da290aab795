// Test main shared by all test programs: isolates HOME, starts the Qt
// application object the code under test expects, then runs GoogleTest.
#include "tests/common/testenv.h"

#include <gtest/gtest.h>
#ifdef VORBIX_TEST_GUI
#include <QApplication>
using TestApp = QApplication;
#else
#include <QCoreApplication>
using TestApp = QCoreApplication;
#endif

int main(int argc, char** argv) {
    testenv::IsolateHome();
    ::testing::InitGoogleTest(&argc, argv);
    TestApp app(argc, argv);
    return RUN_ALL_TESTS();
}
