#include <gtest/gtest.h>

#include "gui/platform/platform.h"
#include "plugin/ModuleState.h"

int main(int argc, char** argv) {
    // The test program carries the module's resources itself, as the module does.
    moduleInstance = platform::currentModuleInstance();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
