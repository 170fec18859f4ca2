#include "platform/ini/fichier_disque.h"

#include "localisation/nombres.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "fichiers_temporaires.h"

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

// A process id that belonged to a process now ended.
pid_t processus_fini() {
  const pid_t enfant = ::fork();
  if (enfant == 0) ::_exit(0);
  int statut = 0;
  ::waitpid(enfant, &statut, 0);
  return enfant;
}

// Sets a file's modification time that long before now.
void vieillir(const std::filesystem::path& fichier, std::chrono::seconds age) {
  std::filesystem::last_write_time(fichier, std::filesystem::file_time_type::clock::now() - age);
}

// Every temporary file of an ended process untouched for ten minutes goes,
// whichever file it was for; subfolders only when asked. A recent one may be
// a save running on another machine that shares the folder.
TEST(TemporairesAbandonnes, OnlyThoseOfEndedProcessesUntouchedForTenMinutesGo) {
  namespace fs = std::filesystem;
  using std::chrono::seconds;
  const fs::path dossier = dossier_temporaire("temporaires");
  ASSERT_FALSE(dossier.empty());
  const std::string fini = texte_entier(processus_fini());
  const std::string vivant = texte_entier(::getppid());
  const std::string moi = texte_entier(::getpid());
  const seconds ancien{11 * 60};
  fs::create_directories(dossier / "sous");
  const std::set<std::string> gardes = {"reglages.ini",
                                        "sous",
                                        "reglages.ini.tmp" + vivant + "-0",
                                        "reglages.ini.tmp" + moi + "-2",
                                        ".tmp" + fini + "-0",
                                        "reglages.ini.tmp" + fini + "-",
                                        "reglages.ini.tmpx-1",
                                        "reglages.ini.tmp" + fini + "-1.bak",
                                        "recent.ini.tmp" + fini + "-0",
                                        "futur.ini.tmp" + fini + "-0"};
  for (const std::string& nom : gardes) {
    if (nom == "sous") continue;
    std::ofstream(dossier / nom) << "x";
    vieillir(dossier / nom, ancien);
  }
  vieillir(dossier / ("recent.ini.tmp" + fini + "-0"), seconds(590));
  vieillir(dossier / ("futur.ini.tmp" + fini + "-0"), seconds(-3600));
  const std::string perdus[] = {"reglages.ini.tmp" + fini + "-0", "reglages.ini.tmp" + fini + "-17",
                                "eleve.cpt.tmp" + fini + "-3", ".pralinore-essai.tmp" + fini + "-0",
                                "marc.tmp.cpt.tmp" + fini + "-0", "dix.ini.tmp" + fini + "-0"};
  for (const std::string& nom : perdus) {
    std::ofstream(dossier / nom) << "[A]\r\nx=";
    vieillir(dossier / nom, ancien);
  }
  vieillir(dossier / ("dix.ini.tmp" + fini + "-0"), seconds(600));
  std::ofstream(dossier / "sous" / perdus[0]) << "x";
  vieillir(dossier / "sous" / perdus[0], ancien);
  EXPECT_EQ(supprimer_temporaires_abandonnes(dossier.string()), 6);
  std::set<std::string> restes;
  for (const auto& f : fs::directory_iterator(dossier)) restes.insert(f.path().filename().string());
  EXPECT_EQ(restes, gardes);
  EXPECT_EQ(supprimer_temporaires_abandonnes(dossier.string(), true), 1);
  EXPECT_TRUE(fs::is_empty(dossier / "sous"));
  fs::remove_all(dossier);
}

}  // namespace
