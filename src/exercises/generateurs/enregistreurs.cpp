#include "exercises/generateurs/enregistreurs.h"

#include <utility>

#include "localisation/nombres.h"

namespace {

std::string texte_booleen(bool valeur) { return valeur ? "1" : "0"; }

std::string texte_couleur(std::uint32_t couleur) {
  constexpr int chiffres = 6;
  constexpr char hexa[] = "0123456789ABCDEF";
  std::string texte = "0x";
  for (int i = chiffres - 1; i >= 0; --i) texte += hexa[(couleur >> (4 * i)) & 0xF];
  return texte;
}

// One series of the recording chart as a curve series: the title and the
// points go through the chart, which records them.
class SerieCourbeEnregistree final : public Tserie_courbe {
 public:
  SerieCourbeEnregistree(GraphiqueEnregistre& graphique, int indice) : graphique_(graphique), indice_(indice) {}

  void SetTitle(const std::string& titre) override {
    graphique_.appels.push_back("SetTitle " + texte_entier(indice_) + " " + titre);
    serie().titre = titre;
  }
  void SetPointer(Tpointeur_courbe, int, int) override {}
  int AddXY(double x, double y) override {
    graphique_.AddXY(indice_, x, y);
    return Count() - 1;
  }
  int Count() const override { return graphique_.Count(indice_); }
  double XValue(int i) const override { return dans(i) ? serie().x[static_cast<std::size_t>(i)] : 0; }
  double YValue(int i) const override { return dans(i) ? serie().y[static_cast<std::size_t>(i)] : 0; }
  void SwapValueIndex(int a, int b) override {
    if (!dans(a) || !dans(b)) return;
    std::swap(serie().x[static_cast<std::size_t>(a)], serie().x[static_cast<std::size_t>(b)]);
    std::swap(serie().y[static_cast<std::size_t>(a)], serie().y[static_cast<std::size_t>(b)]);
  }

 private:
  GraphiqueEnregistre::Serie& serie() const { return graphique_.series[static_cast<std::size_t>(indice_)]; }
  bool dans(int i) const { return i >= 0 && i < Count(); }

  GraphiqueEnregistre& graphique_;
  int indice_;
};

}  // namespace

void PresentateurEnregistre::preparer_exercice() {
  appels.emplace_back("preparer_exercice");
  forme.clear();
  ordonnees = true;
}

void PresentateurEnregistre::poser_question(const std::string& question, const std::string& format,
                                            const std::vector<std::string>& reponses,
                                            const std::string& correction, bool avec_saisie) {
  appels.emplace_back("poser_question");
  questions.push_back({question, format, reponses, correction, avec_saisie});
  saisie = avec_saisie;
}

void PresentateurEnregistre::definir_forme_reponse(const std::string& forme_reponse) {
  appels.emplace_back("definir_forme_reponse");
  forme = forme_reponse;
}

void PresentateurEnregistre::definir_reponses_ordonnees(bool reponses_ordonnees) {
  appels.emplace_back("definir_reponses_ordonnees");
  ordonnees = reponses_ordonnees;
}

void PresentateurEnregistre::masquer_saisie() {
  appels.emplace_back("masquer_saisie");
  saisie = false;
}

GraphiqueEnregistre::Serie* GraphiqueEnregistre::serie(int indice) {
  if (indice < 0 || indice >= static_cast<int>(series.size())) return nullptr;
  return &series[static_cast<std::size_t>(indice)];
}

void GraphiqueEnregistre::noter(Axe a, const std::string& appel) {
  appels.push_back(std::string(a == Axe::gauche ? "gauche " : "bas ") + appel);
}

void GraphiqueEnregistre::RemoveAllSeries() {
  appels.emplace_back("RemoveAllSeries");
  series.clear();
}

int GraphiqueEnregistre::NewLineSeries() {
  series.push_back({});
  appels.push_back("NewLineSeries " + texte_entier(static_cast<std::int64_t>(series.size()) - 1));
  return static_cast<int>(series.size()) - 1;
}

int GraphiqueEnregistre::NewPointSeries() {
  series.push_back({});
  series.back().points = true;
  appels.push_back("NewPointSeries " + texte_entier(static_cast<std::int64_t>(series.size()) - 1));
  return static_cast<int>(series.size()) - 1;
}

void GraphiqueEnregistre::AddXY(int indice, double x, double y) {
  appels.push_back("AddXY " + texte_entier(indice) + " " + texte_nombre(x) + " " + texte_nombre(y));
  if (Serie* s = serie(indice)) {
    s->x.push_back(x);
    s->y.push_back(y);
  }
}

void GraphiqueEnregistre::SetPenColor(int indice, std::uint32_t couleur) {
  appels.push_back("SetPenColor " + texte_entier(indice) + " " + texte_couleur(couleur));
  if (Serie* s = serie(indice)) s->couleur = couleur;
}

void GraphiqueEnregistre::SetPenWidth(int indice, int largeur) {
  appels.push_back("SetPenWidth " + texte_entier(indice) + " " + texte_entier(largeur));
  if (Serie* s = serie(indice)) s->largeur = largeur;
}

int GraphiqueEnregistre::SeriesCount() const { return static_cast<int>(series.size()); }

int GraphiqueEnregistre::Count(int indice) const {
  if (indice < 0 || indice >= static_cast<int>(series.size())) return 0;
  return static_cast<int>(series[static_cast<std::size_t>(indice)].x.size());
}

std::unique_ptr<Tserie_courbe> GraphiqueEnregistre::SerieCourbe(int indice) {
  if (serie(indice) == nullptr) return nullptr;
  return std::make_unique<SerieCourbeEnregistree>(*this, indice);
}

void GraphiqueEnregistre::SetVisible(Axe a, bool visible_axe) {
  noter(a, "SetVisible " + texte_booleen(visible_axe));
  axe(a).visible = visible_axe;
}

void GraphiqueEnregistre::SetGridVisible(Axe a, bool visible_grille) {
  noter(a, "SetGridVisible " + texte_booleen(visible_grille));
  axe(a).grille = visible_grille;
}

void GraphiqueEnregistre::SetPositionPercent(Axe a, double pourcentage) {
  noter(a, "SetPositionPercent " + texte_nombre(pourcentage));
  axe(a).position = pourcentage;
}

void GraphiqueEnregistre::SetMinMax(Axe a, double minimum, double maximum) {
  noter(a, "SetMinMax " + texte_nombre(minimum) + " " + texte_nombre(maximum));
  axe(a).minimum = minimum;
  axe(a).maximum = maximum;
}

void GraphiqueEnregistre::SetAutomatic(Axe a, bool automatique) {
  noter(a, "SetAutomatic " + texte_booleen(automatique));
  axe(a).automatique = automatique;
}

void GraphiqueEnregistre::SetVisible(bool visible_graphique) {
  appels.push_back("SetVisible " + texte_booleen(visible_graphique));
  visible = visible_graphique;
}

void GraphiqueEnregistre::SetEnabled(bool actif_graphique) {
  appels.push_back("SetEnabled " + texte_booleen(actif_graphique));
  actif = actif_graphique;
}
