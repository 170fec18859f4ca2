#include "formula/mise_en_page.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "formula/balises.h"
#include "formula/couleurs_html.h"
#include "platform/canevas.h"

namespace {

constexpr TColor bleu_lien = 0xFF0000;

// The layout state that a line break takes back: everything that the
// characters after the break position changed.
struct EtatMiseEnPage {
  bool souligne = false;
  bool gras = false;
  bool italique = false;
  bool barre = false;
  bool en_couleur = false;
  bool dans_lien = false;
  bool en_formule = false;
  TColor couleur_courante = 0;
  Tpolice police_courante;
  std::string tampon_formule;
  int debut_formule = 0;  // source index of the formula's first character
  std::string tampon_balise;

  // The font a character is measured and placed in: bold and italic change
  // the width, so they are in force before the character is placed.
  Tpolice police_effective() const {
    Tpolice p = police_courante;
    if (gras) p.style |= style_gras;
    if (italique) p.style |= style_italique;
    return p;
  }
};

// The page as it was just after the character at a break position: the last
// line, the layout state and the links. Only the last cell of the line can
// change after it (a style applied while a tag or a formula is read), so the
// cells are kept by count.
class InstantaneLigne {
 public:
  void prendre(const Tligne& ligne, const EtatMiseEnPage& etat, const std::vector<Tlien>& liens) {
    etat_ = etat;
    nombre_cellules_ = ligne.cellules.size();
    if (!ligne.cellules.empty()) derniere_ = ligne.cellules.back();
    nombre_objets_ = ligne.objets.size();
    longueur_texte_ = ligne.texte.size();
    droite_ = ligne.droite;
    bas_ = ligne.bas;
    gauche_ = ligne.gauche;
    haut_ = ligne.haut;
    alignement_ = ligne.alignement;
    nombre_liens_ = liens.size();
    if (!liens.empty()) lien_ = liens.back();
  }

  void restaurer(Tligne& ligne, EtatMiseEnPage& etat, std::vector<Tlien>& liens) const {
    ligne.cellules.resize(nombre_cellules_);
    if (!ligne.cellules.empty()) ligne.cellules.back() = derniere_;
    ligne.objets.resize(nombre_objets_);
    ligne.texte.resize(longueur_texte_);
    ligne.droite = droite_;
    ligne.bas = bas_;
    ligne.gauche = gauche_;
    ligne.haut = haut_;
    ligne.alignement = alignement_;
    etat = etat_;
    liens.resize(nombre_liens_);
    if (!liens.empty()) liens.back() = lien_;
  }

 private:
  EtatMiseEnPage etat_;
  std::size_t nombre_cellules_ = 0;
  Tcellule derniere_;
  std::size_t nombre_objets_ = 0;
  std::size_t longueur_texte_ = 0;
  int droite_ = 0;
  int bas_ = 0;
  int gauche_ = 0;
  int haut_ = 0;
  std::uint8_t alignement_ = 0;
  std::size_t nombre_liens_ = 0;
  Tlien lien_;
};

class Compositeur {
 public:
  Compositeur(std::string_view source, const CadrePage& cadre) : source_(source), cadre_(cadre) {}

  PageDisposee composer() {
    const bool coupee = source_.size() > longueur_page_maximale;
    if (coupee) source_ = source_.substr(0, longueur_page_maximale);
    page_.masque_balises = masque_balises(source_);
    page_.largeur = cadre_.largeur;
    if (source_.empty()) return std::move(page_);
    etat_.police_courante = cadre_.police;
    ajouter_ligne(cadre_.y0);
    const int n = static_cast<int>(source_.size());
    for (int i = 1; i <= n;) i = traiter_caractere(i);
    if (coupee) marquer_la_coupure();
    return std::move(page_);
  }

 private:
  int traiter_caractere(int i);
  int finir(int haut, int i);
  void appliquer_styles();
  void poser_formule(int haut, int position, bool fermee);
  void traiter_balise(int type, int position, int haut);
  int reprendre_a_la_coupure();
  void empiler_ligne();
  void marquer_la_coupure();

  Tligne& ligne_courante() { return *page_.lignes.back(); }
  bool depasse() { return ligne_courante().droite > cadre_.largeur; }
  // A break position before the character at `i` waits for the line to end.
  bool coupure_en_attente(int i) const { return coupure_ != -1 && coupure_ < i; }
  bool est_balise(int i) const { return page_.masque_balises[static_cast<std::size_t>(i - 1)]; }
  // Where the last line is laid out: under the one before it, the first at y0.
  int haut_courant() const {
    const auto& lignes = page_.lignes;
    return lignes.size() >= 2 ? lignes[lignes.size() - 2]->bas : cadre_.y0;
  }
  // The x at which the next character of the last line goes.
  int x_courant() {
    const Tligne& l = ligne_courante();
    return l.cellules.empty() ? cadre_.x0 : l.droite;
  }
  void ajouter_ligne(int haut) {
    page_.lignes.push_back(
        std::make_unique<Tligne>(cadre_.canevas, cadre_.options, etat_.police_courante, "", cadre_.x0, haut));
  }
  // The last line and its link at its last cell.
  void etendre_lien() {
    if (page_.liens.empty()) return;
    page_.liens.back().ligne_fin = static_cast<int>(page_.lignes.size()) - 1;
    page_.liens.back().cellule_fin = static_cast<int>(ligne_courante().cellules.size()) - 1;
  }

