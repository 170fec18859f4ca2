#pragma once
// What the flat controls share: their interaction states (pointer inside,
// mouse button down, focus), update brackets that hold repaints back, the
// library's version banner, and their style: a theme of their own or the
// one of a style manager they are linked to.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

enum class TdxTheme { WindowsXP, OfficeXP };
enum class TdxGlyphLayout { glBottom, glCenter, glTop };
enum class TdxLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TdxEnabledMode { emAffectChilds, emNormal };

class TdxCustomControl;

// A theme shared by the controls linked to it; changing it repaints them.
class TdxStyleManager : public QObject {
  Q_OBJECT

 public:
  explicit TdxStyleManager(QObject* parent = nullptr) : QObject(parent) {}
  ~TdxStyleManager() override;

  TdxTheme Theme() const { return theme_; }
  void SetTheme(TdxTheme theme);
  const QList<TdxCustomControl*>& Controles() const { return controles_; }

 signals:
  void ThemeChanged();

 private:
  friend class TdxCustomControl;
  TdxTheme theme_ = TdxTheme::WindowsXP;
  QList<TdxCustomControl*> controles_;
};

// A control's own theme, and whether its manager's theme wins.
struct TdxStyle {
  TdxTheme Theme = TdxTheme::WindowsXP;
  bool UseStyleManager = true;
};

// Mixed into each flat control with the widget it is.
class TdxCustomControl {
 public:
  enum Etat : unsigned { souris_dedans = 2, bouton_bas = 4, focus = 8 };

  explicit TdxCustomControl(QWidget* controle) : controle_(controle) {}
  virtual ~TdxCustomControl();
  TdxCustomControl(const TdxCustomControl&) = delete;
  TdxCustomControl& operator=(const TdxCustomControl&) = delete;

  // Changes made between the two repaint once, at the end.
  void BeginUpdate() { ++mises_a_jour_; }
  void EndUpdate();
  bool EnMiseAJour() const { return mises_a_jour_ > 0; }

  unsigned Etats() const { return etats_; }
  bool A(Etat e) const { return (etats_ & e) != 0; }

  static QString Version();

  const TdxStyle& Style() const { return style_; }
  void SetStyle(const TdxStyle& style);
  TdxStyleManager* StyleManager() const { return gestionnaire_; }
  void SetStyleManager(TdxStyleManager* gestionnaire);
  // The manager's theme when the style uses it and one is linked.
  TdxTheme ThemeEffectif() const;

  // Repaints unless inside update brackets.
  void Repeindre();

 protected:
  void Poser(Etat e, bool present);
  // The states the controls' mouse events set: leaving also lets the button
  // go; a left press puts the pointer inside and the button down, a left
  // release lets it go; other buttons change nothing.
  void SourisSortie();
  void BoutonPresse(Qt::MouseButton bouton);
  void BoutonRelache(Qt::MouseButton bouton);

 private:
  friend class TdxStyleManager;
  QWidget* controle_;
  unsigned etats_ = 0;
  int mises_a_jour_ = 0;
  TdxStyle style_;
  TdxStyleManager* gestionnaire_ = nullptr;
};
