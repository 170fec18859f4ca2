#include "platform/ini/fichier_disque.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t seconde = 1'000'000'000;
constexpr std::int64_t maintenant = 2'000'000'000 * seconde;

Tempreinte_fichier empreinte(std::int64_t age) {
  return {true, 1, 2, 30, maintenant - age, maintenant - age};
}

TEST(CacheFiable, TrustsOnlyAnUnchangedPrint) {
  const Tempreinte_fichier vieille = empreinte(10 * seconde);
  const auto changee = [&](auto modifier) {
    Tempreinte_fichier e = vieille;
    modifier(e);
    return e;
  };
  const struct {
    Tempreinte_fichier lue, actuelle;
    bool attendu;
  } cas[] = {
      {vieille, vieille, true},
      {Tempreinte_fichier{}, Tempreinte_fichier{}, true},  // still no file
      {empreinte(seconde), empreinte(seconde), true},      // recent, but read as it is
      {vieille, changee([](auto& e) { e.changement_ns = maintenant; }), false},  // modification time set back by a copy
      {vieille, changee([](auto& e) { e.inode = 3; }), false},
      {vieille, changee([](auto& e) { e.peripherique = 3; }), false},
      {vieille, changee([](auto& e) { e.taille = 31; }), false},
      {vieille, changee([](auto& e) { e.modification_ns += 1; }), false},
      {vieille, changee([](auto& e) { e.changement_ns += 1; }), false},
      {vieille, Tempreinte_fichier{}, false},
      {Tempreinte_fichier{}, vieille, false},
  };
  for (const auto& c : cas) EXPECT_EQ(cache_fiable(c.lue, c.actuelle), c.attendu) << &c - cas;
}

}  // namespace
