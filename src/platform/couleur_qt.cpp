#include "platform/couleur_qt.h"

#include <array>

namespace {

struct Trvb {
  int r, g, b;
};

// Indexed as the system numbers its colours (scroll bar 0, ..., menu bar 30).
constexpr std::array<Trvb, 31> couleurs_systeme{{
    {200, 200, 200},  // scroll bar
    {0, 0, 0},        // desktop
    {153, 180, 209},  // active caption
    {191, 205, 219},  // inactive caption
    {240, 240, 240},  // menu
    {255, 255, 255},  // window
    {100, 100, 100},  // window frame
    {0, 0, 0},        // menu text
    {0, 0, 0},        // window text
    {0, 0, 0},        // caption text
    {180, 180, 180},  // active border
    {244, 247, 252},  // inactive border
    {171, 171, 171},  // application workspace
    {51, 153, 255},   // highlight
    {255, 255, 255},  // highlighted text
    {240, 240, 240},  // button face
    {160, 160, 160},  // button shadow
    {109, 109, 109},  // grey text
    {0, 0, 0},        // button text
    {67, 78, 84},     // inactive caption text
    {255, 255, 255},  // button highlight
    {105, 105, 105},  // 3D dark shadow
    {227, 227, 227},  // 3D light
    {0, 0, 0},        // tooltip text
    {255, 255, 225},  // tooltip background
    {0, 0, 0},        // (unused)
    {0, 102, 204},    // hot-tracked item
    {185, 209, 234},  // active caption gradient
    {215, 228, 242},  // inactive caption gradient
    {51, 153, 255},   // menu highlight
    {240, 240, 240},  // menu bar
}};

}  // namespace

QColor couleur_qt(std::int32_t valeur) {
  if (valeur == couleur_aucune) return QColor(Qt::transparent);
  const auto bits = static_cast<std::uint32_t>(valeur);
  if ((bits >> 24) == 0xFF) {
    const std::uint32_t indice = bits & 0xFFFFFF;
    if (indice >= couleurs_systeme.size()) return QColor(0, 0, 0);
    const Trvb& c = couleurs_systeme[indice];
    return QColor(c.r, c.g, c.b);
  }
  return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                static_cast<int>((bits >> 16) & 0xFF));
}
