#include "memcheck/dormant.h"

#include <unistd.h>

#include <atomic>
#include <climits>

#include "memcheck/memcheck.h"

namespace memcheck {

namespace {

const char* const kSuffixe = "_MemCheck.log";

std::string chemin_executable() {
  char chemin[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", chemin, sizeof chemin);
  return n > 0 ? std::string(chemin, std::size_t(n)) : std::string();
}

std::atomic<Rapporteur> g_rapporteur{nullptr};

// Built first and destroyed last of the program's own static objects; it
// holds the log name so that the name outlives every other static.
class Finaliseur {
 public:
  Finaliseur() : journal_(nom_du_journal(chemin_executable())) {}
  ~Finaliseur() {
    const Rapporteur rapporteur = g_rapporteur.load();
    if (rapporteur == nullptr) return;
    rapporteur(journal_);
  }
  Finaliseur(const Finaliseur&) = delete;
  Finaliseur& operator=(const Finaliseur&) = delete;
  const std::string& journal() const { return journal_; }

 private:
  std::string journal_;
};

Finaliseur g_finaliseur __attribute__((init_priority(101)));

}  // namespace

std::string nom_du_journal(const std::string& executable) {
  const std::size_t barre = executable.rfind('/');
  const std::size_t debut_nom = barre == std::string::npos ? 0 : barre + 1;
  const std::size_t point = executable.rfind('.');
  const bool extension = point != std::string::npos && point > debut_nom;
  return (extension ? executable.substr(0, point) : executable) + kSuffixe;
}

const std::string& journal() { return g_finaliseur.journal(); }

bool demarre() { return g_rapporteur.load() != nullptr; }

void marquer_demarre(Rapporteur rapporteur) { g_rapporteur.store(rapporteur); }

}  // namespace memcheck
