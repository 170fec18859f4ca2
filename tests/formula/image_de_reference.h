#pragma once
// Comparison of a drawn page with a reviewed picture of tests/formula/golden.
// PRALINORE_GOLDEN=ecrire rewrites the picture instead (look at it before
// committing).

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <string>

// Pictures may differ by anti-aliasing from one FreeType to another; a
// layout fault moves whole glyphs.
inline void comparer_a_la_reference(const QImage& image, const std::string& nom) {
  const QString chemin = QString::fromStdString(std::string(PRALINORE_DOSSIER_GOLDEN) + "/" + nom);
  if (const char* e = std::getenv("PRALINORE_GOLDEN"); e != nullptr && std::string(e) == "ecrire") {
    ASSERT_TRUE(image.save(chemin, "PNG"));
    GTEST_SKIP() << "written " << chemin.toStdString();
  }
  QImage reference(chemin);
  ASSERT_FALSE(reference.isNull()) << chemin.toStdString();
  reference = reference.convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(image.size(), reference.size()) << nom;
  long differents = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor a(image.pixel(x, y));
      const QColor b(reference.pixel(x, y));
      const int ecart = std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                  std::abs(a.blue() - b.blue())});
      if (ecart > 64) ++differents;
    }
  }
  const long total = static_cast<long>(image.width()) * image.height();
  EXPECT_LE(differents * 200, total) << nom << ": " << differents << " of " << total << " pixels differ";
}
