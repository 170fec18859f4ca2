// Speed of one keystroke in an answer box: the key reaches the main window's
// edit box, whose change echoes the typed answers into the statement, laid
// out and drawn again on the exercise view. The statement is a typical page
// (40 lines, 10 formulas), with the answer in place of its "..." or, without
// dots, after it. Each iteration types one character or rubs it out.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <array>
#include <memory>
#include <string>

#include "engine/fonctions_usuelles.h"
#include "engine/traduction_fonctions.h"
#include "executer_benchmarks.h"
#include "exercises/presentation.h"
#include "formula/formule.h"
#include "localisation/catalogue.h"
#include "localisation/choix_langue.h"
#include "platform/image_hote.h"
#include "shell/vorel.h"

namespace {

// The exercise view about 600 pixels wide.
const QSize taille_fenetre(640, 768);
constexpr int lignes_enonce = 38;  // with the title and its blank line: 40 lines

constexpr std::array<const char*, 10> formules{
    "3*x^2-(2*x+1)/(x-4)",    "sqrt(x^2+1)/(2*x)",          "exp(-x^2/2)",
    "integrer(x^2+3*x;x)",    "vecteur(AB)=2*vecteur(AC)",  "u_(n+1)=2*u_(n)+3",
    "affiche([[x;-2;0;3];[f(x);+;0;-]])", "pi*r^2",         "[-1;4]",
    "(a+b)^2=a^2+2*a*b+b^2"};

// Forty lines of statement, ten of them with a formula; `trous` puts the
// answer's "..." on the last line.
std::string enonce(bool trous) {
  std::string page;
  std::size_t suivante = 0;
  for (int k = 1; k <= lignes_enonce; ++k) {
    page += "R\xE9" "duire puis <FONT COLOR=blue>donner</FONT> le r\xE9sultat";
    if (k % 4 == 0 || k == 2) page += std::string(" : {") + formules[suivante++ % formules.size()] + "}";
    page += "<BR>";
  }
  return page + (trous ? "R\xE9ponse : x = ..." : "R\xE9ponse ?");
}

void touche(QWidget* zone, int cle, const QString& texte) {
  QKeyEvent appui(QEvent::KeyPress, cle, Qt::NoModifier, texte);
  QApplication::sendEvent(zone, &appui);
}

// The main window with a question waiting for its answer, "12" typed.
QLineEdit* question_posee(TFvorel& fenetre, bool trous) {
  fenetre.resize(taille_fenetre);
  fenetre.montrer_page(fenetre.TabSheet1);
  preparer_exercice();
  fenetre.show();
  QApplication::processEvents();
  poser_question(enonce(trous), "T", {"123"}, "123", true);
  exercice_en_cours = true;
  auto* zone = qobject_cast<QLineEdit*>(controles_reponse.front());
  zone->setText(QStringLiteral("12"));
  return zone;
}

void echo_d_une_touche(benchmark::State& etat) {
  TFvorel fenetre;
  QLineEdit* zone = question_posee(fenetre, etat.range(0) != 0);
  bool tapee = false;
  for (auto _ : etat) {
    if (tapee) {
      touche(zone, Qt::Key_Backspace, {});
    } else {
      touche(zone, Qt::Key_3, QStringLiteral("3"));
    }
    tapee = !tapee;
    benchmark::DoNotOptimize(fenetre.Image1->bitmap().constBits());
  }
  etat.counters["largeur"] = fenetre.Image1->largeur();
  etat.counters["lignes"] = static_cast<double>(formule_de(Emplacement::exercice)->lignes.size());
  liberer_formules();
}
BENCHMARK(echo_d_une_touche)
    ->ArgName("points")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  // Formulas read calls and constants in the tables, as in the program.
  return executer_benchmarks_qt(argc, argv, [] {
    demarrer_moteur(0);
    remplir_textes(0);
  });
}
