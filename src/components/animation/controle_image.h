#pragma once
// A graphic control whose picture is guarded by a lock, so that it can be
// prepared from any thread: the preparation runs under the lock wherever it is
// asked for, and the painting always happens on the GUI thread (a queued
// update() when asked from elsewhere).

#include <QColor>
#include <QWidget>

#include <atomic>
#include <mutex>

#include "components/animation/minuterie.h"

namespace animation {

class TJvImageControl : public QWidget {
 public:
  static constexpr int kCoteInitial = 105;

  explicit TJvImageControl(QWidget* parent = nullptr);
  ~TJvImageControl() override;

  void Lock() { verrou_.lock(); }
  void Unlock() { verrou_.unlock(); }

  // With ParentColor (the default) the control paints no background, so the
  // parent shows where the picture does not cover; otherwise Color fills it.
  QColor Color() const { return couleur_; }
  void SetColor(const QColor& couleur);
  bool ParentColor() const { return couleur_parent_; }
  void SetParentColor(bool valeur);

  bool Drawing() const { return dessin_en_cours_; }
  bool PaintingToMemory() const { return peinture_memoire_; }

  // The thread-safe paint: prepares the picture under the lock (in the calling
  // thread) and asks the GUI thread to paint it.
  void PaintThreadSafe();

 protected:
  // Brings the picture up to date; called under the lock.
  virtual void PreparerImage() {}
  // Paints the picture into the client area; called under the lock.
  virtual void PaintImage(QPainter& peintre) = 0;
  // Recomputes the automatic size (GUI thread).
  virtual void AdjustSize() {}
  // The picture changed: new size, then a repaint (GUI thread).
  void PictureChanged();
  bool Destroying() const { return detruit_; }
  void MarquerDestruction() { detruit_ = true; }
  // Asks for a repaint from any thread.
  void DemanderMiseAJour();

  void paintEvent(QPaintEvent* evenement) override;

 private:
  std::recursive_mutex verrou_;
  QColor couleur_;
  bool couleur_parent_ = true;
  std::atomic<bool> dessin_en_cours_{false};
  std::atomic<bool> peinture_memoire_{false};
  std::atomic<bool> detruit_{false};
};

// Holds the control's lock for its scope.
class VerrouControle {
 public:
  explicit VerrouControle(TJvImageControl& c) : c_(c) { c_.Lock(); }
  ~VerrouControle() { c_.Unlock(); }
  VerrouControle(const VerrouControle&) = delete;
  VerrouControle& operator=(const VerrouControle&) = delete;

 private:
  TJvImageControl& c_;
};

}  // namespace animation
