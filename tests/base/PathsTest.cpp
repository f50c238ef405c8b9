#include "base/Paths.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(Paths, JoinsPathsWithOneBackslash) {
  EXPECT_EQ(JoinPath("C:\\Kx", "Kaptorix.ini"), "C:\\Kx\\Kaptorix.ini");
  EXPECT_EQ(JoinPath("C:\\", "Kaptorix.ini"), "C:\\Kaptorix.ini");
}

}  // namespace
}  // namespace kx
