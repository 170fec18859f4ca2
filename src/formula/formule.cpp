#include "formula/formule.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "formula/balises.h"
#include "formula/couleurs_html.h"
#include "localisation/catalogue.h"
#include "localisation/messages.h"
#include "platform/canevas.h"
#include "platform/image_hote.h"

namespace {

constexpr TColor bleu_lien = 0xFF0000;

// Binary search over items laid out in order along one axis: the item whose
// span strictly contains the coordinate, -1 when none.
template <typename Contient, typename Fin>
int chercher(int nombre, int coordonnee, Contient contient, Fin fin) {
  if (nombre <= 0) return -1;
  int bas = 0;
  int haut = nombre - 1;
  int precedente = -1;
  while (true) {
    if (haut == bas) return contient(haut) ? haut : -1;
    if (haut - bas == 1) {
      // Both neighbours are candidates; one of them may have been probed.
      if (bas != precedente && contient(bas)) return bas;
      if (haut != precedente && contient(haut)) return haut;
      return -1;
    }
    const int sonde = bas + (haut - bas) / 2;
    if (contient(sonde)) return sonde;
    if (coordonnee <= fin(sonde)) {
      haut = sonde;
    } else {
      bas = sonde;
    }
    precedente = sonde;
  }
}

bool ferme_une_balise(char c) { return c == '>' || c == '{' || c == '}'; }

}  // namespace

