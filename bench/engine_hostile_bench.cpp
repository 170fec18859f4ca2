// Time and peak memory of the calculator's path on hostile inputs: 1 MB
// lines of several shapes, the same shapes just within the engine's input
// bound, 100,000 nested calls and short inputs whose rewriting grows fast.
// Each input runs in a child process of its own (this program started
// again with --une <index>), so its peak memory is the child's ru_maxrss.
//   engine_hostile_bench            every input, one line each, then the worst
//   engine_hostile_bench --une <i>  runs input i only and prints its time, the
//                                   work counted by its last engine call and
//                                   the start of its answer
// The first input, an empty line, gives the floor of the peak memory (the
// child builds every input before running its own).
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/appel_fonction.h"
#include "engine/evaluateur.h"
#include "engine/fonctions_usuelles.h"
#include "engine/profondeur.h"
#include "engine/syntaxe.h"
#include "engine/traduction_fonctions.h"
#include "localisation/choix_langue.h"
#include "localisation/nombres.h"
#include "localisation/texte_1252.h"

namespace {

constexpr std::size_t un_mega = 1000000;
constexpr std::size_t appels_imbriques = 100000;
constexpr std::size_t dans_la_borne = longueur_maximale_saisie;
constexpr std::size_t apercu = 48;  // characters of the answer shown

struct Entree {
  std::string nom;
  std::string texte;
  bool implicite;  // through the implicit products first, as Calculs does by default
};

// `motif` repeated until the text has `longueur` characters, then `fin`.
std::string repete(const std::string& motif, std::size_t longueur, const std::string& fin = "") {
  std::string t;
  while (t.size() + motif.size() + fin.size() <= longueur) t += motif;
  return t + fin;
}

// `n` nested calls of `nom` around `coeur`, each closed with `fin`.
std::string imbrique(const std::string& nom, std::size_t n, const std::string& coeur, const std::string& fin) {
  std::string t;
  t.reserve(n * (nom.size() + fin.size() + 1) + coeur.size());
  for (std::size_t i = 0; i < n; ++i) t += nom + "(";
  t += coeur;
  for (std::size_t i = 0; i < n; ++i) t += fin;
  return t;
}

// The shapes of a long line, `longueur` characters each.
std::vector<std::pair<std::string, std::string>> formes(std::size_t longueur) {
  const std::size_t crochets = longueur / 2;
  const std::size_t sinus = longueur / 5;
  return {
      {"1+1+...+1", repete("1+", longueur - 1, "1")},
      {"((...(1)...))", std::string(crochets - 1, '(') + "1" + std::string(crochets - 1, ')')},
      {"sin(sin(...x...))", imbrique("sin", sinus, "x", ")")},
      {"long name", std::string(longueur, 'a')},
      {"long number", std::string(longueur, '7')},
      {"x*x*...*x", repete("x*", longueur - 1, "x")},
      {"[1;1;...;1]", "[" + repete("1;", longueur - 3, "1") + "]"},
      {"-(-(...-(x)...))", imbrique("-", longueur / 4, "x", ")")},
      {"long word, then a call", std::string(longueur - 3, 'a') + "(x)"},
  };
}

std::vector<Entree> entrees() {
  std::vector<std::pair<std::string, std::string>> textes = {{"empty line (the floor)", ""}};
  for (auto& [nom, texte] : formes(un_mega)) textes.emplace_back("1 MB " + nom, std::move(texte));
  for (auto& [nom, texte] : formes(dans_la_borne)) textes.emplace_back("20000 " + nom, std::move(texte));
  textes.emplace_back("100000 nested developper(", imbrique("developper", appels_imbriques, "x", ")"));
  textes.emplace_back("100000 nested deriver(", imbrique("deriver", appels_imbriques, "x", ";x)"));
  textes.emplace_back("1000 nested sin(", imbrique("sin", 1000, "x", ")"));
  textes.emplace_back("variance in resoudre", "resoudre(variance([1;x;d;k/ecart_type([1;b])]);x)");
  textes.emplace_back("20 deriver( around sin(x)*exp(x)", imbrique("deriver", 20, "sin(x)*exp(x)", ";x)"));
  textes.emplace_back("factoriser of 20 like terms", "factoriser(" + repete("x^2*y+", 119, "1") + ")");
  textes.emplace_back("order 20 expansion of tan(x)*exp(x)", "developpement_limite(tan(x)*exp(x);x;0;20)");
  textes.emplace_back("product of 100000 terms", "produit(k;1;100000;k)");
  textes.emplace_back("sum of 100000 cubes", "somme(k;1;100000;k^3)");
  textes.emplace_back("symbolic 6x6 determinant",
                      "det([[a;b;c;d;e;f];[g;h;i;j;k;l];[m;n;o;p;q;r];[s;t;u;v;w;x];[y;z;aa;bb;cc;dd];"
                      "[ee;ff;gg;hh;ii;jj]])");
  std::vector<Entree> liste;
  for (const bool implicite : {false, true}) {
    for (const auto& [nom, texte] : textes) liste.push_back({nom + (implicite ? " (implicit)" : ""), texte, implicite});
  }
  return liste;
}

// The calculator's path, text in to text out.
std::string calcule(const Entree& e) {
  std::string texte = e.implicite ? normalise_saisie(e.texte) : e.texte;
  if (est_erreur(texte)) return texte;  // an error value of the normalisation is the answer
  std::string message;
  verifier_syntaxe(texte, message);
  return message.empty() ? calculer(texte) : message;
}

int une(const Entree& e) {
  enregistrer_traduction_fonctions();
  choisir_langue(0);
  initialise_fonctions_usuelles();
  const auto debut = std::chrono::steady_clock::now();
  const std::string r = calcule(e);
  const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
  const std::string ligne = texte_nombre_fixe(duree.count(), 6) + " " +
                            texte_entier(static_cast<std::int64_t>(travail_effectue())) + " " +
                            vers_utf8(r.substr(0, apercu)) + "\n";
  std::fputs(ligne.c_str(), stdout);
  return 0;
}

struct Mesure {
  double secondes = 0;
  double megaoctets = 0;
  std::string sortie;  // seconds, work, answer
};

// Runs input `i` in a child and reads its peak memory.
Mesure dans_un_enfant(const char* programme, std::size_t i) {
  int tube[2];
  if (pipe(tube) != 0) return {};
  const pid_t enfant = fork();
  if (enfant == 0) {
    dup2(tube[1], STDOUT_FILENO);
    close(tube[0]);
    const std::string indice = texte_entier(static_cast<std::int64_t>(i));
    execl(programme, programme, "--une", indice.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(tube[1]);
  Mesure m;
  char tampon[512];
  for (ssize_t n; (n = read(tube[0], tampon, sizeof tampon)) > 0;) m.sortie.append(tampon, static_cast<std::size_t>(n));
  close(tube[0]);
  int statut = 0;
  rusage usage{};
  wait4(enfant, &statut, 0, &usage);
  constexpr double ko_par_mo = 1024.0;
  m.megaoctets = static_cast<double>(usage.ru_maxrss) / ko_par_mo;
  if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0) m.sortie = "(child failed) " + m.sortie;
  if (const auto blanc = m.sortie.find(' '); blanc != std::string::npos) {
    m.secondes = lire_nombre(m.sortie.substr(0, blanc)).value_or(0);
  }
  if (!m.sortie.empty() && m.sortie.back() == '\n') m.sortie.pop_back();
  return m;
}

std::string colonne(std::string t, std::size_t largeur) {
  return t.size() < largeur ? t + std::string(largeur - t.size(), ' ') : t;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<Entree> liste = entrees();
  if (argc == 3 && std::string(argv[1]) == "--une") {
    const auto i = static_cast<std::size_t>(lire_nombre(argv[2]).value_or(0));
    return i < liste.size() ? une(liste[i]) : 2;
  }
  std::fputs("input | length | peak MB | seconds work answer\n", stdout);
  Mesure pire_temps;
  Mesure pire_memoire;
  for (std::size_t i = 0; i < liste.size(); ++i) {
    const Mesure m = dans_un_enfant("/proc/self/exe", i);
    const std::string ligne = colonne(liste[i].nom, 48) + " " +
                              colonne(texte_entier(static_cast<std::int64_t>(liste[i].texte.size())), 8) + " " +
                              colonne(texte_nombre_fixe(m.megaoctets, 1), 8) + " " + m.sortie + "\n";
    std::fputs(ligne.c_str(), stdout);
    std::fflush(stdout);
    if (m.secondes >= pire_temps.secondes) pire_temps = m;
    if (m.megaoctets >= pire_memoire.megaoctets) pire_memoire = m;
  }
  const std::string bilan = "worst time " + texte_nombre_fixe(pire_temps.secondes, 3) + " s, worst peak memory " +
                            texte_nombre_fixe(pire_memoire.megaoctets, 1) + " MB\n";
  std::fputs(bilan.c_str(), stdout);
  return 0;
}
