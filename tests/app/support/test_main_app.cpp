// Test main of the program's own tests: like the common one, but the
// application object is the program's, with its guard around every event.
#include "app/aplikacja.h"
#include "tests/common/testenv.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testenv::IsolateHome();
    ::testing::InitGoogleTest(&argc, argv);
    TAplikacja app(argc, argv);
    app.setQuitOnLastWindowClosed(false); // tests close windows without an event loop
    return RUN_ALL_TESTS();
}
