// The heap checker: the log's name, the dormant part writing nothing, and
// with the recording part a small program's report of its leak and of a
// write into a freed block.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "fichiers_temporaires.h"
#include "memcheck/memcheck.h"

namespace fs = std::filesystem;

namespace {

const char* const kNomJournal = "memcheck_scenarios_MemCheck.log";
const char* const kSetpriv = "/usr/bin/setpriv";

class Scenarios : public testing::Test {
 protected:
  void SetUp() override {
    dossier_ = dossier_temporaire("memcheck");
    ASSERT_FALSE(dossier_.empty());
    fs::create_directories(dossier_ / "bin");
    fs::copy_file(PRALINORE_SCENARIOS, programme());
  }
  void TearDown() override {
    fs::permissions(dossier_ / "bin", fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dossier_);
  }
  fs::path programme() const { return dossier_ / "bin" / "memcheck_scenarios"; }
  fs::path journal() const { return dossier_ / "bin" / kNomJournal; }
  fs::path donnees_utilisateur() const { return dossier_ / "donnees"; }
  // Runs a scenario with the user data folder in the test's folder; its
  // stderr is kept. `prefixe` runs it through another command.
  int lancer(const std::string& scenario, const std::string& prefixe = "") {
    const std::string commande = "XDG_DATA_HOME='" + donnees_utilisateur().string() + "' " + prefixe + " '" +
                                 programme().string() + "' " + scenario + " 2>'" + (dossier_ / "stderr").string() +
                                 "'";
    return std::system(commande.c_str());
  }
  std::string erreurs() const { return lire_octets(dossier_ / "stderr"); }
  fs::path dossier_;
};

}  // namespace

TEST(MemCheck, NomDuJournal) {
  const std::pair<const char*, const char*> cas[] = {
      {"/a/b/pralinore", "/a/b/pralinore_MemCheck.log"},
      {"/a/b/pralinore.bin", "/a/b/pralinore_MemCheck.log"},
      {"/a/b.d/pralinore", "/a/b.d/pralinore_MemCheck.log"},
      {"/a/b/.cache", "/a/b/.cache_MemCheck.log"},
      {"/a/b/x.tar.gz", "/a/b/x.tar_MemCheck.log"},
  };
  for (const auto& [executable, journal] : cas) EXPECT_EQ(memcheck::nom_du_journal(executable), journal);
  EXPECT_EQ(memcheck::journal(), memcheck::nom_du_journal(fs::read_symlink("/proc/self/exe").string()));
  EXPECT_FALSE(memcheck::demarre());
}

TEST_F(Scenarios, SansDemarrageAucunJournal) {
  ASSERT_EQ(lancer("dormant"), 0);
  EXPECT_FALSE(fs::exists(journal()));
  EXPECT_FALSE(fs::exists(donnees_utilisateur()));
  EXPECT_EQ(erreurs(), "");
}

#ifdef PRALINORE_MEMCHECK

namespace {


// Each text found after the one before.
void dans_l_ordre(const std::string& texte, const std::vector<std::string>& attendus) {
  std::size_t position = 0;
  for (const std::string& a : attendus) {
    const std::size_t trouve = texte.find(a, position);
    EXPECT_NE(trouve, std::string::npos) << "\"" << a << "\" missing after position " << position << " in\n" << texte;
    if (trouve == std::string::npos) return;
    position = trouve + a.size();
  }
}

}  // namespace

TEST_F(Scenarios, FuiteDeVingtQuatreOctets) {
  ASSERT_EQ(lancer("fuite"), 0);
  const std::string rapport = lire_octets(journal());
  dans_l_ordre(rapport, {"*** MEMCHK: Blocks STILL allocated ***", "Leak #", "Size: 24", "1 Occurence\n",
                         "Call stack:\n  Module ", " Routine ", " Line ", " Find error: 0x", "Total leak: 24 bytes",
                         "*** MEMCHK: End of allocated blocks ***", "*** MEMCHK: Chronological leak information ***",
                         "Time stamp", "*** MEMCHK: End of chronological leak information ***",
                         "*** MEMCHK: Blocks written to after destruction ***", "Bad blocks count: 0",
                         "*** MEMCHK: End of blocks written to after destruction ***"});
  EXPECT_EQ(rapport.find("Leak #1"), std::string::npos);
  EXPECT_NE(rapport.find("Routine main"), std::string::npos) << rapport;
  EXPECT_EQ(erreurs(), "MemCheck: " + journal().string() + "\n");
}

TEST_F(Scenarios, UnSecondDemarrageNeChangeRien) {
  ASSERT_EQ(lancer("deux_departs"), 0);
  const std::string rapport = lire_octets(journal());
  dans_l_ordre(rapport, {"Leak #0", "Size: 40", "Total leak: 40 bytes", "Bad blocks count: 0"});
  EXPECT_EQ(rapport.find("Leak #1"), std::string::npos);
}

TEST_F(Scenarios, EcritureDansUnBlocLibere) {
  ASSERT_EQ(lancer("ecriture"), 0);
  const std::string rapport = lire_octets(journal());
  dans_l_ordre(rapport, {"Total leak: 0 bytes", "Bad blocks count: 1", "* Destroyed block damaged", "Size: 16",
                         "Call stack at allocation time:\n  Module ", "Routine main", "Destroyed at: \n  Module ",
                         "Routine main", "*** MEMCHK: End of blocks written to after destruction ***"});
}

TEST_F(Scenarios, PasseMaxLeakLeTotalEstUnMinimum) {
  ASSERT_EQ(lancer("beaucoup"), 0);
  dans_l_ordre(lire_octets(journal()),
               {"Leak #0", "Size: 8", "10000 Occurences",
                "Total leak not accurate due to MaxLeak constant reached, but at least 80000 bytes"});
}

TEST_F(Scenarios, DossierNonInscriptibleDonneLeDossierUtilisateur) {
  fs::permissions(dossier_ / "bin", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  // An administrator writes anyway, unless it gives up that right.
  std::string prefixe;
  if (access((dossier_ / "bin").c_str(), W_OK) == 0) {
    if (access(kSetpriv, X_OK) != 0) GTEST_SKIP() << "this user writes into read-only folders";
    prefixe = std::string(kSetpriv) + " --bounding-set=-dac_override,-dac_read_search";
  }
  ASSERT_EQ(lancer("fuite", prefixe), 0);
  EXPECT_FALSE(fs::exists(journal()));
  const fs::path repli = donnees_utilisateur() / "pralinore" / kNomJournal;
  dans_l_ordre(lire_octets(repli), {"Total leak: 24 bytes"});
  EXPECT_EQ(erreurs(), "MemCheck: " + repli.string() + "\n");
}

#endif
