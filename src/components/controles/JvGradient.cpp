#include "components/controles/JvGradient.h"

#include <QPainter>

#include <algorithm>

#include "localisation/arrondis.h"
#include "platform/couleur_qt.h"

namespace {

// The colour of each step from S to E: S + i (E - S) / steps per channel.
class Rampe {
 public:
  Rampe(const QColor& debut, const QColor& fin, int pas) : debut_(debut), fin_(fin), pas_(pas) {}

  QColor operator()(int i) const {
    return QColor(canal(debut_.red(), fin_.red(), i), canal(debut_.green(), fin_.green(), i),
                  canal(debut_.blue(), fin_.blue(), i));
  }

 private:
  int canal(int s, int e, int i) const {
    return std::clamp(Round(s + i * (static_cast<double>(e - s) / pas_)), 0, 255);
  }

  QColor debut_, fin_;
  int pas_;
};

// Bands of the given extent along one axis; the last lies past the end.
void bandes(QPainter& peintre, QSize taille, int pas, const Rampe& rampe, bool horizontal) {
  const int etendue = horizontal ? taille.width() : taille.height();
  for (int i = 0; i <= pas; ++i) {
    const int de = Round(static_cast<double>(i) * etendue / pas);
    const int a = Round(static_cast<double>(i + 1) * etendue / pas);
    const QRect bande = horizontal ? QRect(de, 0, a - de, taille.height()) : QRect(0, de, taille.width(), a - de);
    peintre.fillRect(bande, rampe(i));
  }
}

// Shapes of one or two pixels across are filled whole, as the platform's
// pen of one pixel fills them.
constexpr int cote_plein = 2;

bool minuscule(const QRect& r) { return r.width() <= cote_plein || r.height() <= cote_plein; }

// Steps + 1 nested shapes from the whole area in towards its centre.
template <class Forme>
void formes(QPainter& peintre, QSize taille, int pas, const Rampe& rampe, Forme forme) {
  peintre.setPen(Qt::NoPen);
  for (int i = 0; i <= pas; ++i) {
    const int x = Round(static_cast<double>(i) * taille.width() / pas / 2);
    const int y = Round(static_cast<double>(i) * taille.height() / pas / 2);
    peintre.setBrush(rampe(i));
    const QRect r(x, y, taille.width() - 2 * x, taille.height() - 2 * y);
    if (minuscule(r)) {
      peintre.fillRect(r, rampe(i));
    } else {
      forme(r);
    }
  }
}

}  // namespace

TJvGradient::TJvGradient(QWidget* parent)
    : QWidget(parent), start_color_(couleur_bleue), end_color_(couleur_noire) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TJvGradient::SetStyle(TGradStyle valeur) {
  style_ = valeur;
  change();
}

void TJvGradient::SetStartColor(std::int32_t valeur) {
  start_color_ = valeur;
  change();
}

void TJvGradient::SetEndColor(std::int32_t valeur) {
  end_color_ = valeur;
  change();
}

void TJvGradient::SetSteps(int valeur) {
  steps_ = valeur;
  change();
}

void TJvGradient::change() {
  image_ = QImage();
  update();
}

QImage TJvGradient::Dessin(QSize taille) const {
  if (taille.isEmpty()) return {};
  QImage image(taille, QImage::Format_RGB32);
  const QColor debut = couleur_qt(start_color_);
  image.fill(debut);
  int pas = steps_;
  switch (style_) {
    case TGradStyle::grHorizontal:
      pas = std::min(pas, taille.width());
      break;
    case TGradStyle::grVertical:
      pas = std::min(pas, taille.height());
      break;
    case TGradStyle::grEllipse:
    case TGradStyle::grPyramid:
    case TGradStyle::grMount:
      pas = std::min({pas, taille.width() / 2, taille.height() / 2});
      break;
    case TGradStyle::grFilled:
      return image;
  }
  if (pas < 1) return image;
  const Rampe rampe(debut, couleur_qt(end_color_), pas);
  QPainter peintre(&image);
  switch (style_) {
    case TGradStyle::grHorizontal:
    case TGradStyle::grVertical:
      bandes(peintre, taille, pas, rampe, style_ == TGradStyle::grHorizontal);
      break;
    case TGradStyle::grEllipse:
      formes(peintre, taille, pas, rampe, [&](const QRect& r) { peintre.drawEllipse(r); });
      break;
    case TGradStyle::grPyramid:
      formes(peintre, taille, pas, rampe, [&](const QRect& r) { peintre.fillRect(r, peintre.brush()); });
      break;
    case TGradStyle::grMount:
      formes(peintre, taille, pas, rampe, [&](const QRect& r) {
        // Corners as wide and high as half the shape, given as radii.
        peintre.drawRoundedRect(r, r.width() / 4.0, r.height() / 4.0);
      });
      break;
    case TGradStyle::grFilled:
      break;
  }
  return image;
}

void TJvGradient::paintEvent(QPaintEvent*) {
  if (image_.size() != size()) image_ = Dessin(size());
  QPainter(this).drawImage(0, 0, image_);
}
