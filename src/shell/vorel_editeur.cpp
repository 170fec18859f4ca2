// The hint-page editor: the memo MCodeSource holds one page of a help file,
// one line per mark-up break, and the preview Image2 renders it. A memo
// position is the same index in the page, so selections and the caret pass
// from one to the other; the tag buttons and Delete edit the page through
// the preview, the symbol items through the memo.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>

#include <algorithm>
#include <string_view>
#include <utility>

#include "exercises/presentation.h"
#include "formula/formule.h"
#include "localisation/catalogue.h"
#include "localisation/messages.h"
#include "platform/couleur_qt.h"
#include "platform/image_hote.h"
#include "platform/ini/fichiers_aide.h"
#include "platform/texte_qt.h"
#include "shell/pages_aide.h"
#include "shell/textes_shell.h"
#include "shell/vorel.h"

namespace {

constexpr std::string_view section_pages = "Exercices";
constexpr std::string_view page_absente = "vide";
constexpr std::string_view nom_numero_invalide = "numero_invalide";
constexpr std::string_view nom_caracteres_hors_page = "caracteres_hors_page";
// The preview's page starts at the image's corner.
constexpr int origine_apercu = 0;
// The colour swatch, in pixels.
constexpr int cote_nuancier = 20;

// The editor's events that are no signals: the page shown, a click on the
// memo (mouse released on its text), its keys, and the clicks of the colour
// caption and swatch.
class FiltreEditeur final : public QObject {
 public:
  explicit FiltreEditeur(TFvorel* fenetre) : QObject(fenetre), fenetre_(fenetre) {}

  bool eventFilter(QObject* objet, QEvent* evenement) override {
    const QEvent::Type type = evenement->type();
    if (objet == fenetre_->MCodeSource->viewport() && type == QEvent::MouseButtonRelease) {
      fenetre_->MCodeSourceClick();
    } else if (objet == fenetre_->MCodeSource && type == QEvent::KeyPress) {
      if (fenetre_->MCodeSourceKeyPress(static_cast<QKeyEvent*>(evenement)->key())) return true;
    } else if (objet == fenetre_->MCodeSource && type == QEvent::KeyRelease) {
      const auto* touche = static_cast<QKeyEvent*>(evenement);
      if (!touche->isAutoRepeat()) fenetre_->MCodeSourceKeyUp(touche->key());
    } else if (objet->objectName() == QLatin1String("Lcouleur_texte") && type == QEvent::MouseButtonRelease) {
      fenetre_->Lcouleur_texteClick(objet);
    } else if (objet == fenetre_->TabSheet4 && type == QEvent::Show) {
      fenetre_->TabSheet4Show();
    } else if (objet == fenetre_->Panel10 && type == QEvent::MouseButtonDblClick) {
      fenetre_->Panel10DblClick();
      return true;
    }
    return QObject::eventFilter(objet, evenement);
  }

 private:
  TFvorel* fenetre_;
};

// The memo's characters as typed, its lines separated by "\n" (the plain
// text would turn no-break spaces into blanks).
QString texte_memo_brut(const QPlainTextEdit& memo) {
  QString texte = memo.document()->toRawText();
  for (QChar& c : texte) {
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = QLatin1Char('\n');
  }
  return texte;
}

// One memo character is one page character, except a character outside the
// code page written as a surrogate pair (one "?" in the page) and a CR LF
// pair (one break).
int unites_du_caractere(const QString& texte, int position) {
  const bool paire = position + 1 < texte.size() &&
                     ((texte.at(position).isHighSurrogate() && texte.at(position + 1).isLowSurrogate()) ||
                      (texte.at(position) == QLatin1Char('\r') && texte.at(position + 1) == QLatin1Char('\n')));
  return paire ? 2 : 1;
}

int indice_de_position(const QString& texte, int position) {
  int indice = 0;
  for (int p = 0; p < position && p < texte.size(); p += unites_du_caractere(texte, p)) ++indice;
  return indice;
}

int position_de_indice(const QString& texte, int indice) {
  int position = 0;
  for (int i = 0; i < indice && position < texte.size(); ++i) position += unites_du_caractere(texte, position);
  return position;
}

QString lignes_qt(const std::vector<std::string>& lignes) {
  QStringList texte;
  for (const std::string& ligne : lignes) texte << depuis_1252(ligne);
  return texte.join(QLatin1Char('\n'));
}

Tfichier_ini* fichier_de_cle(const std::string& cle) {
  const int numero = numero_fichier_aide(cle);
  return numero == 0 ? nullptr : ini_aide[static_cast<std::size_t>(numero)].get();
}

// A place of the preview that is a cell of its page.
bool place_valide(const Tformule& f, Tposition p) { return cellule_a(f.lignes, p) != nullptr; }

// The preview holds a caret (anchor and end on one cell, nothing selected)
// or a selection (of one cell at least).
bool curseur_apercu(const Tformule& f) {
  return place_valide(f, f.ancre) && f.ancre == f.fin && f.source_selectionnee.empty();
}
bool selection_apercu(const Tformule& f) {
  return place_valide(f, f.ancre) && place_valide(f, f.fin) && !curseur_apercu(f);
}

// The preview shows this page: its caret and selection are places of it.
// Once the memo is typed in (live preview off) or another page is loaded,
// the preview's places name another text, and an edit through them would
// put that older text back into the memo.
bool apercu_de(const Tformule& f, const std::string& page) { return f.source == page; }

// The first source index under the preview's caret or selection.
int debut_apercu(const Tformule& f) {
  return std::min(f.indice_source(f.ancre.ligne, f.ancre.cellule), f.indice_source(f.fin.ligne, f.fin.cellule));
}

QString legende(const QObject* sender) {
  if (const auto* bouton = qobject_cast<const QAbstractButton*>(sender)) return bouton->text();
  if (const auto* etiquette = qobject_cast<const QLabel*>(sender)) return etiquette->text();
  return {};
}

}  // namespace

