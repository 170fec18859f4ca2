#include "components/controles/JvProgressDlg.h"

#include <QDateTime>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "localisation/format.h"
#include "platform/texte_qt.h"

namespace {

constexpr double secondes_par_jour = 86400.0;
constexpr std::int64_t ms_par_seconde = 1000;
constexpr std::int64_t secondes_par_heure = 3600;
constexpr std::int64_t secondes_par_minute = 60;
constexpr double ms_par_jour = secondes_par_jour * ms_par_seconde;
constexpr double une_seconde = 1.0 / secondes_par_jour;

double maintenant() { return static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / ms_par_jour; }

QString texte_defaut() { return QStringLiteral("Progress"); }
QString prefixe_estimation() { return QStringLiteral("Estimated time left : "); }
QString mot_jours() { return QStringLiteral(" day(s) "); }

}  // namespace

QString texte_temps_restant(double jours) {
  if (!(jours > 0)) jours = 0;
  double entiers = std::floor(jours);
  // To the millisecond first, as the time of day is read, then truncated
  // to the second; a day's last half millisecond is the next day.
  auto ms = static_cast<std::int64_t>(std::llround((jours - entiers) * ms_par_jour));
  if (ms >= static_cast<std::int64_t>(ms_par_jour)) {
    entiers += 1;
    ms = 0;
  }
  const std::int64_t secondes = ms / ms_par_seconde;
  std::string texte;
  if (entiers != 0) texte = Format("%d", {static_cast<std::int64_t>(entiers)}) + vers_1252(mot_jours());
  texte += Format("%.2d:%.2d:%.2d", {secondes / secondes_par_heure, secondes % secondes_par_heure / secondes_par_minute,
                                      secondes % secondes_par_minute});
  return depuis_1252(texte);
}

TJvProgressDlg::TJvProgressDlg(QObject* parent, Horloge horloge)
    : QObject(parent),
      horloge_(horloge ? std::move(horloge) : Horloge(maintenant)),
      form_(std::make_unique<TFormProg>()),
      text_(texte_defaut()) {
  debut_ = horloge_();
  derniere_estimation_ = debut_;
  appliquer_style();
}

TJvProgressDlg::~TJvProgressDlg() = default;

void TJvProgressDlg::appliquer_style() {
  form_->setWindowFlag(Qt::WindowStaysOnTopHint, stay_on_top_);
}

void TJvProgressDlg::Show() {
  appliquer_style();
  form_->Label1->setText(text_);
  form_->fermeture_demandee = false;
  // Centred on the screen.
  if (const QScreen* ecran = form_->screen()) {
    form_->move(ecran->availableGeometry().center() - form_->rect().center());
  }
  form_->show();
  form_->repaint();
}

void TJvProgressDlg::Close() {
  form_->fermeture_demandee = true;
  form_->close();
}

void TJvProgressDlg::StartProgression() { debut_ = horloge_(); }

void TJvProgressDlg::SetMaximum(int valeur) {
  maximum_ = valeur;
  form_->ProgressBar1->setRange(0, std::max(valeur, 0));
  value_ = std::clamp(value_, 0, std::max(maximum_, 0));
  form_->ProgressBar1->setValue(value_);
  StartProgression();
}

void TJvProgressDlg::SetText(const QString& valeur) {
  if (valeur == text_) return;
  text_ = valeur;
  form_->Label1->setText(text_);
}

void TJvProgressDlg::SetStayOnTop(bool valeur) {
  stay_on_top_ = valeur;
  const bool visible = form_->isVisible();
  appliquer_style();
  if (visible) form_->show();
}

void TJvProgressDlg::SetValue(int valeur) {
  valeur = std::clamp(valeur, 0, std::max(maximum_, 0));
  if (valeur == value_) return;
  value_ = valeur;
  form_->ProgressBar1->setValue(value_);
  if (auto_time_left_ && value_ != 0) estimer();
  if (form_->isVisible()) form_->repaint();
}

// The time left from the pace so far; the text changes only when the
// estimate moves by a second or more.
void TJvProgressDlg::estimer() {
  const double ecoule = horloge_() - debut_;
  const double reste = static_cast<double>(maximum_) * (ecoule / value_) - ecoule;
  if (std::abs(derniere_estimation_ - reste) < une_seconde) return;
  derniere_estimation_ = reste;
  const QString estimation = prefixe_estimation() + texte_temps_restant(reste);
  form_->Label1->setText(text_.isEmpty() ? estimation
                                         : text_ + QStringLiteral(" (") + estimation + QLatin1Char(')'));
}
