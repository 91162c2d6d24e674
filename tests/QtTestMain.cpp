// Test entry point for the Qt-side tests: one application object for the whole run (widgets
// need it), the program's own guarded kind, offscreen unless the caller chose a platform.
#include <gtest/gtest.h>

#include "framework/GuardedApplication.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    rp::GuardedApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