void TFvorel::relier_editeur() {
  CBnumero = TabSheet4->findChild<QComboBox*>(QStringLiteral("CBnumero"));
  Msection = TabSheet4->findChild<QPlainTextEdit*>(QStringLiteral("Msection"));
  CBAffichage_auto = TabSheet4->findChild<QCheckBox*>(QStringLiteral("CBAffichage_auto"));
  Panel10 = TabSheet4->findChild<QFrame*>(QStringLiteral("Panel10"));
  // A new page is saved under a key typed in the list.
  CBnumero->setEditable(true);
  CBnumero->setInsertPolicy(QComboBox::NoInsert);
  Panel10->setAutoFillBackground(true);
  Panel10->setFrameShape(QFrame::Box);
  Panel10->setMinimumSize(cote_nuancier, cote_nuancier);
  definir_couleur_texte_editeur(couleur_noire);

  auto* filtre = new FiltreEditeur(this);
  MCodeSource->installEventFilter(filtre);
  MCodeSource->viewport()->installEventFilter(filtre);
  Panel10->installEventFilter(filtre);
  if (auto* etiquette = TabSheet4->findChild<QLabel*>(QStringLiteral("Lcouleur_texte"))) {
    etiquette->installEventFilter(filtre);
  }
  // The page's "show": every time the editor page becomes visible.
  TabSheet4->installEventFilter(filtre);
  connect(CBnumero, &QComboBox::activated, this, &TFvorel::CBnumeroClick);
  relier_bouton("Benregistrer", &TFvorel::BenregistrerClick, TabSheet4);
  relier_bouton("BAfficher", &TFvorel::BAfficherClick, TabSheet4);
  const std::pair<const char*, void (TFvorel::*)(QObject*)> balises[] = {
      {"ToolButton1", &TFvorel::ToolButton1Click}, {"ToolButton2", &TFvorel::ToolButton2Click},
      {"ToolButton3", &TFvorel::ToolButton3Click}, {"ToolButton4", &TFvorel::ToolButton4Click},
      {"TBentree", &TFvorel::TBentreeClick}};
  for (const auto& [nom, gestionnaire] : balises) {
    if (auto* b = TabSheet4->findChild<QAbstractButton*>(QLatin1String(nom))) {
      connect(b, &QAbstractButton::clicked, this, [this, b, gestionnaire = gestionnaire] { (this->*gestionnaire)(b); });
    }
  }
  connect(MCodeSource, &QPlainTextEdit::textChanged, this, &TFvorel::MCodeSourceChange);
  Image2->definir_sur_relachement(this, [this](BoutonSouris bouton, unsigned etat, int x, int y) {
    Image2MouseUp(bouton, etat, x, y);
  });

  const std::pair<const char*, void (TFvorel::*)()> symboles[] = {
      {"suprieurougal1", &TFvorel::suprieurougal1Click}, {"infrieurougal1", &TFvorel::infrieurougal1Click},
      {"environ1", &TFvorel::environ1Click},             {"intgrale1", &TFvorel::intgrale1Click},
      {"Delta1", &TFvorel::Delta1Click},                 {"tendvers1", &TFvorel::tendvers1Click},
      {"pi1", &TFvorel::pi1Click},                       {"diffrent1", &TFvorel::diffrent1Click},
      {"infini1", &TFvorel::infini1Click}};
  for (const auto& [nom, gestionnaire] : symboles) relier_action(nom, gestionnaire, Insertion1);
}

