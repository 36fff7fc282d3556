// For test binaries whose tests need the application before any fixture runs: plain tests
// that paint or lay out text, sockets and queued calls.
#include <gtest/gtest.h>

#include "support/QtApp.h"

int main(int argc, char** argv) {
    lumetra::test::qtApp();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
