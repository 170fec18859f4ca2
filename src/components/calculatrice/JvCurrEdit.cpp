#include "components/calculatrice/JvCurrEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

#include <cmath>

#include "components/calculatrice/JvCalc.h"
#include "components/calculatrice/saisie_nombre.h"
#include "components/utilitaires/JvStrUtils.h"
#include "components/utilitaires/JvVCLUtils.h"
#include "localisation/messages.h"
#include "localisation/nombres.h"
#include "platform/texte_qt.h"

namespace {

constexpr int images_glyphe = 2;
constexpr int cote_glyphe = 13;
// QLineEdit's own gap between its contents rectangle and the text.
constexpr int marge_horizontale = 2;
constexpr int taille_groupe = 3;

// One picture of a pocket calculator: a body, its display and three rows of keys.
void dessiner_calculatrice(QPainter& p, int x0, QColor trait, QColor ecran) {
  p.setPen(trait);
  p.drawRect(x0 + 1, 0, 10, 12);
  p.fillRect(x0 + 3, 2, 7, 3, ecran);
  for (int rangee = 0; rangee < 3; ++rangee) {
    for (int colonne = 0; colonne < 3; ++colonne) p.fillRect(x0 + 3 + 3 * colonne, 6 + 2 * rangee, 1, 1, trait);
  }
}

QImage calculatrice_par_defaut() {
  QImage image(images_glyphe * cote_glyphe, cote_glyphe, QImage::Format_RGB32);
  image.fill(QColor::fromRgb(couleur_cle));
  QPainter p(&image);
  dessiner_calculatrice(p, 0, Qt::black, QColor(0, 128, 0));
  dessiner_calculatrice(p, cote_glyphe, Qt::gray, Qt::lightGray);
  return image;
}

// Thousands separators every three digits of the integer part, the sign kept.
std::string grouper_milliers(const std::string& texte) {
  std::size_t debut = (!texte.empty() && (texte[0] == '+' || texte[0] == '-')) ? 1 : 0;
  std::size_t fin = debut;
  while (fin < texte.size() && est_chiffre(texte[fin])) ++fin;
  std::string resultat = texte.substr(0, debut);
  for (std::size_t i = debut; i < fin; ++i) {
    if (i > debut && (fin - i) % taille_groupe == 0) resultat += separateur_milliers;
    resultat += texte[i];
  }
  return resultat + texte.substr(fin);
}

}  // namespace

TJvCustomNumEdit::TJvCustomNumEdit(QWidget* parent) : TJvCustomComboEdit(parent) {
  QLineEdit::setAlignment(alignment_);
  SetGlyphKind(TJvGlyphKind::gkDefault);
  SetNumGlyphs(images_glyphe);
  connect(this, &QLineEdit::textEdited, this, [this] {
    texte_saisi_ = true;
    if (format_on_editing_) ReformaterSaisie();
  });
  Rafraichir();
}

QImage TJvCustomNumEdit::DefaultGlyph() const {
  static const QImage glyphe = calculatrice_par_defaut();
  return glyphe;
}

double TJvCustomNumEdit::ValeurDuTexte() const {
  return lire_saisie(vers_1252(text())).value_or(value_);
}

double TJvCustomNumEdit::Value() {
  if (texte_saisi_) {
    value_ = verifier_valeur(regles_, ValeurDuTexte());
    texte_saisi_ = false;
  }
  return value_;
}

void TJvCustomNumEdit::SetValue(double valeur) {
  if (std::isfinite(valeur)) value_ = verifier_valeur(regles_, valeur);
  texte_saisi_ = false;
  Rafraichir();
}

void TJvCustomNumEdit::SetText(const QString& texte) {
  const std::optional<double> lu = lire_saisie(vers_1252(texte));
  SetValue(lu.value_or(value_));
}

void TJvCustomNumEdit::SetMinValue(double valeur) {
  regles_.minimum = valeur;
  SetValue(Value());
}

void TJvCustomNumEdit::SetMaxValue(double valeur) {
  regles_.maximum = valeur;
  SetValue(Value());
}

void TJvCustomNumEdit::SetDecimalPlaces(int valeur) {
  regles_.decimales = std::max(0, valeur);
  SetValue(Value());
}

