// Golden-image comparison for tests.
//
// ExpectMatchesGolden compares a surface with tests/golden/<name>.png at tolerance 0. A missing
// golden fails. On a mismatch it writes <name>.actual.png and <name>.diff.png (differing pixels
// red on a dimmed copy of the golden) under the build's golden-actual folder. With the
// environment variable TOV_UPDATE_GOLDEN=1 it writes the golden instead (look at it before
// committing).
#pragma once

#include <string>

#include "platform/surface.h"

namespace tov::testing {

// Returns an empty string on a match, else what differed (for a gtest message).
std::string CompareWithGolden(const platform::Surface& actual, const std::string& name);

#define EXPECT_MATCHES_GOLDEN(surface, name)                         \
    do {                                                             \
        const std::string tov_golden_result =                        \
            ::tov::testing::CompareWithGolden((surface), (name));    \
        EXPECT_TRUE(tov_golden_result.empty()) << tov_golden_result; \
    } while (0)

}  // namespace tov::testing
