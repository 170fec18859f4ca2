#include "platform/chart/chart.h"

#include "platform/couleur_qt.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Colours of new series, in turn: dark enough for both the button-face
// background and white paper.
constexpr std::array<std::int32_t, 10> couleurs_series{
    0x0000FF,  // red
    0xFF0000,  // blue
    0x008000,  // green
    0xFF00FF,  // magenta
    0x0080FF,  // orange
    0x808000,  // teal
    0x800080,  // purple
    0x004080,  // brown
    0x800000,  // navy
    0x008080,  // olive
};

std::int32_t couleur_de_place(std::ptrdiff_t place) {
  return couleurs_series[static_cast<std::size_t>(place) % couleurs_series.size()];
}

}  // namespace

TChart::TChart(QWidget* parent) : QWidget(parent), couleur_(couleur_face_bouton) {
  QFont police(QStringLiteral("DejaVu Sans"));
  police.setPixelSize(11);
  setFont(police);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

TChart::~TChart() {
  for (const auto& serie : series_) serie->chart_ = nullptr;
}

void TChart::SetTitle(std::string titre) {
  titre_ = std::move(titre);
  update();
}

void TChart::SetLegendVisible(bool visible) {
  legende_visible_ = visible;
  update();
}

void TChart::SetColor(std::int32_t couleur) {
  couleur_ = couleur;
  update();
}

std::shared_ptr<TChartSeries> TChart::Series(int indice) const {
  if (indice < 0 || indice >= SeriesCount()) return nullptr;
  return series_[static_cast<std::size_t>(indice)];
}

void TChart::AddSeries(std::shared_ptr<TChartSeries> serie) {
  if (!serie || serie->chart_ == this) return;
  if (serie->chart_ != nullptr) serie->chart_->RemoveSeries(serie.get());
  serie->chart_ = this;
  series_.push_back(std::move(serie));
  update();
}

void TChart::RemoveSeries(const TChartSeries* serie) {
  const auto position = std::find_if(series_.begin(), series_.end(),
                                     [serie](const std::shared_ptr<TChartSeries>& s) { return s.get() == serie; });
  if (position == series_.end()) return;
  (*position)->chart_ = nullptr;
  const auto suivantes = series_.erase(position);
  for (auto s = suivantes; s != series_.end(); ++s) {
    if ((*s)->couleur_de_place_) (*s)->couleur_ = couleur_de_place(s - series_.begin());
  }
  update();
}

void TChart::RemoveAllSeries() {
  for (const auto& serie : series_) serie->chart_ = nullptr;
  series_.clear();
  update();
}

// The colour follows the place the series takes in the list, not how many
// series the chart has made: a list drawn again comes back in its colours.
void TChart::adopter(TChartSeries& serie) {
  serie.SetPenColor(couleur_de_place(SeriesCount()));
  serie.couleur_de_place_ = true;
}

std::shared_ptr<TLineSeries> TChart::NewLineSeries() {
  auto serie = std::make_shared<TLineSeries>();
  adopter(*serie);
  AddSeries(serie);
  return serie;
}

std::shared_ptr<TPointSeries> TChart::NewPointSeries() {
  auto serie = std::make_shared<TPointSeries>();
  adopter(*serie);
  AddSeries(serie);
  return serie;
}

std::shared_ptr<TChartShape> TChart::NewShape() {
  auto forme = std::make_shared<TChartShape>();
  AddSeries(forme);
  return forme;
}

std::optional<Tetendue> TChart::etendue_series(bool horizontal) const {
  std::optional<Tetendue> resultat;
  for (const auto& serie : series_) {
    const auto etendue = horizontal ? serie->etendue_x() : serie->etendue_y();
    if (!etendue) continue;
    if (!resultat) {
      resultat = etendue;
    } else {
      resultat->minimum = std::min(resultat->minimum, etendue->minimum);
      resultat->maximum = std::max(resultat->maximum, etendue->maximum);
    }
  }
  return resultat;
}

void TChart::Repaint() {
  if (en_dessin_) {
    repeindre_apres_ = true;
    return;
  }
  marques_.clear();
  update();
}

void TChart::marquer_point(QPoint pixel, std::int32_t couleur, int largeur) {
  marques_.push_back({pixel, couleur, std::clamp(largeur, 1, 100)});
  update();
}

QRect TChart::ChartRect() const { return disposer(rect()).zone; }

TChartMap TChart::Map() const { return carte(ChartRect()); }

QSize TChart::taille_rendu() const {
  // A chart never laid out still renders at a usable size.
  return size().isEmpty() ? QSize(640, 480) : size();
}

QImage TChart::image_sur_fond_blanc() {
  QImage image(taille_rendu(), QImage::Format_RGB32);
  QPainter peintre(&image);
  dessiner(peintre, QRect(QPoint(0, 0), image.size()), true);
  return image;
}

bool TChart::Print(QPrinter& imprimante) {
  QPainter peintre;
  if (!peintre.begin(&imprimante)) return false;
  const QSize taille = taille_rendu();
  const QRect page = peintre.viewport();
  const double echelle = std::min(page.width() / static_cast<double>(taille.width()),
                                  page.height() / static_cast<double>(taille.height()));
  peintre.translate(page.left() + (page.width() - taille.width() * echelle) / 2, page.top());
  peintre.scale(echelle, echelle);
  dessiner(peintre, QRect(QPoint(0, 0), taille), true);
  return peintre.end();
}

void TChart::resizeEvent(QResizeEvent* evenement) {
  QWidget::resizeEvent(evenement);
  if (size() == taille_signalee_) return;
  taille_signalee_ = size();
  emit Resize();
}
