// The page widget's side of a page of mark-up: it lays the page out at the
// image's width and follows the scroll box around it, draws the lines on the
// image, prints them, inverts the caret and the selections that selection.h
// computes, and answers the mouse.
#include "formula/formule.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include "localisation/catalogue.h"
#include "localisation/messages.h"
#include "platform/canevas.h"
#include "platform/image_hote.h"

namespace {

// The layout measures in screen pixels; a printer's painter scales them.
constexpr int pixels_par_pouce_ecran = 96;
// A page in a scroll box is this much narrower than the box (its scroll bar
// and frame).
constexpr int marge_boite = 25;
// A link is hit this far below the top of its last cell.
constexpr int hauteur_lien = 20;

}  // namespace

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

CadrePage Tformule::cadre(int largeur) const {
  return CadrePage{canevas, OptionsFormules{fonctions_en_rouge, coloration}, police, largeur, x0, y0};
}

void Tformule::suivre_boite() {
  boite = image->boite();
  if (boite == nullptr) return;
  image->definir_largeur(boite->width() - marge_boite);
  boite->definir_sur_redimensionnement(this, [this] {
    analyser();
    if (!lignes.empty()) afficher();
  });
}

void Tformule::analyser() {
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
  suivre_boite();
  PageDisposee page = mettre_en_page(source, cadre(image->largeur()));
  lignes = std::move(page.lignes);
  liens = std::move(page.liens);
  masque_balises = std::move(page.masque_balises);
  if (page.largeur != image->largeur()) image->definir_largeur(page.largeur);
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
  const QRect zone = imprimante->pageLayout().paintRectPixels(pixels_par_pouce_ecran);
  const PageDisposee page = mettre_en_page(source, cadre(zone.width()));
  Canevas papier;
  papier.attacher(imprimante, imprimante->resolution() / static_cast<double>(pixels_par_pouce_ecran));
  int haut_page = page.lignes.empty() ? 0 : page.lignes.front()->haut;
  for (std::size_t k = 0; k < page.lignes.size(); ++k) {
    Tligne& l = *page.lignes[k];
    if (k > 0 && l.bas - haut_page > zone.height()) {
      imprimante->newPage();
      haut_page = l.haut;
    }
    papier.decaler(0, -haut_page);
    l.afficher(&papier);
  }
  papier.terminer();
  // As after any change of width: the screen page is laid out and drawn
  // again, its selection dropped.
  analyser();
  afficher();
}

int Tformule::ligne_en(int y) const { return ::ligne_en(lignes, y); }

Tposition Tformule::cellule_en(int x, int y) const { return ::cellule_en(lignes, x, y); }

Tposition Tformule::position_cellule(int index) const { return ::position_cellule(lignes, index); }

int Tformule::indice_source(int l, int c) const { return ::indice_source(lignes, {l, c}); }

void Tformule::inverser(const Trectangle& r) {
  canevas->inverser(r.gauche, r.haut, r.droite, r.bas);
  image->rafraichir();
}

void Tformule::surligner(const Trectangle& r) {
  rectangle_inverse = r;
  inverser(r);
}

void Tformule::effacer_surbrillance() {
  if (rectangle_inverse.gauche != -1) inverser(rectangle_inverse);
  rectangle_inverse = {};
}

void Tformule::placer_curseur(int l, int c) {
  effacer_surbrillance();
  ancre = {l, c};
  fin = ancre;
  if (const auto r = rectangle_curseur(lignes, {l, c})) surligner(*r);
  texte_selectionne.clear();
  source_selectionnee.clear();
}

void Tformule::selectionner(Tposition ancre_, Tposition fin_, bool avec_balises) {
  texte_selectionne.clear();
  source_selectionnee.clear();
  effacer_surbrillance();
  ancre = ancre_;
  fin = fin_;
  const auto r = rectangle_selection(lignes, ancre, fin);
  if (!r) return;
  surligner(*r);
  TexteSelectionne selection = texte_entre(lignes, ancre, fin, avec_balises);
  source_selectionnee = std::move(selection.source);
  texte_selectionne = std::move(selection.texte);
}

void Tformule::selectionner_ligne(int l, bool avec_balises) {
  effacer_surbrillance();
  const auto r = rectangle_ligne(lignes, l, image->largeur());
  if (!r) {
    ligne_selectionnee = -1;
    ancre = {};
    fin = {};
    texte_selectionne.clear();
    source_selectionnee.clear();
    return;
  }
  surligner(*r);
  const Tligne& ligne = *lignes[static_cast<std::size_t>(l)];
  ligne_selectionnee = l;
  ancre = {l, 0};
  fin = {l, static_cast<int>(ligne.cellules.size()) - 1};
  source_selectionnee = ligne.texte;
  texte_selectionne = avec_balises ? ligne.texte : ligne.texte_affiche();
}

void Tformule::supprimer_selection() {
  const auto bornes = bornes_selection(lignes, source.size(), ancre, fin);
  if (!bornes) return;
  const auto [a, b] = *bornes;
  source.erase(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a + 1));
}

void Tformule::baliser_selection(std::string_view ouvrante, std::string_view fermante, const std::vector<int>& types) {
  const auto bornes = bornes_selection(lignes, source.size(), ancre, fin);
  if (bornes) source = baliser(source, *bornes, ouvrante, fermante, types);
}

void Tformule::ImageMouseMove(unsigned etat, int x, int y) {
  if (selection_active && selection_caractere && (etat & etat_gauche) != 0) {
    selectionner(ancre, cellule_en(x, y), true);
  }
  lien_survole.clear();
  bool touche = false;
  for (const auto& lien : liens) {
    const Tcellule* debut = cellule_a(lignes, {lien.ligne_debut, lien.cellule_debut});
    const Tcellule* bout = cellule_a(lignes, {lien.ligne_fin, lien.cellule_fin});
    if (debut == nullptr || bout == nullptr) continue;
    if (debut->gauche <= x && x <= bout->droite && debut->haut <= y && y <= bout->haut + hauteur_lien) {
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
