#pragma once
// The folder of shared fixtures and tools beside the checkout (../shared). A clone on its own has
// none: the tests that read it skip, naming the folder they need.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace rp::test {

// The folder the build was configured with; RAVENPOST_SHARED_DIR in the environment overrides it.
inline std::string sharedFolder() {
    if (const char* folder = std::getenv("RAVENPOST_SHARED_DIR"); folder != nullptr && *folder)
        return folder;
    return RAVENPOST_SHARED_DIR;
}

inline bool haveSharedFolder() {
    return std::filesystem::is_directory(sharedFolder());
}

inline std::string missingSharedFolderText() {
    return "skipped: this test reads the shared fixtures folder " + sharedFolder() +
           ", which is missing (check it out beside the project as ../shared)";
}

}  // namespace rp::test

// In a test body or SetUp: skips the test when the shared folder is missing.
#define SKIP_WITHOUT_SHARED_FOLDER()                               \
    do {                                                           \
        if (!::rp::test::haveSharedFolder())                       \
            GTEST_SKIP() << ::rp::test::missingSharedFolderText(); \
    } while (false)
