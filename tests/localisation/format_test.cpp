#include "localisation/format.h"

#include <gtest/gtest.h>

namespace {

TEST(Format, Directives) {
  EXPECT_EQ(Format("%d%%", {50}), "50%");
  EXPECT_EQ(Format("%1:s, %2:s", {"e", "Paul", "Fr"}), "Paul, Fr");
  EXPECT_EQ(Format("%s:%d", {"regroupe_somme(x)", 11}), "regroupe_somme(x):11");
  EXPECT_EQ(Format("%g", {1E20}), "1E020");
  EXPECT_EQ(Format("%g", {0.5}), "0.5");
  EXPECT_EQ(Format("%.0f", {2.5}), "3");
  EXPECT_EQ(Format("%.2f", {3.14159}), "3.14");
  EXPECT_EQ(Format("%f", {1.5}), "1.50");
  EXPECT_EQ(Format("%s;%s;%s", {"y", "2", "0"}), "y;2;0");
  EXPECT_EQ(Format("%3d|%-3d|", {7, 7}), "  7|7  |");
}

TEST(Format, IndexSpecifierMovesTheNextArgument) {
  EXPECT_EQ(Format("%1:s %s %0:s %s", {"a", "b", "c"}), "b c a b");
}

TEST(Format, NeverThrowsNorReadsArguments) {
  EXPECT_EQ(Format("%s and %s", {"one"}), "one and ");
  EXPECT_EQ(Format("%d", {"text"}), "text");
  EXPECT_EQ(Format("%s", {"50%d"}), "50%d");
  EXPECT_EQ(Format("100%", {}), "100%");
  EXPECT_EQ(Format("%q %.x", {1}), "%q %.x");
  EXPECT_EQ(Format("%s", {2.5}), "2.5");
  EXPECT_EQ(Format("%d", {-3.7}), "-3");
  EXPECT_EQ(Format("%9999999999s", {"a"}), "%9999999999s");
}

}  // namespace