QString TJvCustomNumEdit::DisplayFormat() const { return depuis_1252(regles_.format_affichage); }

void TJvCustomNumEdit::SetDisplayFormat(const QString& format) {
  regles_.format_affichage = vers_1252(format);
  update();
}

void TJvCustomNumEdit::SetDecimalPlaceRound(bool valeur) {
  regles_.arrondi_decimales = valeur;
  SetValue(Value());
}

void TJvCustomNumEdit::SetZeroEmpty(bool valeur) {
  regles_.zero_vide = valeur;
  Rafraichir();
}

void TJvCustomNumEdit::SetAlignment(Qt::Alignment valeur) {
  alignment_ = valeur;
  QLineEdit::setAlignment(valeur);
  update();
}

QString TJvCustomNumEdit::EditText() const { return depuis_1252(texte_edition(regles_, value_)); }

QString TJvCustomNumEdit::DisplayText() const { return depuis_1252(texte_affichage(regles_, value_)); }

QString TJvCustomNumEdit::TexteAffiche() const { return DisplayText(); }

void TJvCustomNumEdit::Rafraichir() {
  formatting_ = true;
  QLineEdit::setText(EditText());
  formatting_ = false;
  if (format_on_editing_ && hasFocus()) ReformaterSaisie();
  update();
}

void TJvCustomNumEdit::Refuser() {
  if (beep_on_error_) MessageBeep();
}

// Puts `ajout` in place of the selection when the text stays a number the
// edit may hold; otherwise a beep.
bool TJvCustomNumEdit::Inserer(const QString& ajout) {
  if (isReadOnly()) return false;
  QString texte = text();
  int position = cursorPosition();
  if (hasSelectedText()) {
    position = selectionStart();
    texte.remove(position, selectedText().size());
  }
  texte.insert(position, ajout);
  if (!saisie_acceptable(regles_, JvStrUtils::DelChars(vers_1252(texte), separateur_milliers))) {
    Refuser();
    return false;
  }
  insert(ajout);
  texte_saisi_ = true;
  if (format_on_editing_) ReformaterSaisie();
  return true;
}

void TJvCustomNumEdit::Coller() {
  if (isReadOnly()) return;
  std::string texte = vers_1252(QApplication::clipboard()->text());
  texte = JvStrUtils::ReplaceStr(texte, vers_1252(QLocale().currencySymbol()), "");
  texte = JvStrUtils::DelChars(JvStrUtils::DelBESpace(texte), separateur_milliers);
  texte = JvStrUtils::ReplaceStr(texte, ",", std::string(1, separateur_decimal));
  if (texte.empty()) {
    Refuser();
    return;
  }
  Inserer(depuis_1252(texte));
}

void TJvCustomNumEdit::ReformaterSaisie() {
  if (formatting_ || regles_.format_affichage.find(',') == std::string::npos) return;
  const QString avant = text();
  const int depuis_fin = static_cast<int>(avant.size()) - cursorPosition();
  const QString apres = depuis_1252(grouper_milliers(JvStrUtils::DelChars(vers_1252(avant), separateur_milliers)));
  if (apres == avant) return;
  formatting_ = true;
  QLineEdit::setText(apres);
  setCursorPosition(std::max(0, static_cast<int>(apres.size()) - depuis_fin));
  formatting_ = false;
}

