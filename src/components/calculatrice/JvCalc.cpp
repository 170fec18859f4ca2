#include "components/calculatrice/JvCalc.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "components/calculatrice/saisie_nombre.h"
#include "components/utilitaires/JvVCLUtils.h"
#include "platform/canevas.h"
#include "platform/texte_qt.h"

namespace {

constexpr int cote_touche = 21;
constexpr int touche_haute = 44;
constexpr int touche_large = 31;
constexpr int touche_double = 44;
constexpr int taille_police = 8;
// The characters of the keys, in the order of their kinds from "0".
constexpr std::string_view caracteres_touches = "0123456789_./*-+Q%R=";

// Colours as blue-green-red values, the way the keys are described.
QColor depuis_bgr(unsigned bgr) { return QColor(bgr & 0xFFu, (bgr >> 8) & 0xFFu, (bgr >> 16) & 0xFFu); }

const QColor violet = depuis_bgr(0x800080);
const QColor marine = depuis_bgr(0x800000);
const QColor bordeaux = depuis_bgr(0x000080);

QRect carre(int x, int y) { return {x, y, cote_touche, cote_touche}; }

// The system message font of the keys, "MS Sans Serif" 8 points, in bold,
// drawn by the family the renderer maps it to.
QFont police_touches() {
  QFont police(famille_installee("MS Sans Serif"), taille_police);
  police.setBold(true);
  return police;
}

}  // namespace

const std::vector<TouchePopup>& touches_popup() {
  static const std::vector<TouchePopup> touches = [] {
    constexpr int colonnes[] = {6, 29, 52};
    constexpr int rangees[] = {75, 52, 29, 6};  // rows of 0, 1-3, 4-6, 7-9
    std::vector<TouchePopup> t;
    for (int chiffre = 0; chiffre <= 9; ++chiffre) {
      const QRect place = chiffre == 0 ? carre(colonnes[0], rangees[0])
                                       : carre(colonnes[(chiffre - 1) % 3], rangees[1 + (chiffre - 1) / 3]);
      t.push_back({static_cast<TJvCalcBtnKind>(cbNum0 + chiffre), QString::number(chiffre),
                   static_cast<char>('0' + chiffre), QColor(), place});
    }
    t.push_back({cbSgn, QString(QChar(0x00B1)), '_', QColor(), carre(52, 75)});
    t.push_back({cbDcm, QString(QLatin1Char(separateur_decimal)), separateur_decimal, QColor(), carre(29, 75)});
    t.push_back({cbDiv, QStringLiteral("/"), '/', violet, carre(75, 6)});
    t.push_back({cbMul, QStringLiteral("*"), '*', violet, carre(75, 29)});
    t.push_back({cbSub, QStringLiteral("-"), '-', violet, carre(75, 52)});
    t.push_back({cbAdd, QStringLiteral("+"), '+', violet, QRect(75, 75, cote_touche, touche_haute)});
    t.push_back({cbSqr, QStringLiteral("sqrt"), 'Q', marine, QRect(98, 6, touche_large, cote_touche)});
    t.push_back({cbPcnt, QStringLiteral("%"), '%', marine, QRect(98, 29, touche_large, cote_touche)});
    t.push_back({cbRev, QStringLiteral("1/x"), 'R', marine, QRect(98, 52, touche_large, cote_touche)});
    t.push_back({cbEql, QStringLiteral("="), '=', violet, QRect(98, 75, touche_large, touche_haute)});
    t.push_back({cbBck, QStringLiteral("<-"), touche_retour_arriere, bordeaux, QRect(29, 98, touche_double, cote_touche)});
    t.push_back({cbClr, QStringLiteral("C"), 'C', bordeaux, carre(6, 98)});
    return t;
  }();
  return touches;
}

TJvCalcButton::TJvCalcButton(TJvCalcBtnKind kind, QWidget* parent) : TJvxSpeedButton(parent), kind_(kind) {
  if (kind >= cbNum0 && kind <= cbNum9) tag_ = kind - cbNum0;
  SetFlatStandard(true);
  setFocusPolicy(Qt::NoFocus);
  if (kind >= cbNum0 && kind <= cbClr) {
    const TouchePopup& t = touches_popup()[kind - cbNum0];
    SetCaption(t.caption);
    if (t.couleur.isValid()) {
      QPalette p = palette();
      p.setColor(QPalette::ButtonText, t.couleur);
      setPalette(p);
    }
  }
}