  std::string_view source_;
  const CadrePage& cadre_;
  PageDisposee page_;
  EtatMiseEnPage etat_;
  InstantaneLigne instantane_;
  // 1-based position of the last break position, -1 when none is pending.
  int coupure_ = -1;
};

// Lays the character at the 1-based position `i` out and gives the position
// of the next one: the one after the break position when the line was broken
// back there.
int Compositeur::traiter_caractere(int i) {
  const char c = source_[static_cast<std::size_t>(i - 1)];
  const bool balise = est_balise(i);
  const bool derniere = i == static_cast<int>(source_.size());
  bool complete = false;
  if (balise) {
    etat_.tampon_balise += c;
    complete = termine_une_balise(c);
  }
  const bool saut = c == saut_de_ligne || etat_.tampon_balise == "<BR>";
  // Before the end of the text, a line break ends the line even inside a
  // formula.
  const bool forcee = saut && !derniere;
  const int haut = haut_courant();
  const bool dans_formule = etat_.en_formule && c != '}';
  if (dans_formule) {
    etat_.tampon_formule += c;
  } else if (c != '{' && c != '}') {
    Tligne& l = ligne_courante();
    l.placer_caractere(source_.substr(static_cast<std::size_t>(i - 1), 1), x_courant(), haut,
                       etat_.police_effective(), balise);
    l.cellules.back().indice_source = i - 1;
  }
  const bool point_de_coupure = !dans_formule && (c == ' ' || saut);
  if (point_de_coupure) coupure_ = i;
  appliquer_styles();
  const bool deborde = depasse();
  if (coupure_en_attente(i) && (deborde || forcee)) return reprendre_a_la_coupure();
  if (complete) {
    const int type = type_balise(etat_.tampon_balise);
    traiter_balise(type, i, haut);
    const bool suite_balise = !derniere && est_balise(i + 1);
    if (!(type == balise_aucune && suite_balise)) etat_.tampon_balise.clear();
    // A formula just closed may overflow: break before it, at the last
    // blank, rather than after it.
    if (coupure_en_attente(i) && depasse()) return reprendre_a_la_coupure();
  }
  if (derniere) return finir(haut, i);
  if (point_de_coupure && (deborde || forcee)) {
    // The break falls on this very character: after its tag, so that a
    // closing tag or formula at the end of a line is aligned with it.
    ligne_courante().aligner(page_.largeur);
    empiler_ligne();
    ajouter_ligne(ligne_courante().bas);
    coupure_ = -1;
  } else if (point_de_coupure) {
    instantane_.prendre(ligne_courante(), etat_, page_.liens);
  }
  return i + 1;
}

// The end of the text ends the last line, unless what ends it overflows
// after an earlier blank: the line then breaks back there like any other.
int Compositeur::finir(int haut, int i) {
  // A formula still open at the end is laid out as if it were closed.
  if (etat_.en_formule) {
    poser_formule(haut, i, false);
    if (coupure_en_attente(i) && depasse()) return reprendre_a_la_coupure();
  }
  ligne_courante().aligner(page_.largeur);
  empiler_ligne();
  return i + 1;
}

// Back to the break position, then on to a new line: the characters after
// it are laid out again there, their tags read once more from that state.
int Compositeur::reprendre_a_la_coupure() {
  Tligne& l = ligne_courante();
  instantane_.restaurer(l, etat_, page_.liens);
  l.aligner(page_.largeur);
  empiler_ligne();
  ajouter_ligne(l.bas);
  const int suivante = coupure_ + 1;
  coupure_ = -1;
  return suivante;
}

// Puts the last line under the previous one (or at y0); the page widens to
// a line wider than it.
void Compositeur::empiler_ligne() {
  Tligne& l = ligne_courante();
  l.deplacer(0, haut_courant() - l.haut);
  page_.largeur = std::max(page_.largeur, l.droite);
}

// The mark of a cut text, on a line of its own in the page's font: its cells
// have no source character.
void Compositeur::marquer_la_coupure() {
  ajouter_ligne(ligne_courante().bas);
  for (std::size_t k = 0; k < marque_de_coupure.size(); ++k) {
    ligne_courante().placer_caractere(marque_de_coupure.substr(k, 1), x_courant(), haut_courant(), cadre_.police,
                                      false);
  }
  empiler_ligne();
}

void Compositeur::appliquer_styles() {
  Tligne& l = ligne_courante();
  if (l.cellules.empty()) return;
  Tcellule& c = l.cellules.back();
  if (etat_.gras) c.style |= style_gras;
  if (etat_.souligne || etat_.dans_lien) c.style |= style_souligne;
  if (etat_.italique) c.style |= style_italique;
  if (etat_.barre) c.style |= style_barre;
  if (etat_.en_couleur) {
    c.couleur = etat_.couleur_courante;
    etat_.police_courante.couleur = etat_.couleur_courante;
  } else {
    etat_.police_courante.couleur = cadre_.police.couleur;
  }
  if (etat_.dans_lien) {
    c.couleur = bleu_lien;
    etendre_lien();
  }
}

// The formula read so far becomes one line wrapped in hidden braces and joins
// the last line. `position` is the 1-based position of the closing brace (or
// of the last character when the source ends inside the formula).
void Compositeur::poser_formule(int haut, int position, bool fermee) {
  Tligne& l = ligne_courante();
  Tligne f(cadre_.canevas, cadre_.options, etat_.police_courante, etat_.tampon_formule, x_courant(), haut);
  for (auto& c : f.cellules) {
    if (c.indice_source < 0) continue;
    c.indice_source += etat_.debut_formule;
    // A tag written inside braces is still mark-up: never drawn.
    if (page_.masque_balises[static_cast<std::size_t>(c.indice_source)]) {
      c.balise = true;
      c.cache = true;
    }
  }
  const Tpolice& p = etat_.police_courante;
  const std::string& nom = nom_police(p);
  const int taille = taille_police(p);
  f.ajouter_caractere(0, "{", f.gauche, f.haut, f.gauche, true, true, nom, taille, p.couleur, p.style);
  f.cellules.front().indice_source = etat_.debut_formule - 1;
  if (fermee) {
    f.ajouter_caractere(-1, "}", f.droite, f.haut, f.droite, true, true, nom, taille, p.couleur, p.style);
    f.cellules.back().indice_source = position - 1;
  }
  l.concatener(f);
  etat_.tampon_formule.clear();
  etat_.en_formule = false;
}

void Compositeur::traiter_balise(int type, int position, int haut) {
  Tligne& l = ligne_courante();
  switch (type) {
    case balise_souligne:
    case balise_fin_souligne: etat_.souligne = !etat_.souligne; break;
    case balise_gras:
    case balise_fin_gras: etat_.gras = !etat_.gras; break;
    case balise_italique:
    case balise_fin_italique: etat_.italique = !etat_.italique; break;
    case balise_barre:
    case balise_fin_barre: etat_.barre = !etat_.barre; break;
    case balise_font:
    case balise_fin_font:
      etat_.en_couleur = !etat_.en_couleur;
      if (type == balise_font) etat_.couleur_courante = HtmlToColor(valeur_attribut(etat_.tampon_balise, "COLOR"));
      // The next character is placed in the colour now in force, not in the
      // one of the tag's own characters.
      etat_.police_courante.couleur = etat_.en_couleur ? etat_.couleur_courante : cadre_.police.couleur;
      break;
    case balise_paragraphe: {
      const std::string valeur = valeur_attribut(etat_.tampon_balise, "ALIGN");
      if (valeur == "CENTER") {
        l.alignement = 1;
      } else if (valeur == "RIGHT") {
        l.alignement = 2;
      } else if (valeur == "LEFT") {
        l.alignement = 0;
      }
      break;
    }
    case balise_lien: {
      Tlien lien;
      lien.ligne_debut = static_cast<int>(page_.lignes.size()) - 1;
      lien.cellule_debut = static_cast<int>(l.cellules.size()) - 1;
      lien.ligne_fin = lien.ligne_debut;
      lien.cellule_fin = lien.cellule_debut;
      lien.cible = valeur_attribut(etat_.tampon_balise, "HREF");
      page_.liens.push_back(std::move(lien));
      etat_.dans_lien = true;
      break;
    }
    case balise_fin_lien:
      if (etat_.dans_lien) etendre_lien();
      etat_.dans_lien = false;
      break;
    case balise_debut_formule:
      if (!etat_.en_formule) {
        etat_.en_formule = true;
        etat_.debut_formule = position;
        etat_.tampon_formule.clear();
      }
      break;
    case balise_fin_formule:
      if (etat_.en_formule) {
        poser_formule(haut, position, true);
      } else {
        // A brace that closes nothing is one hidden mark-up character.
        l.placer_caractere("}", x_courant(), haut, etat_.police_effective(), true);
        l.cellules.back().indice_source = position - 1;
      }
      break;
    default: break;  // "<BR>" and "</P>" act through the line break only
  }
}

}  // namespace

PageDisposee mettre_en_page(std::string_view source, const CadrePage& cadre) {
  return Compositeur(source, cadre).composer();
}