void TJvCustomNumEdit::keyPressEvent(QKeyEvent* evenement) {
  if (PopupVisible() || QKeySequence(evenement->keyCombination()) == ClickKey()) {
    TJvCustomComboEdit::keyPressEvent(evenement);
    return;
  }
  if (evenement->key() == Qt::Key_Escape) {
    Rafraichir();
    texte_saisi_ = false;
    selectAll();
    evenement->ignore();
    return;
  }
  if (evenement->matches(QKeySequence::Paste)) {
    Coller();
    evenement->accept();
    return;
  }
  const QString t = evenement->text();
  const bool commande = (evenement->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
  if (t.size() == 1 && t[0].isPrint() && !commande) {
    QChar c = t[0];
    if (c == QLatin1Char(',') || c == QLatin1Char('.')) c = QLatin1Char(separateur_decimal);
    Inserer(QString(c));
    evenement->accept();
    return;
  }
  TJvCustomComboEdit::keyPressEvent(evenement);
}

void TJvCustomNumEdit::focusInEvent(QFocusEvent* evenement) {
  TJvCustomComboEdit::focusInEvent(evenement);
  if (format_on_editing_) ReformaterSaisie();
  update();
}

void TJvCustomNumEdit::focusOutEvent(QFocusEvent* evenement) {
  TJvCustomComboEdit::focusOutEvent(evenement);
  if (evenement->reason() == Qt::PopupFocusReason) return;
  const double lu = ValeurDuTexte();
  if (check_on_exit_) {
    if (const auto message = message_hors_limites(regles_, lu)) {
      affiche_message(*message);
      // The text stays as typed, for the pupil to correct it.
      QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
      return;
    }
  }
  if (texte_saisi_) value_ = verifier_valeur(regles_, lu);
  texte_saisi_ = false;
  Rafraichir();
}

void TJvCustomNumEdit::paintEvent(QPaintEvent* evenement) {
  if (hasFocus() && !PopupVisible()) {
    QLineEdit::paintEvent(evenement);
    return;
  }
  QPainter peintre(this);
  QStyleOptionFrame option;
  initStyleOption(&option);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &peintre, this);
  QRect zone = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  zone = zone.marginsRemoved(textMargins()).adjusted(marge_horizontale, 0, -marge_horizontale, 0);
  const QPalette::ColorGroup groupe = isEnabled() ? QPalette::Active : QPalette::Disabled;
  peintre.setPen(palette().color(groupe, QPalette::Text));
  peintre.setClipRect(zone);
  peintre.drawText(zone, static_cast<int>(alignment_ | Qt::AlignVCenter), TexteAffiche());
}

QVariant TJvCustomNumEdit::ValeurPourPopup() const {
  if (text().isEmpty()) return {};
  return const_cast<TJvCustomNumEdit*>(this)->Value();
}

bool TJvCustomNumEdit::AcceptPopup(const QVariant& valeur) const { return valeur.isValid(); }

void TJvCustomNumEdit::AcceptValue(const QVariant& valeur) {
  const QString avant = text();
  SetValue(valeur.toDouble());
  if (text() == avant) return;
  setModified(true);
  emit Change();
}

TJvCustomCalcEdit::TJvCustomCalcEdit(QWidget* parent)
    : TJvCustomNumEdit(parent), calculatrice_(new TJvPopupCalculator(this)) {
  SetPopup(calculatrice_);
  connect(calculatrice_->Calculator(), &TJvCalculatorPanel::DisplayChange, this, [this] { update(); });
  connect(this, &TJvCustomComboEdit::ButtonClick, this,
          [this] { calculatrice_->Calculator()->SetBeepOnError(BeepOnError()); });
}

QString TJvCustomCalcEdit::TexteAffiche() const {
  if (PopupVisible()) return calculatrice_->Calculator()->DisplayText();
  return TJvCustomNumEdit::TexteAffiche();
}

bool TJvCustomCalcEdit::ClePopup(QKeyEvent* evenement) {
  if (evenement->key() == Qt::Key_Escape) return false;
  TJvCalculatorPanel* calc = calculatrice_->Calculator();
  if (evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) {
    // The calculator takes Return as "=" first; the pop-up then closes accepting.
    calculatrice_->ClickKey(touche_entree);
    if (PopupVisible()) PopupCloseUp(true);
    return true;
  }
  if (evenement->key() == Qt::Key_Backspace) {
    calc->CalcKey(touche_retour_arriere);
    return true;
  }
  const QString t = evenement->text().toUpper();
  if (t.size() != 1 || t[0].unicode() > 0x7F) return true;
  const char c = static_cast<char>(t[0].unicode());
  constexpr std::string_view touches_calculatrice = "%*+,-./0123456789=CQR_";
  if (c == separateur_milliers || touches_calculatrice.find(c) == std::string_view::npos) return true;
  if (!calculatrice_->ClickKey(c)) calc->CalcKey(c);
  return true;
}
