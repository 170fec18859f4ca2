// Speed of one keystroke in the hint-page editor with the live preview on:
// the key reaches the memo, whose change converts its text to a page and
// lays out and draws the whole page again on the preview. The page is a hint
// page of 5,000 characters: paragraphs of text with bold and coloured words,
// formulas, mark-up breaks and tag breaks. Each iteration types one
// character in the middle of the page or rubs it out.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <array>
#include <string>

#include "engine/fonctions_usuelles.h"
#include "engine/traduction_fonctions.h"
#include "executer_benchmarks.h"
#include "exercises/presentation.h"
#include "formula/formule.h"
#include "localisation/catalogue.h"
#include "localisation/choix_langue.h"
#include "platform/image_hote.h"
#include "platform/texte_qt.h"
#include "shell/pages_aide.h"
#include "shell/vorel.h"

namespace {

const QSize taille_fenetre(1024, 768);
constexpr std::size_t taille_page = 5000;

constexpr std::array<const char*, 6> formules{"(a+b)^2=a^2+2*a*b+b^2", "sqrt(x^2+1)/(2*x)", "x_1=(-b-sqrt(delta))/(2*a)",
                                              "integrer(x^2;x)",      "u_(n+1)=q*u_(n)",   "[-1;4]"};

// Paragraphs as teachers write them, up to the page's size.
std::string page_aide() {
  std::string page = "<P ALIGN=CENTER><B>Identit\xE9s remarquables</B></P>\xA8";
  for (std::size_t k = 0;; ++k) {
    std::string paragraphe = "On <FONT COLOR=red>d\xE9" "veloppe</FONT> le produit puis on <U>r\xE9" "duit</U> : {";
    paragraphe += formules[k % formules.size()];
    paragraphe += "}. <I>Exemple</I> : on remplace chaque lettre par sa valeur.";
    paragraphe += k % 2 == 0 ? "\xA8" : "<BR>";
    if (page.size() + paragraphe.size() > taille_page) break;
    page += paragraphe;
  }
  while (page.size() < taille_page) page += " encore";
  page.resize(taille_page);
  return page;
}

void touche(QWidget* zone, int cle, const QString& texte) {
  QKeyEvent appui(QEvent::KeyPress, cle, Qt::NoModifier, texte);
  QApplication::sendEvent(zone, &appui);
  QKeyEvent relache(QEvent::KeyRelease, cle, Qt::NoModifier, texte);
  QApplication::sendEvent(zone, &relache);
}

void apercu_d_une_touche(benchmark::State& etat) {
  TFvorel fenetre;
  fenetre.resize(taille_fenetre);
  fenetre.montrer_page(fenetre.TabSheet4);
  fenetre.show();
  QApplication::processEvents();
  fenetre.CBAffichage_auto->setChecked(true);
  fenetre.MCodeSource->setPlainText(depuis_1252(memo_de_page(page_aide())));
  // In the words of a paragraph half way down.
  const std::size_t position = page_aide().find("On ", taille_page / 2) + 3;
  QTextCursor milieu = fenetre.MCodeSource->textCursor();
  milieu.setPosition(static_cast<int>(position));
  fenetre.MCodeSource->setTextCursor(milieu);
  bool tapee = false;
  for (auto _ : etat) {
    if (tapee) {
      touche(fenetre.MCodeSource, Qt::Key_Backspace, {});
    } else {
      touche(fenetre.MCodeSource, Qt::Key_E, QStringLiteral("e"));
    }
    tapee = !tapee;
    benchmark::DoNotOptimize(fenetre.Image2->bitmap().constBits());
  }
  etat.counters["caracteres"] = static_cast<double>(fenetre.page_editeur().size());
  etat.counters["lignes"] = static_cast<double>(formule_de(Emplacement::editeur)->lignes.size());
  liberer_formules();
}
BENCHMARK(apercu_d_une_touche)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  // Formulas read calls and constants in the tables, as in the program.
  return executer_benchmarks_qt(argc, argv, [] {
    demarrer_moteur(0);
    remplir_textes(0);
  });
}