// The layout state that a line break takes back: everything that the
// characters after the break position changed.
struct Tformule::Etat {
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

// The last line and the state after the character at the break position.
// Only the last cell of the line can change after it (a style applied while
// a tag or a formula is read), so the cells are kept by count.
struct Tformule::Instantane {
  Etat etat;
  std::size_t nombre_cellules = 0;
  Tcellule derniere;
  std::size_t nombre_objets = 0;
  std::size_t longueur_texte = 0;
  int droite = 0;
  int bas = 0;
  int gauche = 0;
  int haut = 0;
  std::uint8_t alignement = 0;
  std::size_t nombre_liens = 0;
  Tlien lien;
};

Tformule::Tformule(ImageHote* image_, const Tpolice& police_, std::string texte, int x, int y,
                   bool fonctions_en_rouge_, bool coloration_)
    : source(std::move(texte)),
      image(image_),
      canevas(&image_->canevas()),
      x0(x),
      y0(y),
      fonctions_en_rouge(fonctions_en_rouge_),
      coloration(coloration_),
      police(police_) {
  image->effacer_image();
  image->definir_sur_deplacement(this, [this](unsigned etat, int px, int py) { ImageMouseMove(etat, px, py); });
  image->definir_sur_appui(this, [this](BoutonSouris bouton, unsigned etat, int px, int py) {
    ImageMouseDown(bouton, etat, px, py);
  });
  analyser();
}

Tformule::~Tformule() {
  image->retirer_gestionnaires(this);
  if (BoiteDefilement* b = image->boite()) b->retirer_gestionnaires(this);
}

void Tformule::analyser() { mettre_en_page(true); }

void Tformule::empiler_ligne() {
  Tligne& l = *lignes.back();
  const int haut_voulu = lignes.size() >= 2 ? lignes[lignes.size() - 2]->bas : y0;
  l.deplacer(0, haut_voulu - l.haut);
  if (l.droite > image->largeur()) image->definir_largeur(l.droite);
}

void Tformule::appliquer_styles(Etat& etat) {
  Tligne& l = *lignes.back();
  if (l.cellules.empty()) return;
  Tcellule& c = l.cellules.back();
  if (etat.gras) c.style |= style_gras;
  if (etat.souligne || etat.dans_lien) c.style |= style_souligne;
  if (etat.italique) c.style |= style_italique;
  if (etat.barre) c.style |= style_barre;
  if (etat.en_couleur) {
    c.couleur = etat.couleur_courante;
    etat.police_courante.couleur = etat.couleur_courante;
  } else {
    etat.police_courante.couleur = police.couleur;
  }
  if (etat.dans_lien) {
    c.couleur = bleu_lien;
    if (!liens.empty()) {
      liens.back().ligne_fin = static_cast<int>(lignes.size()) - 1;
      liens.back().cellule_fin = static_cast<int>(l.cellules.size()) - 1;
    }
  }
}

// The formula read so far becomes one line wrapped in hidden braces and joins
// the last line. `position` is the 1-based position of the closing brace (or
// of the last character when the source ends inside the formula).
void Tformule::poser_formule(Etat& etat, int haut, int position, bool fermee) {
  Tligne& l = *lignes.back();
  const int x = l.cellules.empty() ? x0 : l.droite;
  Tligne f(this, etat.police_courante, etat.tampon_formule, x, haut);
  for (auto& c : f.cellules) {
    if (c.indice_source < 0) continue;
    c.indice_source += etat.debut_formule;
    // A tag written inside braces is still mark-up: never drawn.
    if (masque_balises[static_cast<std::size_t>(c.indice_source)]) {
      c.balise = true;
      c.cache = true;
    }
  }
  const Tpolice& p = etat.police_courante;
  const std::string nom = p.nom.empty() ? "MS Sans Serif" : p.nom;
  const int taille = p.taille <= 0 ? 14 : p.taille;
  f.ajouter_caractere(0, "{", f.gauche, f.haut, f.gauche, true, true, nom, taille, p.couleur, p.style);
  f.cellules.front().indice_source = etat.debut_formule - 1;
  if (fermee) {
    f.ajouter_caractere(-1, "}", f.droite, f.haut, f.droite, true, true, nom, taille, p.couleur, p.style);
    f.cellules.back().indice_source = position - 1;
  }
  l.concatener(f);
  etat.tampon_formule.clear();
  etat.en_formule = false;
}

void Tformule::traiter_balise(Etat& etat, int type, int position, int haut) {
  Tligne& l = *lignes.back();
  switch (type) {
    case balise_souligne:
    case balise_fin_souligne: etat.souligne = !etat.souligne; break;
    case balise_gras:
    case balise_fin_gras: etat.gras = !etat.gras; break;
    case balise_italique:
    case balise_fin_italique: etat.italique = !etat.italique; break;
    case balise_barre:
    case balise_fin_barre: etat.barre = !etat.barre; break;
    case balise_font:
    case balise_fin_font:
      etat.en_couleur = !etat.en_couleur;
      if (type == balise_font) etat.couleur_courante = HtmlToColor(valeur_attribut(etat.tampon_balise, "COLOR"));
      // The next character is placed in the colour now in force, not in the
      // one of the tag's own characters.
      etat.police_courante.couleur = etat.en_couleur ? etat.couleur_courante : police.couleur;
      break;
    case balise_paragraphe: {
      const std::string valeur = valeur_attribut(etat.tampon_balise, "ALIGN");
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
      lien.ligne_debut = static_cast<int>(lignes.size()) - 1;
      lien.cellule_debut = static_cast<int>(l.cellules.size()) - 1;
      lien.ligne_fin = lien.ligne_debut;
      lien.cellule_fin = lien.cellule_debut;
      lien.cible = valeur_attribut(etat.tampon_balise, "HREF");
      liens.push_back(std::move(lien));
      etat.dans_lien = true;
      break;
    }
    case balise_fin_lien:
      if (etat.dans_lien && !liens.empty()) {
        liens.back().ligne_fin = static_cast<int>(lignes.size()) - 1;
        liens.back().cellule_fin = static_cast<int>(l.cellules.size()) - 1;
      }
      etat.dans_lien = false;
      break;
    case balise_debut_formule:
      if (!etat.en_formule) {
        etat.en_formule = true;
        etat.debut_formule = position;
        etat.tampon_formule.clear();
      }
      break;
    case balise_fin_formule:
      if (etat.en_formule) {
        poser_formule(etat, haut, position, true);
      } else {
        // A brace that closes nothing is one hidden mark-up character.
        const int x = l.cellules.empty() ? x0 : l.droite;
        l.placer_caractere("}", x, haut, etat.police_effective(), true);
        l.cellules.back().indice_source = position - 1;
      }
      break;
    default: break;  // "<BR>" and "</P>" act through the line break only
  }
}

void Tformule::mettre_en_page(bool suivre_boite) {
  image->effacer_image();
  canevas = &image->canevas();
  occupe = false;
  ligne_selectionnee = -1;
  texte_selectionne.clear();
  source_selectionnee.clear();
  rectangle_inverse = {};
  ancre = {};
  fin = {};
  lignes.clear();
  liens.clear();
  boite = image->boite();
  if (suivre_boite && boite != nullptr) {
    image->definir_largeur(boite->width() - 25);
    boite->definir_sur_redimensionnement(this, [this] {
      analyser();
      if (!lignes.empty()) afficher();
    });
  }
  const int largeur = image->largeur();
  masque_balises = ::masque_balises(source);
  if (source.empty()) return;

  Etat etat;
  etat.police_courante = police;
  lignes.push_back(std::make_unique<Tligne>(this, etat.police_courante, "", x0, y0));
  const int n = static_cast<int>(source.size());
  int coupure = -1;
  Instantane instantane;

  const auto prendre_instantane = [&] {
    const Tligne& l = *lignes.back();
    instantane.etat = etat;
    instantane.nombre_cellules = l.cellules.size();
    if (!l.cellules.empty()) instantane.derniere = l.cellules.back();
    instantane.nombre_objets = l.objets.size();
    instantane.longueur_texte = l.texte.size();
    instantane.droite = l.droite;
    instantane.bas = l.bas;
    instantane.gauche = l.gauche;
    instantane.haut = l.haut;
    instantane.alignement = l.alignement;
    instantane.nombre_liens = liens.size();
    if (!liens.empty()) instantane.lien = liens.back();
  };
  // Back to the break position, then on to a new line: the characters after
  // it are laid out again there, their tags read once more from that state.
  const auto couper_a_l_instantane = [&] {
    Tligne& l = *lignes.back();
    l.cellules.resize(instantane.nombre_cellules);
    if (!l.cellules.empty()) l.cellules.back() = instantane.derniere;
    l.objets.resize(instantane.nombre_objets);
    l.texte.resize(instantane.longueur_texte);
    l.droite = instantane.droite;
    l.bas = instantane.bas;
    l.gauche = instantane.gauche;
    l.haut = instantane.haut;
    l.alignement = instantane.alignement;
    etat = instantane.etat;
    liens.resize(instantane.nombre_liens);
    if (!liens.empty()) liens.back() = instantane.lien;
    l.aligner();
    empiler_ligne();
    lignes.push_back(std::make_unique<Tligne>(this, etat.police_courante, "", x0, lignes.back()->bas));
  };

  for (int i = 1; i <= n; ++i) {
    const char c = source[static_cast<std::size_t>(i - 1)];
    const bool balise = masque_balises[static_cast<std::size_t>(i - 1)];
    const bool derniere = i == n;
    bool complete = false;
    if (balise) {
      etat.tampon_balise += c;
      complete = ferme_une_balise(c);
    }
    const bool forcee = derniere || c == saut_de_ligne || etat.tampon_balise == "<BR>";
    const int haut = lignes.size() >= 2 ? lignes[lignes.size() - 2]->bas : y0;
    bool point_de_coupure = false;
    if (etat.en_formule && c != '}') {
      etat.tampon_formule += c;
      if (derniere) coupure = i;  // laid out after its tag, as if closed
    } else {
      if (c != '{' && c != '}') {
        Tligne& l = *lignes.back();
        const int x = l.cellules.empty() ? x0 : l.droite;
        l.placer_caractere(std::string_view(&source[static_cast<std::size_t>(i - 1)], 1), x, haut,
                           etat.police_effective(), balise);
        l.cellules.back().indice_source = i - 1;
      }
      if (c == ' ' || forcee) {
        coupure = i;
        point_de_coupure = true;
      }
    }
    appliquer_styles(etat);
    const bool coupe = coupure != -1 && (lignes.back()->droite > largeur || forcee);
    if (coupe && coupure < i) {
      couper_a_l_instantane();
      i = coupure;
      coupure = -1;
      continue;
    }
    if (complete) {
      const int type = type_balise(etat.tampon_balise);
      traiter_balise(etat, type, i, haut);
      const bool suite_balise = !derniere && masque_balises[static_cast<std::size_t>(i)];
      if (!(type == balise_aucune && suite_balise)) etat.tampon_balise.clear();
      // A formula just closed may overflow: break before it, at the last
      // blank, rather than after it.
      if (coupure != -1 && coupure < i && lignes.back()->droite > largeur) {
        couper_a_l_instantane();
        i = coupure;
        coupure = -1;
        continue;
      }
    }
    // A formula still open at the end is laid out as if it were closed.
    if (derniere && etat.en_formule) poser_formule(etat, haut, i, false);
    if (coupe) {
      // The break falls on this very character: after its tag, so that a
      // closing tag or formula at the end of a line is aligned with it.
      lignes.back()->aligner();
      if (i < n) {
        empiler_ligne();
        lignes.push_back(std::make_unique<Tligne>(this, etat.police_courante, "", x0, lignes.back()->bas));
      }
      coupure = -1;
      point_de_coupure = false;
    }
    if (point_de_coupure) prendre_instantane();
    if (derniere) empiler_ligne();
  }
}

void Tformule::afficher(Canevas* cible) {
  if (lignes.empty()) return;
  image->definir_hauteur(lignes.back()->bas);
  image->dimensionner_bitmap(image->largeur(), image->hauteur());
  for (auto& l : lignes) l->afficher(cible);
  if (cible == nullptr) {
    // A redraw keeps the caret or the selection on screen.
    if (rectangle_inverse.gauche != -1) canevas->inverser(rectangle_inverse.gauche, rectangle_inverse.haut,
                                                           rectangle_inverse.droite, rectangle_inverse.bas);
    image->rafraichir();
  }
}

void Tformule::imprimer(QPrinter* imprimante) {
  std::unique_ptr<QPrinter> par_defaut;
  if (imprimante == nullptr) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
      affiche_message(catalogue_textes.txt_aucune_imprimante);
      return;
    }
    par_defaut = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    imprimante = par_defaut.get();
  }
  // The page is laid out in screen pixels at the printable width and the
  // printer's painter scales them to its resolution.
  const QRect zone = imprimante->pageLayout().paintRectPixels(96);
  const int largeur_ecran = image->largeur();
  image->definir_largeur(zone.width());
  mettre_en_page(false);
  Canevas papier;
  papier.attacher(imprimante, imprimante->resolution() / 96.0);
  int haut_page = lignes.empty() ? 0 : lignes.front()->haut;
  for (std::size_t k = 0; k < lignes.size(); ++k) {
    Tligne& l = *lignes[k];
    if (k > 0 && l.bas - haut_page > zone.height()) {
      imprimante->newPage();
      haut_page = l.haut;
    }
    papier.decaler(0, -haut_page);
    l.afficher(&papier);
  }
  papier.terminer();
  image->definir_largeur(largeur_ecran);
  analyser();
  afficher();
}

