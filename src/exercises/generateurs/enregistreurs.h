#pragma once
// A presenter, a chart and a calculator input that keep what a generator
// does with them, for runs without a window (tests, the console tool, the
// benchmark). Each chart call leaves one line, such as "AddXY 0 3 4",
// "gauche SetMinMax 0 10" or "SetTitle 0 2*x+(1)".

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "exercises/contexte_generateur.h"

// One call of poser_question.
struct QuestionPosee {
  std::string question;
  std::string format;
  std::vector<std::string> reponses;
  std::string correction;
  bool avec_saisie = false;
};

class PresentateurEnregistre final : public Presentateur {
 public:
  // Every call in order: "preparer_exercice", "poser_question",
  // "definir_forme_reponse", "definir_reponses_ordonnees", "masquer_saisie".
  std::vector<std::string> appels;
  std::vector<QuestionPosee> questions;
  // The state the calls leave, starting as preparer_exercice sets it.
  std::string forme;
  bool ordonnees = true;
  bool saisie = true;

  void preparer_exercice() override;
  void poser_question(const std::string& question, const std::string& format,
                      const std::vector<std::string>& reponses, const std::string& correction,
                      bool avec_saisie) override;
  void definir_forme_reponse(const std::string& forme_reponse) override;
  void definir_reponses_ordonnees(bool reponses_ordonnees) override;
  void masquer_saisie() override;
};

class GraphiqueEnregistre final : public GraphiqueExercice {
 public:
  struct Serie {
    bool points = false;  // a point series, else a line series
    std::uint32_t couleur = 0;
    int largeur = 1;
    std::string titre;
    std::vector<double> x, y;
  };
  struct EtatAxe {
    bool visible = true;
    bool grille = true;
    double position = 0;
    double minimum = 0, maximum = 0;
    bool automatique = true;
  };

  std::vector<std::string> appels;
  std::vector<Serie> series;
  EtatAxe gauche, bas;
  bool visible = false;
  bool actif = false;

  void RemoveAllSeries() override;
  int NewLineSeries() override;
  int NewPointSeries() override;
  void AddXY(int serie, double x, double y) override;
  void SetPenColor(int serie, std::uint32_t couleur) override;
  void SetPenWidth(int serie, int largeur) override;
  int SeriesCount() const override;
  int Count(int serie) const override;
  // Records a title and the points through this chart; markers are not kept.
  std::unique_ptr<Tserie_courbe> SerieCourbe(int serie) override;
  void SetVisible(Axe axe, bool visible_axe) override;
  void SetGridVisible(Axe axe, bool visible_grille) override;
  void SetPositionPercent(Axe axe, double pourcentage) override;
  void SetMinMax(Axe axe, double minimum, double maximum) override;
  void SetAutomatic(Axe axe, bool automatique) override;
  void SetVisible(bool visible_graphique) override;
  void SetEnabled(bool actif_graphique) override;

  EtatAxe& axe(Axe a) { return a == Axe::gauche ? gauche : bas; }

 private:
  Serie* serie(int indice);
  void noter(Axe a, const std::string& appel);
};

class CalculatriceEnregistree final : public SaisieCalculatrice {
 public:
  std::vector<std::string> textes;
  void definir_texte(const std::string& texte) override { textes.push_back(texte); }
};
