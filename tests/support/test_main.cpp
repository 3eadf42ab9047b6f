#include <gtest/gtest.h>

namespace testenv {
void InstallIsolation();
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    testenv::InstallIsolation();
    return RUN_ALL_TESTS();
}