void TFvorel::TabSheet4Show() {
  // The list is filled again; the key stays the one of the page in the memo
  // (filling an empty list would otherwise show its first key, and saving
  // would write the memo under it).
  const QString cle = CBnumero->currentText();
  CBnumero->clear();
  for (int numero = 1; numero <= nombre_fichiers_aide; ++numero) {
    const Tfichier_ini* fichier = ini_aide[static_cast<std::size_t>(numero)].get();
    if (fichier == nullptr) continue;
    const std::vector<std::string> cles = fichier->cles_section(section_pages);
    Msection->setPlainText(lignes_qt(cles));
    for (const std::string& cle : cles) CBnumero->addItem(depuis_1252(cle));
  }
  CBnumero->setCurrentIndex(-1);
  CBnumero->setEditText(cle);
}

void TFvorel::CBnumeroClick() {
  const std::string cle = vers_1252(CBnumero->currentText());
  const Tfichier_ini* fichier = fichier_de_cle(cle);
  if (fichier == nullptr) return;
  MCodeSource->setPlainText(depuis_1252(memo_de_page(fichier->lire_texte(section_pages, cle, page_absente))));
}

void TFvorel::BenregistrerClick() {
  const QString cle_qt = CBnumero->currentText();
  const std::string cle = vers_1252(cle_qt);
  Tfichier_ini* fichier = fichier_de_cle(cle);
  if (fichier == nullptr) {
    affiche_message(texte_shell(nom_numero_invalide));
    return;
  }
  // The help files are Windows-1252: a character they cannot hold would be
  // saved as "?", so the page is kept in the memo until it is replaced.
  const QString memo = texte_memo_brut(*MCodeSource);
  if (depuis_1252(vers_1252(memo)) != memo) {
    affiche_message(texte_shell(nom_caracteres_hors_page));
    return;
  }
  if (!fichier->ecrire_texte(section_pages, cle, page_editeur())) {
    affiche_message(catalogue_textes.txt_page_non_enregistree);
    return;
  }
  Msection->setPlainText(lignes_qt(fichier->cles_section(section_pages)));
  // Keys match without regard to case, as the file reads them.
  if (CBnumero->findText(cle_qt, Qt::MatchFixedString) < 0) {
    CBnumero->addItem(cle_qt);
    CBnumero->setEditText(cle_qt);
  }
}

std::string TFvorel::page_editeur() const { return page_de_memo(vers_1252(texte_memo_brut(*MCodeSource))); }

void TFvorel::BAfficherClick() { afficher_formule(Image2, page_editeur(), origine_apercu, origine_apercu); }

void TFvorel::MCodeSourceChange() {
  if (!memo_editeur_par_code_ && CBAffichage_auto->isChecked()) BAfficherClick();
}

void TFvorel::MCodeSourceClick() {
  Tformule* f = formule_de(Emplacement::editeur);
  if (f == nullptr) return;
  const QTextCursor curseur = MCodeSource->textCursor();
  const QString texte = texte_memo_brut(*MCodeSource);
  const int debut = indice_de_position(texte, curseur.selectionStart());
  if (curseur.hasSelection()) {
    const int dernier = indice_de_position(texte, curseur.selectionEnd()) - 1;
    f->selectionner(f->position_cellule(debut), f->position_cellule(dernier), true);
  } else {
    const Tposition p = f->position_cellule(debut);
    f->placer_curseur(p.ligne, p.cellule);
  }
}

void TFvorel::Image2MouseUp(BoutonSouris, unsigned, int, int) {
  MCodeSource->setFocus();
  const Tformule* f = formule_de(Emplacement::editeur);
  if (f == nullptr) return;
  const int ancre = f->indice_source(f->ancre.ligne, f->ancre.cellule);
  if (ancre < 0) return;
  int debut = ancre;
  int apres = ancre;
  if (f->fin != f->ancre) {
    const int fin = f->indice_source(f->fin.ligne, f->fin.cellule);
    if (fin < 0) return;
    debut = std::min(ancre, fin);
    apres = std::max(ancre, fin) + 1;
  }
  const QString texte = texte_memo_brut(*MCodeSource);
  QTextCursor curseur = MCodeSource->textCursor();
  curseur.setPosition(position_de_indice(texte, debut));
  curseur.setPosition(position_de_indice(texte, apres), QTextCursor::KeepAnchor);
  MCodeSource->setTextCursor(curseur);
}

void TFvorel::MCodeSourceKeyUp(int touche) {
  if (touche != Qt::Key_Delete) return;
  const bool suppression_apercu = std::exchange(suppression_apercu_, false);
  Tformule* f = formule_de(Emplacement::editeur);
  if (f == nullptr || !suppression_apercu || !selection_apercu(*f)) return;
  const int debut = debut_apercu(*f);
  f->supprimer_selection();
  const std::string source = f->source;
  afficher_formule(Image2, source, origine_apercu, origine_apercu);
  memo_prend_source(source, debut);
}

