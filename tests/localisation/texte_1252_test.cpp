#include "localisation/texte_1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Texte1252, ConvertsToAndFromUtf8) {
  EXPECT_EQ(depuis_utf8("î"), "\xEE");
  EXPECT_EQ(depuis_utf8("’"), "\x92");
  EXPECT_EQ(depuis_utf8("¨"), "\xA8");
  EXPECT_EQ(depuis_utf8("€"), "\x80");
  EXPECT_EQ(vers_utf8("\xEE"), "î");
  EXPECT_EQ(vers_utf8("\x92"), "’");
  EXPECT_EQ(vers_utf8("Caract\xE8re"), "Caractère");
}

TEST(Texte1252, EveryByteSurvivesARoundTrip) {
  std::string tous;
  for (int c = 1; c < 256; ++c) tous.push_back(static_cast<char>(c));
  EXPECT_EQ(depuis_utf8(vers_utf8(tous)), tous);
  EXPECT_EQ(vers_utf8("\x81"), "\xC2\x81");
}

TEST(Texte1252, UnmappableAndBrokenInputBecomeQuestionMarks) {
  EXPECT_EQ(depuis_utf8("π"), "?");
  EXPECT_EQ(depuis_utf8("😀"), "?");
  EXPECT_EQ(depuis_utf8("\xC2\x80"), "?");    // U+0080 has no byte in the code page
  EXPECT_EQ(depuis_utf8("a\xE9z"), "a?z");     // a lone Latin-1 byte is not UTF-8
  EXPECT_EQ(depuis_utf8("\xC0\xAF"), "??");    // overlong form
  EXPECT_EQ(depuis_utf8("\xE2\x82"), "??");    // truncated at the end
}

TEST(Texte1252, FileBytesAreDetected) {
  EXPECT_EQ(octets_fichier_vers_1252("caf\xC3\xA9"), "caf\xE9");
  EXPECT_EQ(octets_fichier_vers_1252("caf\xE9"), "caf\xE9");
  EXPECT_EQ(octets_fichier_vers_1252("\xEF\xBB\xBF" "abc"), "abc");
  EXPECT_EQ(octets_fichier_vers_1252("\xEF\xBB\xBF" "\xC3\xAE"), "\xEE");
  EXPECT_EQ(octets_fichier_vers_1252("plain"), "plain");
}

}  // namespace
