#include "base/ProductNames.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(HookPropertyName, IsTheSignedDecimalHandle) {
  EXPECT_EQ(HookPropertyName(66382), "66382");
  EXPECT_EQ(HookPropertyName(-5), "-5");
  EXPECT_EQ(HookPropertyName(0), "0");
}

}  // namespace
}  // namespace kx