bool TFvorel::MCodeSourceKeyPress(int touche) {
  const Tformule* f = formule_de(Emplacement::editeur);
  // The memo deletes its own selection after this press: whether the
  // preview still shows the memo's page is noted now, for the release.
  if (touche == Qt::Key_Delete) suppression_apercu_ = f != nullptr && apercu_de(*f, page_editeur());
  if (touche != Qt::Key_Return && touche != Qt::Key_Enter) return false;
  if (f == nullptr || !curseur_apercu(*f) || !apercu_de(*f, page_editeur())) return false;
  TBentreeClick(TabSheet4->findChild<QToolButton*>(QStringLiteral("TBentree")));
  return true;
}

void TFvorel::ToolButton1Click(QObject* sender) {
  Tformule* f = formule_de(Emplacement::editeur);
  if (f == nullptr) return;
  const auto balises =
      balises_bouton(vers_1252(legende(sender)), static_cast<TColor>(couleur_texte_editeur_));
  if (!balises || !apercu_de(*f, page_editeur()) || !(selection_apercu(*f) || curseur_apercu(*f))) return;
  if (selection_apercu(*f)) f->selectionner(f->ancre, f->fin, true);
  const QString texte = texte_memo_brut(*MCodeSource);
  const int curseur = indice_de_position(texte, MCodeSource->textCursor().position());
  f->baliser_selection(balises->ouvrante, balises->fermante, balises->types_retires);
  const std::string source = f->source;
  afficher_formule(Image2, source, origine_apercu, origine_apercu);
  memo_prend_source(source, curseur);
}

void TFvorel::ToolButton2Click(QObject* sender) { ToolButton1Click(sender); }
void TFvorel::ToolButton3Click(QObject* sender) { ToolButton1Click(sender); }
void TFvorel::ToolButton4Click(QObject* sender) { ToolButton1Click(sender); }
void TFvorel::TBentreeClick(QObject* sender) { ToolButton1Click(sender); }
void TFvorel::Lcouleur_texteClick(QObject* sender) { ToolButton1Click(sender); }

// One edit of the whole text, so the memo's Undo gives the page back.
void TFvorel::memo_prend_source(const std::string& source, int curseur) {
  memo_editeur_par_code_ = true;
  QTextCursor tout(MCodeSource->document());
  tout.select(QTextCursor::Document);
  tout.insertText(depuis_1252(memo_de_page(source)));
  memo_editeur_par_code_ = false;
  const QString texte = texte_memo_brut(*MCodeSource);
  QTextCursor c = MCodeSource->textCursor();
  c.setPosition(position_de_indice(texte, curseur));
  MCodeSource->setTextCursor(c);
}

void TFvorel::definir_couleur_texte_editeur(std::int32_t couleur) {
  couleur_texte_editeur_ = couleur;
  QPalette palette = Panel10->palette();
  palette.setColor(QPalette::Window, couleur_qt(couleur));
  Panel10->setPalette(palette);
}

void TFvorel::Panel10DblClick() {
  if (const std::optional<std::int32_t> couleur = choisir_couleur(couleur_texte_editeur_)) {
    definir_couleur_texte_editeur(*couleur);
  }
}

void TFvorel::inserer_symbole(std::string_view element) {
  const std::string echappement = echappement_symbole(element);
  if (echappement.empty()) return;
  const QString texte = texte_memo_brut(*MCodeSource);
  QTextCursor curseur = MCodeSource->textCursor();
  const int debut = indice_de_position(texte, curseur.selectionStart());
  const int fin = indice_de_position(texte, curseur.selectionEnd());
  const std::string page = page_de_memo(vers_1252(texte));
  const TexteEtCurseur r = baliser_symbole(echappement, page, static_cast<std::size_t>(debut),
                                           static_cast<std::size_t>(fin - debut));
  const std::string insertion = r.texte.substr(static_cast<std::size_t>(debut), r.curseur - static_cast<std::size_t>(debut));
  curseur.insertText(depuis_1252(insertion));
  MCodeSource->setTextCursor(curseur);
}

void TFvorel::suprieurougal1Click() { inserer_symbole("suprieurougal1"); }
void TFvorel::infrieurougal1Click() { inserer_symbole("infrieurougal1"); }
void TFvorel::environ1Click() { inserer_symbole("environ1"); }
void TFvorel::intgrale1Click() { inserer_symbole("intgrale1"); }
void TFvorel::Delta1Click() { inserer_symbole("Delta1"); }
void TFvorel::tendvers1Click() { inserer_symbole("tendvers1"); }
void TFvorel::pi1Click() { inserer_symbole("pi1"); }
void TFvorel::diffrent1Click() { inserer_symbole("diffrent1"); }
void TFvorel::infini1Click() { inserer_symbole("infini1"); }