int Tformule::ligne_en(int y) const {
  return chercher(
      static_cast<int>(lignes.size()), y,
      [&](int k) { return lignes[static_cast<std::size_t>(k)]->haut < y && y < lignes[static_cast<std::size_t>(k)]->bas; },
      [&](int k) { return lignes[static_cast<std::size_t>(k)]->bas; });
}

Tposition Tformule::cellule_en(int x, int y) const {
  const int l = ligne_en(y);
  if (l < 0) return {};
  const auto& cellules = lignes[static_cast<std::size_t>(l)]->cellules;
  const auto contient = [&](int k) {
    const Tcellule& c = cellules[static_cast<std::size_t>(k)];
    return c.gauche < x && x < c.droite;
  };
  int c = chercher(static_cast<int>(cellules.size()), x, contient,
                   [&](int k) { return cellules[static_cast<std::size_t>(k)].droite; });
  // A hidden cell overlaps the visible one before it: that one is meant.
  while (c >= 0 && cellules[static_cast<std::size_t>(c)].cache) --c;
  if (c >= 0 && !contient(c)) c = -1;
  return {l, c};
}

const Tcellule* Tformule::cellule(int l, int c) const {
  if (l < 0 || static_cast<std::size_t>(l) >= lignes.size()) return nullptr;
  const auto& cellules = lignes[static_cast<std::size_t>(l)]->cellules;
  if (c < 0 || static_cast<std::size_t>(c) >= cellules.size()) return nullptr;
  return &cellules[static_cast<std::size_t>(c)];
}

