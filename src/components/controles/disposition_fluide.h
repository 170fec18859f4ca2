#pragma once
// A layout that puts its controls in a row at their preferred size and
// starts a new row when the next one would not fit, so that a command bar
// keeps every caption whole in a narrow window. Hidden controls take no
// room.

#include <QLayout>
#include <QList>

class DispositionFluide : public QLayout {
 public:
  explicit DispositionFluide(QWidget* parent = nullptr, int espacement = 2);
  ~DispositionFluide() override;

  void addItem(QLayoutItem* element) override;
  int count() const override { return static_cast<int>(elements_.size()); }
  QLayoutItem* itemAt(int indice) const override;
  QLayoutItem* takeAt(int indice) override;
  Qt::Orientations expandingDirections() const override { return {}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int largeur) const override;
  QSize minimumSize() const override;
  QSize sizeHint() const override;
  void setGeometry(const QRect& rect) override;

 private:
  // Places the controls in `rect` (only measures when `placer` is false) and
  // returns the height used.
  int disposer(const QRect& rect, bool placer) const;

  QList<QLayoutItem*> elements_;
  int espacement_;
};
