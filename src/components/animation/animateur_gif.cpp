#include "components/animation/animateur_gif.h"

#include <QPainter>

#include <algorithm>

namespace animation {

TJvGIFAnimator::TJvGIFAnimator(QWidget* parent)
    : TJvImageControl(parent),
      timer_(std::make_unique<TJvTimer>()),
      fenetre_(palette().color(QPalette::Base).rgb()) {
  timer_->SetEnabled(false);
  timer_->SetInterval(delai_image(image_, index_));
}

TJvGIFAnimator::~TJvGIFAnimator() {
  {
    VerrouControle verrou(*this);
    on_change_ = on_frame_changed_ = on_start_ = on_stop_ = nullptr;
  }
  MarquerDestruction();
  SetJvxAnimate(false);
  // A tick under way on the timer's thread still reaches the timer: it is
  // closed (and its thread joined) before it goes.
  timer_->Fermer();
}

void TJvGIFAnimator::Lever(const TNotifyEvent& evenement) {
  TNotifyEvent copie;
  {
    VerrouControle verrou(*this);
    copie = evenement;
  }
  if (copie) copie(this);
}

void TJvGIFAnimator::LeverSurGui(TNotifyEvent TJvGIFAnimator::*evenement) {
  if (sur_le_thread_gui()) {
    Lever(this->*evenement);
    return;
  }
  QMetaObject::invokeMethod(this, [this, evenement] { Lever(this->*evenement); }, Qt::QueuedConnection);
}

void TJvGIFAnimator::SetOnChange(TNotifyEvent e) {
  VerrouControle verrou(*this);
  on_change_ = std::move(e);
}

void TJvGIFAnimator::SetOnFrameChanged(TNotifyEvent e) {
  VerrouControle verrou(*this);
  on_frame_changed_ = std::move(e);
}

void TJvGIFAnimator::SetOnStart(TNotifyEvent e) {
  VerrouControle verrou(*this);
  on_start_ = std::move(e);
}

void TJvGIFAnimator::SetOnStop(TNotifyEvent e) {
  VerrouControle verrou(*this);
  on_stop_ = std::move(e);
}

void TJvGIFAnimator::SetAsyncDrawing(bool valeur) {
  async_ = valeur;
  timer_->SetSyncEvent(!valeur);
}

void TJvGIFAnimator::SetJvxAnimate(bool valeur) {
  if (anime_ == valeur) return;
  if (valeur) {
    timer_->SetOnTimer([this](QObject*) { Tick(); });
    timer_->SetEnabled(true);
    anime_ = timer_->Enabled();
    Lever(on_start_);
    return;
  }
  timer_->SetEnabled(false);
  timer_->SetOnTimer(nullptr);
  anime_ = false;
  Lever(on_stop_);
  Montrer();
}

void TJvGIFAnimator::SetAutoSize(bool valeur) {
  auto_size_ = valeur;
  Montrer();
}

void TJvGIFAnimator::SetCenter(bool valeur) {
  centre_ = valeur;
  Montrer();
  if (anime_) repaint();
}

void TJvGIFAnimator::SetStretch(bool valeur) {
  etire_ = valeur;
  Montrer();
  if (anime_) repaint();
}

void TJvGIFAnimator::SetTransparent(bool valeur) {
  {
    VerrouControle verrou(*this);
    transparent_ = valeur;
    cache_ = ImageComposee{};  // the keyed-out colour is chosen when the picture is built
  }
  Montrer();
  if (anime_) repaint();
}

void TJvGIFAnimator::SetAlign(TAlign valeur) {
  align_ = valeur;
  Montrer();
}

int TJvGIFAnimator::FrameIndex() {
  VerrouControle verrou(*this);
  return index_;
}

void TJvGIFAnimator::SetFrameIndex(int valeur) {
  std::uint32_t delai;
  {
    VerrouControle verrou(*this);
    if (valeur < 0 || std::size_t(valeur) >= image_.Count() || valeur == index_) return;
    index_ = valeur;
    delai = delai_image(image_, index_);
  }
  timer_->SetInterval(delai);
  Lever(on_frame_changed_);
  Montrer();
}

void TJvGIFAnimator::SetImage(gif::TJvGIFImage& source) {
  {
    VerrouControle verrou(*this);
    image_.LoadFromStream(source.SaveToStream());
  }
  Changed();
}

void TJvGIFAnimator::Changed() {
  std::uint32_t delai;
  {
    VerrouControle verrou(*this);
    cache_ = ImageComposee{};
    index_ = image_.FrameIndex();
    delai = delai_image(image_, index_);
  }
  timer_->SetInterval(delai);
  Montrer();
  Lever(on_change_);
}

void TJvGIFAnimator::Montrer() { PictureChanged(); }

void TJvGIFAnimator::AdjustSize() {
  if (!auto_size_ || image_.ScreenWidth() == 0 || image_.ScreenHeight() == 0) return;
  const bool largeur_fixee = align_ == TAlign::alTop || align_ == TAlign::alBottom ||
                             align_ == TAlign::alClient || align_ == TAlign::alCustom;
  const bool hauteur_fixee = align_ == TAlign::alLeft || align_ == TAlign::alRight ||
                             align_ == TAlign::alClient || align_ == TAlign::alCustom;
  resize(largeur_fixee ? width() : image_.ScreenWidth(), hauteur_fixee ? height() : image_.ScreenHeight());
}

void TJvGIFAnimator::Tick() {
  if (!montre_) return;
  int index;
  {
    VerrouControle verrou(*this);
    const int n = int(image_.Count());
    if (n < 2) return;
    index_ = index_ < n - 1 ? index_ + 1 : 0;
    index = index_;
  }
  LeverSurGui(&TJvGIFAnimator::on_frame_changed_);
  PaintThreadSafe();
  std::uint32_t delai;
  {
    VerrouControle verrou(*this);
    delai = delai_image(image_, index);
  }
  timer_->SetInterval(delai);
  if (!boucle_ && index == 0) Arreter();
}

void TJvGIFAnimator::Arreter() {
  if (sur_le_thread_gui()) {
    SetJvxAnimate(false);
    return;
  }
  // No further tick from this thread; the rest of the stop happens on the GUI thread.
  timer_->SetEnabled(false);
  QMetaObject::invokeMethod(this, [this] { SetJvxAnimate(false); }, Qt::QueuedConnection);
}

ImageComposee TJvGIFAnimator::Composee() {
  VerrouControle verrou(*this);
  PreparerImage();
  return cache_;
}

void TJvGIFAnimator::PreparerImage() {
  if (image_.Count() == 0 || image_.ScreenWidth() == 0 || image_.ScreenHeight() == 0) return;
  const int n = std::clamp(index_, 0, int(image_.Count()) - 1);
  if (cache_.index == n && !cache_.bitmap.isNull()) return;
  composer(image_, n, transparent_, fenetre_, cache_);
}

QRect TJvGIFAnimator::Cible(const QSize& taille) const {
  if (etire_) return rect();
  if (centre_)
    return QRect((width() - taille.width()) / 2, (height() - taille.height()) / 2, taille.width(), taille.height());
  return QRect(QPoint(0, 0), taille);
}

void TJvGIFAnimator::PaintImage(QPainter& peintre) {
  if (cache_.bitmap.isNull()) return;
  const QImage image = image_a_dessiner(cache_);
  peintre.save();
  peintre.setRenderHint(QPainter::SmoothPixmapTransform, false);
  peintre.drawImage(Cible(image.size()), image);
  peintre.restore();
}

void TJvGIFAnimator::showEvent(QShowEvent* evenement) {
  montre_ = parentWidget() != nullptr;
  TJvImageControl::showEvent(evenement);
}

void TJvGIFAnimator::hideEvent(QHideEvent* evenement) {
  montre_ = false;
  TJvImageControl::hideEvent(evenement);
}

}  // namespace animation