bool Tformule::position_valide(Tposition p) const { return cellule(p.ligne, p.cellule) != nullptr; }

Tposition Tformule::position_cellule(int index) const {
  if (index < 0) return {};
  for (std::size_t l = 0; l < lignes.size(); ++l) {
    const auto& cellules = lignes[l]->cellules;
    for (std::size_t c = 0; c < cellules.size(); ++c) {
      if (cellules[c].indice_source == index) return {static_cast<int>(l), static_cast<int>(c)};
    }
  }
  return {};
}

int Tformule::indice_source(int l, int c) const {
  if (l < 0) return 0;
  const Tcellule* k = cellule(l, c);
  return k != nullptr ? k->indice_source : -1;
}

void Tformule::inverser(const Trectangle& r) {
  canevas->inverser(r.gauche, r.haut, r.droite, r.bas);
  image->rafraichir();
}

void Tformule::effacer_surbrillance() {
  if (rectangle_inverse.gauche != -1) inverser(rectangle_inverse);
  rectangle_inverse = {};
}

void Tformule::placer_curseur(int l, int c) {
  effacer_surbrillance();
  if (const Tcellule* k = cellule(l, c)) {
    const Tligne& ligne = *lignes[static_cast<std::size_t>(l)];
    rectangle_inverse = {k->gauche, ligne.haut, k->gauche + 2, ligne.bas - 1};
    inverser(rectangle_inverse);
  }
  texte_selectionne.clear();
  source_selectionnee.clear();
}

