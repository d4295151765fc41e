#include <cstring>

#include <gtest/gtest.h>

#include "shell/quavis_application.h"

int main(int argc, char** argv)
{
    // Listing the tests needs no display; running them needs the application object.
    bool listing = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0)
            listing = true;
    ::testing::InitGoogleTest(&argc, argv);
    if (listing)
        return RUN_ALL_TESTS();
    quavis::TQuavisApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
