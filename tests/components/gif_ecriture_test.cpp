#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "components/gif/gifimage.h"

namespace gif {
namespace {

using Octets = std::vector<std::uint8_t>;

TBitmap aleatoire(std::mt19937& gen, TPixelFormat format, std::int32_t w, std::int32_t h) {
  TBitmap b(w, h, format);
  for (std::size_t i = 0; i < b.Palette.size(); ++i)
    b.Palette[i] = RGBQUAD{std::uint8_t(gen()), std::uint8_t(gen()), std::uint8_t(gen()), 0};
  const unsigned n = 1u << format;
  const unsigned motif = 1 + gen() % n;  // few values make long strings, many make resets
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x) b.SetIndex(x, y, std::uint8_t(gen() % motif));
  return b;
}

TJvGIFImage relire(const Octets& o) {
  TJvGIFImage g;
  g.LoadFromStream(o);
  return g;
}

bool contient(const Octets& o, const Octets& motif) {
  return std::search(o.begin(), o.end(), motif.begin(), motif.end()) != o.end();
}

TEST(GifEcriture, AllerRetourDesBitmapsIndexes) {
  std::mt19937 gen(9);
  const TPixelFormat formats[] = {pf1bit, pf4bit, pf8bit};
  const int tailles_min[] = {2, 4, 8};
  for (int essai = 0; essai < 60; ++essai) {
    const int k = essai % 3;
    const bool grand = essai % 10 == 0;
    const TBitmap b = aleatoire(gen, formats[k], grand ? 256 : 1 + int(gen() % 40), grand ? 256 : 1 + int(gen() % 12));
    TJvGIFImage g;
    g.AddFrame(b);
    g.Frame(0).Interlaced = essai % 2 == 1;
    TJvGIFImage r = relire(g.SaveToStream());
    ASSERT_EQ(r.Count(), 1u);
    EXPECT_EQ(r.Frame(0).Item()->ZipData[0], tailles_min[k]);
    const TBitmap& d = r.Frame(0).Bitmap();
    EXPECT_FALSE(r.Frame(0).Damaged);
    ASSERT_EQ(d.PixelFormat(), formats[k]);
    EXPECT_EQ(d.Palette, b.Palette);
    for (std::int32_t y = 0; y < b.Height(); ++y)
      for (std::int32_t x = 0; x < b.Width(); ++x) ASSERT_EQ(d.Index(x, y), b.Index(x, y)) << essai;
  }
}

TEST(GifEcriture, Couleurs24BitsReduites) {
  TBitmap b(16, 16, pf24bit);  // 256 colours: kept exactly
  for (std::int32_t y = 0; y < 16; ++y)
    for (std::int32_t x = 0; x < 16; ++x) b.SetPixel(x, y, RGBQUAD{std::uint8_t(x * 8), std::uint8_t(y * 12), 7, 0});
  TJvGIFImage g;
  g.AddFrame(b);
  TJvGIFImage r = relire(g.SaveToStream());
  const TBitmap& d = r.Frame(0).Bitmap();
  for (std::int32_t y = 0; y < 16; ++y)
    for (std::int32_t x = 0; x < 16; ++x) ASSERT_EQ(d.Pixel(x, y), b.Pixel(x, y));
}

TEST(GifEcriture, BlocsEtChampsEcrits) {
  std::mt19937 gen(1);
  const TBitmap b = aleatoire(gen, pf4bit, 5, 4);
  const Octets netscape = {0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 0x34, 0x12, 0};

  TJvGIFImage un;
  un.AddFrame(b);
  un.Looping = true;
  EXPECT_FALSE(contient(un.SaveToStream(), {'N', 'E', 'T'}));

  TJvGIFImage deux;
  deux.AddFrame(b);
  deux.AddFrame(aleatoire(gen, pf8bit, 3, 9));
  deux.Looping = true;
  deux.RepeatCount = 0x1234;
  deux.Frame(1).Left = 4;
  for (std::uint8_t disposition = 0; disposition < 4; ++disposition) {
    deux.Frame(0).AnimateInterval = 55;
    deux.Frame(0).DisposalMethod = disposition;
    const RGBQUAD q = b.Palette[3u + disposition];
    deux.Frame(0).SetBitmap(b);  // the index comes from the colour when encoding
    deux.Frame(0).TransparentColor = TColor(q.rgbRed) | TColor(q.rgbGreen) << 8 | TColor(q.rgbBlue) << 16;
    const Octets o = deux.SaveToStream();
    EXPECT_TRUE(contient(o, netscape));
    EXPECT_TRUE(contient(o, {0x21, 0xF9, 4, std::uint8_t(disposition << 2 | 1), 5, 0, std::uint8_t(3 + disposition)}));
    EXPECT_EQ(std::string(o.begin(), o.begin() + 6), "GIF89a");
    TJvGIFImage r = relire(o);
    TJvGIFImage r2 = relire(r.SaveToStream());
    for (TJvGIFImage* g : {&r, &r2}) {
      EXPECT_EQ(g->Frame(0).AnimateInterval, 50u);
      EXPECT_EQ(g->Frame(0).DisposalMethod, disposition);
      EXPECT_EQ(g->Frame(0).TransparentIndex, 3 + disposition);
      EXPECT_EQ(g->ScreenWidth(), 7);
      EXPECT_EQ(g->ScreenHeight(), 9);
      EXPECT_EQ(g->RepeatCount, 0x1234);
    }
  }
}

TEST(GifEcriture, CommentaireLongDecoupe) {
  std::mt19937 gen(2);
  TJvGIFImage g;
  g.AddFrame(aleatoire(gen, pf1bit, 3, 3));
  g.Comment() = {std::string(300, 'a'), "fin"};
  TJvGIFImage r = relire(g.SaveToStream());
  ASSERT_EQ(r.Comment().size(), 3u);
  EXPECT_EQ(r.Comment()[0] + r.Comment()[1], std::string(300, 'a'));
  EXPECT_EQ(r.Version(), TGIFVersion::gv89a);
}

TEST(GifEcriture, Refus) {
  TJvGIFImage vide;
  const std::vector<std::pair<std::function<void()>, std::string>> cas = {
      {[&] { vide.SaveToStream(); }, "No GIF Data to write"},
      {[&] { vide.SetWidth(3); }, "Cannot change the Size of a GIF image"},
      {[] {
         TJvGIFImage g;
         g.AddFrame(TBitmap(70000, 1, pf8bit));
         g.SaveToStream();
       },
       "GIF image encoding error"},
  };
  for (const auto& [action, message] : cas) {
    try {
      action();
      ADD_FAILURE() << message;
    } catch (const EInvalidGraphicOperation& e) {
      EXPECT_EQ(e.what(), message);
    }
  }
}

TEST(GifEcriture, Progression) {
  std::vector<std::pair<int, int>> vus;  // stage, percent
  std::string message;
  auto suivre = [&](TProgressStage etape, int pourcent, const std::string& m) {
    vus.emplace_back(int(etape), pourcent);
    message = m;
  };
  std::mt19937 gen(3);
  TJvGIFImage g;
  g.AddFrame(aleatoire(gen, pf8bit, 4, 4));
  const Octets o = g.SaveToStream();
  TJvGIFImage r;
  r.OnProgress = suivre;
  r.LoadFromStream(o);
  using E = std::vector<std::pair<int, int>>;
  EXPECT_EQ(vus, (E{{0, 0}, {1, 25}, {1, 50}, {1, 75}, {1, 100}, {2, 100}}));
  vus.clear();
  TJvGIFImage vide;
  vide.OnProgress = suivre;
  EXPECT_THROW(vide.SaveToStream(), EInvalidGraphicOperation);
  EXPECT_EQ(vus, (E{{0, 0}, {2, 0}}));
  EXPECT_EQ(message, "No GIF Data to write");
}

}  // namespace
}  // namespace gif