void Tformule::selectionner(Tposition ancre_, Tposition fin_, bool avec_balises) {
  texte_selectionne.clear();
  source_selectionnee.clear();
  effacer_surbrillance();
  ancre = ancre_;
  fin = fin_;
  const Tcellule* a = cellule(ancre.ligne, ancre.cellule);
  const Tcellule* b = cellule(fin.ligne, fin.cellule);
  if (a == nullptr || b == nullptr) return;
  rectangle_inverse = {a->gauche, lignes[static_cast<std::size_t>(ancre.ligne)]->haut, b->droite,
                       lignes[static_cast<std::size_t>(fin.ligne)]->bas - 1};
  inverser(rectangle_inverse);
  if (ancre.ligne != fin.ligne) return;
  const auto& cellules = lignes[static_cast<std::size_t>(ancre.ligne)]->cellules;
  // Dragging to the left selects the same characters as dragging right.
  const int premiere = std::min(ancre.cellule, fin.cellule);
  const int derniere = std::max(ancre.cellule, fin.cellule);
  for (int k = premiere; k <= derniere; ++k) {
    const Tcellule& c = cellules[static_cast<std::size_t>(k)];
    source_selectionnee += c.caractere;
    if (avec_balises || !c.balise) texte_selectionne += c.caractere;
  }
}

