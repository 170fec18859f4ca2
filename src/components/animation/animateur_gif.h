#pragma once
// A control that plays the frames of a GIF image, each for its own delay,
// composed by their disposal methods. Its timer ticks on the GUI thread, or
// with AsyncDrawing on the timer's thread: the frame is then composed there
// and painted on the GUI thread, where OnFrameChanged and the stop at the end
// of a run are delivered too.

#include <atomic>
#include <memory>

#include "components/animation/composition_gif.h"
#include "components/animation/controle_image.h"
#include "components/animation/minuterie.h"
#include "components/gif/gifimage.h"

namespace animation {

// How a control is aligned in its parent; it limits the automatic size.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

class TJvGIFAnimator : public TJvImageControl {
 public:
  explicit TJvGIFAnimator(QWidget* parent = nullptr);
  // Clears the events, stops the animation and closes the timer (joining its
  // thread) before the image and the composed picture go.
  ~TJvGIFAnimator() override;

  bool AsyncDrawing() const { return async_; }
  void SetAsyncDrawing(bool valeur);
  bool JvxAnimate() const { return anime_; }
  void SetJvxAnimate(bool valeur);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool valeur);
  bool Center() const { return centre_; }
  void SetCenter(bool valeur);
  bool Loop() const { return boucle_; }
  void SetLoop(bool valeur) { boucle_ = valeur; }
  bool Stretch() const { return etire_; }
  void SetStretch(bool valeur);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool valeur);
  TAlign Align() const { return align_; }
  void SetAlign(TAlign valeur);

  int FrameIndex();
  // Accepts 0 <= valeur < frame count, different from the current index.
  void SetFrameIndex(int valeur);

  // The owned image. After changing it in place, call Changed().
  gif::TJvGIFImage& Image() { return image_; }
  // Copies `source` into the owned image.
  void SetImage(gif::TJvGIFImage& source);
  // The image changed: the composed picture is dropped, the frame index and
  // the timer follow the image, the picture is shown again, OnChange raised.
  void Changed();

  void SetOnChange(TNotifyEvent e);
  void SetOnFrameChanged(TNotifyEvent e);
  void SetOnStart(TNotifyEvent e);
  void SetOnStop(TNotifyEvent e);

  // The timer's handler: the next frame.
  void Tick();

  TJvTimer& Timer() { return *timer_; }
  // The picture of the current frame as composed (a copy, under the lock).
  ImageComposee Composee();

 protected:
  void PreparerImage() override;
  void PaintImage(QPainter& peintre) override;
  void AdjustSize() override;
  void showEvent(QShowEvent* evenement) override;
  void hideEvent(QHideEvent* evenement) override;

 private:
  void Montrer();
  void Arreter();
  void Lever(const TNotifyEvent& evenement);
  // Raised on the GUI thread: directly there, queued from elsewhere.
  void LeverSurGui(TNotifyEvent TJvGIFAnimator::*evenement);
  QRect Cible(const QSize& taille) const;

  std::unique_ptr<TJvTimer> timer_;
  gif::TJvGIFImage image_;
  ImageComposee cache_;
  QRgb fenetre_;
  int index_ = -1;
  std::atomic<bool> async_{false};
  std::atomic<bool> anime_{false};
  std::atomic<bool> boucle_{true};
  std::atomic<bool> montre_{false};
  bool auto_size_ = true;
  bool centre_ = false;
  bool etire_ = false;
  bool transparent_ = true;
  TAlign align_ = TAlign::alNone;
  TNotifyEvent on_change_, on_frame_changed_, on_start_, on_stop_;
};

}  // namespace animation
