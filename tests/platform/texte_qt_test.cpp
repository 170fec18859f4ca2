#include "platform/texte_qt.h"

#include <gtest/gtest.h>

namespace {

TEST(TexteQt, CrossesTheBoundaryBothWays) {
  EXPECT_EQ(depuis_1252("\xEE"), QString::fromUtf8("î"));
  EXPECT_EQ(depuis_1252("\x92"), QString::fromUtf8("’"));
  EXPECT_EQ(vers_1252(QString::fromUtf8("Caractère")), "Caract\xE8re");
  EXPECT_EQ(vers_1252(QString::fromUtf8("π😀")), "??");
  std::string tous;
  for (int c = 1; c < 256; ++c) tous.push_back(static_cast<char>(c));
  EXPECT_EQ(vers_1252(depuis_1252(tous)), tous);
}

}  // namespace
