// Speed of a page: layout and drawing of a typical exercise page (40 lines,
// 10 formulas of different kinds, 600 pixels wide), the work done on every
// display and resize. Then texts far longer than any page: 1 MB of words and
// 1 MB formulas of four shapes laid out as a page, and a 1 MB sum laid out
// alone, with the peak memory of the process after each.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <array>
#include <string>

#include "engine/fonctions_usuelles.h"
#include "engine/traduction_fonctions.h"
#include "executer_benchmarks.h"
#include "formula/formule.h"
#include "formula/mise_en_page.h"
#include "platform/canevas.h"
#include "localisation/choix_langue.h"
#include "localisation/texte_1252.h"
#include "platform/image_hote.h"

namespace {

const Tpolice police_des_pages{"MS Sans Serif", 14, 0, 0};

// Formulas as statements and answers show them: quotients, powers, roots,
// exp, an integral, vectors, subscripts, a table, pi and lists.
constexpr std::array<const char*, 10> formules{
    "3*x^2-(2*x+1)/(x-4)",    "sqrt(x^2+1)/(2*x)",          "exp(-x^2/2)",
    "integrer(x^2+3*x;x)",    "vecteur(AB)=2*vecteur(AC)",  "u_(n+1)=2*u_(n)+3",
    "affiche([[x;-2;0;3];[f(x);+;0;-]])", "pi*r^2",         "[-1;4]",
    "(a+b)^2=a^2+2*a*b+b^2"};

// A statement page as the presenter builds it: a right-aligned hint link, a
// centred title, and forty lines of statement and answers, ten of them with a
// formula.
std::string page_exercice() {
  std::string page = "<P ALIGN=RIGHT><A HREF=3>Aide</A></P><BR><P ALIGN=CENTER><B>Calcul litt\xE9ral</B></P><BR>";
  std::size_t suivante = 0;
  for (int k = 1; k <= 38; ++k) {
    page += std::to_string(k) + ". R\xE9" "duire puis <FONT COLOR=blue>donner</FONT> le r\xE9sultat";
    if (k % 4 == 0 || k == 2) page += std::string(" : {") + formules[suivante++ % formules.size()] + "}";
    page += k % 3 == 0 && k % 4 != 0 ? " <I>exactement</I>.<BR>" : ".<BR>";
  }
  return page;
}

void mise_en_page_et_affichage(benchmark::State& etat) {
  const std::string page = page_exercice();
  ImageHote image;
  for (auto _ : etat) {
    image.definir_largeur(600);
    Tformule f(&image, police_des_pages, page, 5, 0, false, false);
    f.afficher();
    benchmark::DoNotOptimize(image.bitmap().constBits());
  }
  Tformule f(&image, police_des_pages, page, 5, 0, false, false);
  etat.counters["lignes"] = static_cast<double>(f.lignes.size());
}
BENCHMARK(mise_en_page_et_affichage)->Unit(benchmark::kMillisecond);

void mise_en_page(benchmark::State& etat) {
  const std::string page = page_exercice();
  ImageHote image;
  image.definir_largeur(600);
  Tformule f(&image, police_des_pages, page, 5, 0, false, false);
  for (auto _ : etat) {
    image.definir_largeur(600);
    f.analyser();
    benchmark::DoNotOptimize(f.lignes.size());
  }
}
BENCHMARK(mise_en_page)->Unit(benchmark::kMillisecond);

void affichage(benchmark::State& etat) {
  const std::string page = page_exercice();
  ImageHote image;
  image.definir_largeur(600);
  Tformule f(&image, police_des_pages, page, 5, 0, false, false);
  for (auto _ : etat) {
    f.afficher();
    benchmark::DoNotOptimize(image.bitmap().constBits());
  }
}
BENCHMARK(affichage)->Unit(benchmark::kMillisecond);

constexpr std::size_t un_mo = 1 << 20;

// "mot mot mot ...", 1 MB.
std::string texte_d_un_mo() {
  std::string t;
  while (t.size() < un_mo) t += "mot ";
  return t;
}

// A formula of 1 MB: `terme` repeated, joined by `operateur`.
std::string formule_d_un_mo(const std::string& terme, const std::string& operateur) {
  std::string f = terme;
  while (f.size() < un_mo) f += operateur + terme;
  return f;
}

// The process's peak resident memory so far, in MB.
double pic_memoire_mo() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void mettre_en_page_un_mo(benchmark::State& etat, const std::string& source) {
  Canevas canevas;
  const CadrePage cadre{&canevas, {}, police_des_pages, 600, 5, 0};
  std::size_t lignes = 0;
  for (auto _ : etat) {
    const PageDisposee page = mettre_en_page(source, cadre);
    lignes = page.lignes.size();
    benchmark::DoNotOptimize(page.lignes.data());
  }
  etat.counters["lignes"] = static_cast<double>(lignes);
  etat.counters["pic_memoire_Mo"] = pic_memoire_mo();
}

void page_d_un_mo(benchmark::State& etat) { mettre_en_page_un_mo(etat, texte_d_un_mo()); }
BENCHMARK(page_d_un_mo)->Unit(benchmark::kMillisecond)->Iterations(2);

// `ouvrante`, `milieu` and `fermante` nested as often as 1 MB allows.
std::string imbriquee_d_un_mo(const std::string& ouvrante, const std::string& milieu, const std::string& fermante) {
  const std::size_t niveaux = un_mo / (ouvrante.size() + fermante.size());
  std::string f;
  for (std::size_t k = 0; k < niveaux; ++k) f += ouvrante;
  f += milieu;
  for (std::size_t k = 0; k < niveaux; ++k) f += fermante;
  return f;
}

// Formulas of every shape whose layout nests: sums, quotients, powers, and
// tall brackets nested as deep as the text allows.
void page_d_une_formule_d_un_mo(benchmark::State& etat) {
  static const std::array<std::string, 4> formules{
      formule_d_un_mo("1", "+"), formule_d_un_mo("(1+x)", "/"), formule_d_un_mo("x", "^"),
      imbriquee_d_un_mo("2*(1/x+", "1", ")")};
  mettre_en_page_un_mo(etat, "{" + formules[static_cast<std::size_t>(etat.range(0))] + "}");
}
BENCHMARK(page_d_une_formule_d_un_mo)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(2);

void formule_seule_d_un_mo(benchmark::State& etat) {
  const std::string formule = formule_d_un_mo("1", "+");
  Canevas canevas;
  for (auto _ : etat) {
    const Tligne ligne(&canevas, {}, police_des_pages, formule, 0, 0);
    benchmark::DoNotOptimize(ligne.cellules.data());
  }
  etat.counters["pic_memoire_Mo"] = pic_memoire_mo();
}
BENCHMARK(formule_seule_d_un_mo)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
  // Formulas read calls and constants in the tables, as in the program.
  return executer_benchmarks_qt(argc, argv, [] { demarrer_moteur(0); });
}