TJvCalculatorPanel::TJvCalculatorPanel(QWidget* parent) : QFrame(parent) {
  setFont(police_touches());
  auto& e = noyau_.evenements();
  e.sur_resultat = [this] { emit Result(); };
  e.sur_erreur = [this] { emit Error(); };
  e.sur_ok = [this] { emit Ok(); };
  e.sur_annulation = [this] { emit Cancel(); };
  e.bip = [] { MessageBeep(); };
  e.sur_touche = [this](char& c) {
    if (OnCalcKey) OnCalcKey(c);
  };
  e.sur_changement_affichage = [this] {
    const QString texte = DisplayText();
    if (auto* edit = qobject_cast<QLineEdit*>(display_control_.data())) edit->setText(texte);
    if (auto* etiquette = qobject_cast<QLabel*>(display_control_.data())) etiquette->setText(texte);
    emit DisplayChange();
  };
  e.copier = [](const std::string& texte) { QApplication::clipboard()->setText(depuis_1252(texte)); };
  e.coller = []() -> std::optional<std::string> {
    const QString texte = QApplication::clipboard()->text();
    if (texte.isEmpty()) return std::nullopt;
    return vers_1252(texte);
  };
  noyau_.definir_symbole_monetaire(vers_1252(QLocale().currencySymbol()));
}

const QString TJvCalculatorPanel::DisplayText() const { return depuis_1252(noyau_.affichage()); }

TJvCalcButton* TJvCalculatorPanel::AddButton(TJvCalcBtnKind kind) {
  auto* bouton = new TJvCalcButton(kind, this);
  connect(bouton, &TJvxSpeedButton::Click, this, [this, kind] { ExecuteKind(kind); });
  buttons_.push_back(bouton);
  return bouton;
}

void TJvCalculatorPanel::CalcKey(char cle) { noyau_.touche(cle); }

void TJvCalculatorPanel::ExecuteKind(TJvCalcBtnKind kind) {
  switch (kind) {
    case cbMP: noyau_.memoire_plus(); break;
    case cbMS: noyau_.memoire_stocker(); break;
    case cbMR: noyau_.memoire_rappel(); break;
    case cbMC: noyau_.memoire_effacer(); break;
    case cbOk: noyau_.ok(); break;
    case cbCancel: noyau_.annuler(); break;
    default:
      if (kind >= cbNum0 && kind <= cbClr) CalcKey(touches_popup()[kind - cbNum0].cle);
      break;
  }
}

TJvCalcButton* TJvCalculatorPanel::Button(char cle) {
  if (cle >= 'a' && cle <= 'z') cle = static_cast<char>(cle - 'a' + 'A');
  if (cle == ',' || cle == '.' || cle == separateur_decimal) cle = '.';
  if (cle == touche_entree) cle = '=';
  const auto position = caracteres_touches.find(cle);
  if (cle == 0 || position == std::string_view::npos) return nullptr;
  const auto kind = static_cast<TJvCalcBtnKind>(cbNum0 + static_cast<int>(position));
  for (auto* bouton : buttons_) {
    if (bouton->Kind() == kind) return bouton;
  }
  return nullptr;
}

TJvLocCalculator::TJvLocCalculator(QWidget* parent) : TJvCalculatorPanel(parent) {
  setFixedSize(largeur, hauteur);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
  setFocusPolicy(Qt::NoFocus);
  for (const TouchePopup& t : touches_popup()) AddButton(t.kind)->setGeometry(t.place);
}

TJvPopupCalculator::TJvPopupCalculator(TJvCustomComboEdit* edit)
    : TJvPopupWindow(edit), calc_(new TJvLocCalculator(this)) {
  setFixedSize(largeur, hauteur);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Button);
  calc_->move((largeur - TJvLocCalculator::largeur) / 2, (hauteur - TJvLocCalculator::hauteur) / 2);
  calc_->SetPrecision(precision);
  connect(calc_, &TJvCalculatorPanel::Result, this, &TJvPopupCalculator::Resultat);
}

void TJvPopupCalculator::SetValue(const QVariant& valeur) {
  NoyauCalculatrice& noyau = calc_->Noyau();
  noyau.effacer();
  if (valeur.isValid()) noyau.afficher(valeur.toDouble());
  // A value too large for the display opens on "Error": closing then leaves
  // the edit's value as it was, and "C" starts afresh.
  if (noyau.etat() == EtatCalculatrice::erreur) return;
  noyau.definir_etat(EtatCalculatrice::pret);
  noyau.definir_operateur('=');
}

QVariant TJvPopupCalculator::GetValue() const {
  NoyauCalculatrice& noyau = calc_->Noyau();
  if (noyau.etat() == EtatCalculatrice::erreur) {
    if (noyau.bip_sur_erreur()) MessageBeep();
    return {};
  }
  return noyau.valeur_affichee();
}

bool TJvPopupCalculator::ClickKey(char cle) {
  TJvCalcButton* bouton = calc_->Button(cle);
  if (bouton == nullptr) return false;
  bouton->ButtonClick();
  return true;
}

void TJvPopupCalculator::Resultat() {
  NoyauCalculatrice& noyau = calc_->Noyau();
  if (noyau.etat() == EtatCalculatrice::erreur) return;
  noyau.afficher(noyau.valeur_affichee());
  CloseUp(true);
}
