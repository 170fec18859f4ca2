// giflib, the reference decoder, reads every file we write to our indices,
// colour tables and graphic-control fields.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "components/gif/gifimage.h"

namespace gif {
namespace {

using Octets = std::vector<std::uint8_t>;

struct Source {
  const Octets* octets;
  std::size_t pos = 0;
};

int lire(GifFileType* f, GifByteType* tampon, int n) {
  auto* s = static_cast<Source*>(f->UserData);
  const std::size_t k = std::min<std::size_t>(std::size_t(n), s->octets->size() - s->pos);
  std::memcpy(tampon, s->octets->data() + s->pos, k);
  s->pos += k;
  return int(k);
}

TBitmap aleatoire(std::mt19937& gen, TPixelFormat format, std::int32_t w, std::int32_t h) {
  TBitmap b(w, h, format);
  for (auto& q : b.Palette) q = RGBQUAD{std::uint8_t(gen()), std::uint8_t(gen()), std::uint8_t(gen()), 0};
  const unsigned motif = 1 + gen() % (1u << format);
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x) b.SetIndex(x, y, std::uint8_t(gen() % motif));
  return b;
}

TEST(GifGiflib, GiflibLitNosFichiers) {
  std::mt19937 gen(12);
  const TPixelFormat formats[] = {pf1bit, pf4bit, pf8bit};
  for (int essai = 0; essai < 30; ++essai) {
    TJvGIFImage g;
    std::vector<TBitmap> cadres;
    const int n = 1 + essai % 3;
    for (int i = 0; i < n; ++i) {
      const bool grand = essai == 0 && i == 0;
      cadres.push_back(aleatoire(gen, grand ? pf8bit : formats[gen() % 3], grand ? 256 : 1 + int(gen() % 50),
                                 grand ? 256 : 1 + int(gen() % 20)));
      g.AddFrame(cadres.back());
      g.Frame(std::size_t(i)).Interlaced = gen() % 2 == 0;
      g.Frame(std::size_t(i)).AnimateInterval = std::uint32_t(gen() % 2000);
      g.Frame(std::size_t(i)).DisposalMethod = std::uint8_t(gen() % 4);
      const RGBQUAD q = cadres.back().Palette[0];
      if (gen() % 2) g.Frame(std::size_t(i)).TransparentColor = TColor(q.rgbRed) | TColor(q.rgbGreen) << 8 | TColor(q.rgbBlue) << 16;
    }
    const Octets o = g.SaveToStream();
    Source s{&o};
    int erreur = 0;
    GifFileType* f = DGifOpen(&s, &lire, &erreur);
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(DGifSlurp(f), GIF_OK) << essai;
    ASSERT_EQ(f->ImageCount, n);
    for (int i = 0; i < n; ++i) {
      const SavedImage& im = f->SavedImages[i];
      const TBitmap& b = cadres[std::size_t(i)];
      const TJvGIFFrame& c = g.Frame(std::size_t(i));
      const ColorMapObject* table = im.ImageDesc.ColorMap ? im.ImageDesc.ColorMap : f->SColorMap;
      ASSERT_NE(table, nullptr);
      ASSERT_EQ(std::size_t(table->ColorCount), b.Palette.size());
      for (std::size_t k = 0; k < b.Palette.size(); ++k) {
        EXPECT_EQ(table->Colors[k].Red, b.Palette[k].rgbRed);
        EXPECT_EQ(table->Colors[k].Blue, b.Palette[k].rgbBlue);
      }
      for (std::int32_t y = 0; y < b.Height(); ++y)
        for (std::int32_t x = 0; x < b.Width(); ++x)
          ASSERT_EQ(im.RasterBits[y * b.Width() + x], b.Index(x, b.Height() - 1 - y)) << essai << " " << i;
      GraphicsControlBlock gcb{};
      ASSERT_EQ(DGifSavedExtensionToGCB(f, i, &gcb), GIF_OK);
      EXPECT_EQ(gcb.DelayTime, int(c.AnimateInterval / 10));
      EXPECT_EQ(gcb.DisposalMode, c.DisposalMethod);
      EXPECT_EQ(gcb.TransparentColor, c.TransparentIndex);
    }
    DGifCloseFile(f, &erreur);
  }
}

}  // namespace
}  // namespace gif