void Tformule::selectionner_ligne(int l, bool avec_balises) {
  effacer_surbrillance();
  if (l < 0 || static_cast<std::size_t>(l) >= lignes.size()) {
    ligne_selectionnee = -1;
    ancre = {};
    fin = {};
    texte_selectionne.clear();
    source_selectionnee.clear();
    return;
  }
  const Tligne& ligne = *lignes[static_cast<std::size_t>(l)];
  rectangle_inverse = {0, ligne.haut, image->largeur(), ligne.bas - 1};
  inverser(rectangle_inverse);
  ligne_selectionnee = l;
  ancre = {l, 0};
  fin = {l, static_cast<int>(ligne.cellules.size()) - 1};
  source_selectionnee = ligne.texte;
  texte_selectionne = avec_balises ? ligne.texte : ligne.texte_affiche();
}

// The first and last source characters under the selection, in order;
// none when either end lies outside the text.
std::optional<std::pair<int, int>> Tformule::bornes_selection() const {
  if (!position_valide(ancre) || !position_valide(fin)) return std::nullopt;
  int a = indice_source(ancre.ligne, ancre.cellule);
  int b = indice_source(fin.ligne, fin.cellule);
  if (a < 0 || b < 0) return std::nullopt;
  if (a > b) std::swap(a, b);
  if (static_cast<std::size_t>(b) >= source.size()) return std::nullopt;
  return std::pair{a, b};
}

void Tformule::supprimer_selection() {
  const auto bornes = bornes_selection();
  if (!bornes) return;
  const auto [a, b] = *bornes;
  source.erase(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a + 1));
}

void Tformule::baliser_selection(std::string_view ouvrante, std::string_view fermante, const std::vector<int>& types) {
  const auto bornes = bornes_selection();
  if (!bornes) return;
  const auto [a, b] = *bornes;
  const std::vector<bool> masque = ::masque_balises(source);
  std::string garde;
  std::string tag;
  for (int k = a; k <= b; ++k) {
    const char c = source[static_cast<std::size_t>(k)];
    if (!masque[static_cast<std::size_t>(k)]) {
      garde += tag;
      tag.clear();
      garde += c;
      continue;
    }
    tag += c;
    if (!ferme_une_balise(c)) continue;
    if (std::find(types.begin(), types.end(), type_balise(tag)) == types.end()) garde += tag;
    tag.clear();
  }
  garde += tag;
  source = source.substr(0, static_cast<std::size_t>(a)) + std::string(ouvrante) + garde + std::string(fermante) +
           source.substr(static_cast<std::size_t>(b) + 1);
}

void Tformule::ImageMouseMove(unsigned etat, int x, int y) {
  if (selection_active && selection_caractere && (etat & etat_gauche) != 0) {
    selectionner(ancre, cellule_en(x, y), true);
  }
  lien_survole.clear();
  bool touche = false;
  for (const auto& lien : liens) {
    const Tcellule* debut = cellule(lien.ligne_debut, lien.cellule_debut);
    const Tcellule* bout = cellule(lien.ligne_fin, lien.cellule_fin);
    if (debut == nullptr || bout == nullptr) continue;
    if (debut->gauche <= x && x <= bout->droite && debut->haut <= y && y <= bout->haut + 20) {
      lien_survole = lien.cible;
      touche = true;
      break;
    }
  }
  image->definir_curseur(touche ? Curseur::main : Curseur::defaut);
}

void Tformule::ImageMouseDown(BoutonSouris bouton, unsigned, int x, int y) {
  lien_clique = lien_survole;
  texte_selectionne.clear();
  source_selectionnee.clear();
  if (selection_active && !occupe) {
    if (bouton == BoutonSouris::gauche) {
      ancre = cellule_en(x, y);
      fin = ancre;
      if (selection_caractere) placer_curseur(ancre.ligne, ancre.cellule);
    }
    if (!selection_caractere || bouton == BoutonSouris::droit) selectionner_ligne(ligne_en(y), false);
  }
  occupe = false;
}
