#pragma once
// A label that can change its font while the pointer is over it and that
// gives tooltips its own background colour meanwhile.

#include <QFont>
#include <QLabel>

#include <cstdint>

#include "components/controles/conseils_colores.h"

class TJvLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TJvLabel(QWidget* parent = nullptr);

  bool HotTrack() const { return hot_track_; }
  void SetHotTrack(bool valeur) { hot_track_ = valeur; }
  // The font while the pointer is over the label, with HotTrack.
  const QFont& HotTrackFont() const { return hot_track_font_; }
  void SetHotTrackFont(const QFont& valeur) { hot_track_font_ = valeur; }
  // A colour value (platform/couleur_qt.h).
  std::int32_t HintColor() const { return hint_color_; }
  void SetHintColor(std::int32_t valeur) { hint_color_ = valeur; }

 signals:
  void MouseEnter();
  void MouseLeave();

 protected:
  void enterEvent(QEnterEvent* evenement) override;
  void leaveEvent(QEvent* evenement) override;

 private:
  bool hot_track_ = false;
  QFont hot_track_font_;
  QFont police_normale_;
  std::int32_t hint_color_;
  ConseilsColores conseils_;
};

// The screen's two extra cursors: a hand, and a hand that drags.
inline constexpr int crJvHand = 14000;
inline constexpr int crJvDrag = 14001;
// The shape of a cursor number; Qt's arrow for other numbers.
Qt::CursorShape forme_curseur(int numero);
