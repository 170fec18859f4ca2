#include <gtest/gtest.h>

#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "components/jvx/JvButtonGlyph.h"
#include "components/jvx/JvToolEdit.h"
#include "components/jvx/JvxCtrls.h"
#include "jvx/fausse_minuterie.h"

namespace {

using essai::MinuteriesManuelles;

TEST(PositionPopup, BelowOrAboveAndAlignedWithinTheScreen) {
  const QRect ecran(0, 0, 1024, 768);
  const QSize popup(137, 127);
  const struct {
    QRect edit;
    TJvPopupAlign alignement;
    QPoint attendu;
  } cas[] = {
      {{100, 700, 120, 21}, TJvPopupAlign::epaRight, {83, 573}},
      {{100, 700, 120, 21}, TJvPopupAlign::epaLeft, {100, 573}},
      {{100, 100, 120, 21}, TJvPopupAlign::epaRight, {83, 121}},
      {{0, 100, 120, 21}, TJvPopupAlign::epaRight, {0, 121}},
      {{950, 100, 60, 21}, TJvPopupAlign::epaLeft, {887, 121}},
      {{-50, 100, 60, 21}, TJvPopupAlign::epaLeft, {0, 121}},
      {{100, 50, 120, 740}, TJvPopupAlign::epaLeft, {100, 0}},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(PositionPopup(c.edit, popup, ecran, c.alignement), c.attendu) << c.edit.x() << "," << c.edit.y();
  }
}

TEST(TJvxSpeedButton, HeldButtonRepeatsAfterThePause) {
  MinuteriesManuelles minuteries;
  QWidget parent;
  auto* bouton = new TJvxSpeedButton(&parent);
  bouton->SetAllowTimer(true);
  QSignalSpy clics(bouton, &TJvxSpeedButton::Click);
  QTest::mousePress(bouton, Qt::LeftButton, {}, QPoint(5, 5));
  auto& repetition = minuteries.Derniere();
  EXPECT_EQ(repetition.Intervalle(), TJvxSpeedButton::pause_initiale);
  repetition.Tic();
  EXPECT_EQ(clics.count(), 1);
  EXPECT_EQ(repetition.Intervalle(), TJvxSpeedButton::intervalle_repetition);
  repetition.Tic();
  EXPECT_EQ(clics.count(), 2);
  // Dragged off the button: no more clicks, and the release raises none.
  QMouseEvent dehors(QEvent::MouseMove, QPointF(40, 5), QPointF(40, 5), Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(bouton, &dehors);
  EXPECT_EQ(bouton->State(), TJvButtonState::bsUp);
  repetition.Tic();
  EXPECT_EQ(clics.count(), 2);
  QTest::mouseRelease(bouton, Qt::LeftButton, {}, QPoint(40, 5));
  EXPECT_FALSE(repetition.Active());
  EXPECT_EQ(clics.count(), 2);
}

TEST(TJvxSpeedButton, HitTestCountsTheBottomEdgeNotTheRightOne) {
  QWidget parent;
  auto* bouton = new TJvxSpeedButton(&parent);
  bouton->resize(20, 10);
  const struct {
    QPoint point;
    TJvButtonState etat;
  } cas[] = {{{19, 10}, TJvButtonState::bsDown}, {{20, 5}, TJvButtonState::bsUp}, {{5, 11}, TJvButtonState::bsUp}};
  QTest::mousePress(bouton, Qt::LeftButton, {}, QPoint(5, 5));
  for (const auto& c : cas) {
    QMouseEvent deplacement(QEvent::MouseMove, c.point, bouton->mapToGlobal(c.point), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(bouton, &deplacement);
    EXPECT_EQ(bouton->State(), c.etat) << c.point.x() << "," << c.point.y();
  }
}

TEST(TJvxSpeedButton, GroupsKeepOneButtonDown) {
  QWidget parent;
  QWidget autre_parent;
  auto* a = new TJvxSpeedButton(&parent);
  auto* b = new TJvxSpeedButton(&parent);
  auto* ailleurs = new TJvxSpeedButton(&autre_parent);
  for (auto* bouton : {a, b, ailleurs}) bouton->SetGroupIndex(1);
  ailleurs->SetDown(true);
  a->SetDown(true);
  b->SetDown(true);
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(b->Down());
  EXPECT_TRUE(ailleurs->Down());
  EXPECT_EQ(b->State(), TJvButtonState::bsExclusive);
  // Without AllowAllUp a down button does not go up by itself.
  b->SetDown(false);
  EXPECT_TRUE(b->Down());
  // With AllowAllUp a release over it toggles it, one outside leaves it down.
  b->SetAllowAllUp(true);
  QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(60, 5));
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(b->State(), TJvButtonState::bsExclusive);
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(b->Down());
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(b->Down());
  b->SetAllowAllUp(false);
  // Released outside, a grouped button keeps its Down.
  QSignalSpy clics(a, &TJvxSpeedButton::Click);
  QTest::mousePress(a, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(a, Qt::LeftButton, {}, QPoint(60, 5));
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(clics.count(), 0);
  QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(a->Down());
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(clics.count(), 1);
  a->SetGroupIndex(0);
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(a->State(), TJvButtonState::bsUp);
}

TEST(TJvxSpeedButton, ClickByCodeShowsDownFor20Ms) {
  MinuteriesManuelles minuteries;
  TJvxSpeedButton bouton;
  QSignalSpy clics(&bouton, &TJvxSpeedButton::Click);
  bouton.ButtonClick();
  EXPECT_EQ(clics.count(), 1);
  EXPECT_EQ(bouton.State(), TJvButtonState::bsDown);
  EXPECT_EQ(minuteries.Derniere().Intervalle(), TJvxSpeedButton::duree_clic_code);
  minuteries.Derniere().Tic();
  EXPECT_EQ(bouton.State(), TJvButtonState::bsUp);
  EXPECT_FALSE(minuteries.Derniere().Active());
}

TEST(TJvxSpeedButton, CaptionIsShortenedOnlyWhenItDoesNotFit) {
  TJvxSpeedButton bouton;
  bouton.SetCaption(QStringLiteral("Ok"));
  bouton.resize(200, 25);
  EXPECT_EQ(bouton.CaptionAffichee(), QStringLiteral("Ok"));
  bouton.SetCaption(QStringLiteral("A caption far too long for the button"));
  bouton.resize(60, 25);
  EXPECT_TRUE(bouton.CaptionAffichee().endsWith(QStringLiteral("...")));
}

QImage bande(int images, int cote) {
  QImage image(images * cote, cote, QImage::Format_RGB32);
  image.fill(QColor::fromRgb(couleur_cle));
  for (int i = 0; i < images; ++i) image.setPixelColor(i * cote + 1, 1, QColor(200, 100, 50));
  return image;
}

TEST(TJvButtonGlyph, StripCountAndStateImages) {
  const struct {
    int images;
    int attendu;
  } cas[] = {{1, 1}, {2, 2}, {5, 5}, {6, 1}};
  for (const auto& c : cas) {
    TJvButtonGlyph glyphe;
    glyphe.SetGlyph(bande(c.images, 8));
    EXPECT_EQ(glyphe.NumGlyphs(), c.attendu) << c.images;
  }
  TJvButtonGlyph glyphe;
  glyphe.SetGlyph(bande(2, 8));
  EXPECT_EQ(glyphe.TailleImage(), QSize(8, 8));
  EXPECT_EQ(qAlpha(glyphe.Image(TJvButtonState::bsUp).pixel(0, 0)), 0);
  const int g = gris_de(qRgb(200, 100, 50));
  EXPECT_EQ(g, (200 * 77 + 100 * 150 + 50 * 29) >> 8);
  EXPECT_EQ(glyphe.Image(TJvButtonState::bsInactive).pixelColor(1, 1), QColor(g, g, g));
  QPalette palette;
  palette.setColor(QPalette::Dark, Qt::darkGray);
  glyphe.SetPalette(palette);
  EXPECT_EQ(glyphe.Image(TJvButtonState::bsDisabled).pixelColor(1, 1), QColor(200, 100, 50));
  TJvButtonGlyph seul;
  seul.SetPalette(palette);
  seul.SetGlyph(bande(1, 8));
  EXPECT_EQ(seul.Image(TJvButtonState::bsDisabled).pixelColor(1, 1), QColor(Qt::darkGray));
  EXPECT_EQ(seul.Image(TJvButtonState::bsDown).pixelColor(1, 1), QColor(200, 100, 50));

  QImage action(4, 4, QImage::Format_ARGB32);
  action.fill(Qt::transparent);
  action.setPixelColor(2, 2, Qt::blue);
  TJvButtonGlyph depuis_action;
  depuis_action.SetGlyphFromAction(action);
  EXPECT_EQ(depuis_action.TransparentColor(), QColor(255, 0, 255));
  EXPECT_EQ(qAlpha(depuis_action.Image(TJvButtonState::bsUp).pixel(0, 0)), 0);
  EXPECT_EQ(depuis_action.Image(TJvButtonState::bsUp).pixelColor(2, 2), QColor(Qt::blue));
}

TEST(TJvGlyphCache, ListsAreSharedBySizeAndFreedWithTheLastGlyph) {
  const int avant = TJvGlyphCache::Count();
  {
    TJvButtonGlyph a;
    TJvButtonGlyph b;
    a.SetGlyph(bande(1, 13));
    b.SetGlyph(bande(1, 13));
    a.Image(TJvButtonState::bsUp);
    b.Image(TJvButtonState::bsUp);
    EXPECT_EQ(TJvGlyphCache::Count(), avant + 1);
    EXPECT_EQ(TJvGlyphCache::GetList(QSize(13, 13))->Count(), 2);
  }
  EXPECT_EQ(TJvGlyphCache::Count(), avant);
}

// A pop-up that holds a text.
class PopupTexte : public TJvPopupWindow {
 public:
  explicit PopupTexte(TJvCustomComboEdit* edit) : TJvPopupWindow(edit) { resize(50, 40); }
  void SetValue(const QVariant& valeur) override { valeur_ = valeur; }
  QVariant GetValue() const override { return valeur_; }
  QVariant valeur_;
};

class EditTexte : public TJvCustomComboEdit {
 public:
  EditTexte() {
    popup = new PopupTexte(this);
    SetPopup(popup);
  }
  PopupTexte* popup;
};

TEST(TJvCustomComboEdit, NarrowButtonIsHiddenAndTheTextTakesItsPlace) {
  EditTexte edit;
  edit.resize(120, 24);
  edit.show();
  EXPECT_TRUE(edit.Button()->isVisible());
  EXPECT_EQ(edit.ZoneTexte().width(), 120 - TJvCustomComboEdit::largeur_bouton);
  edit.SetButtonWidth(1);
  EXPECT_FALSE(edit.Button()->isVisible());
  EXPECT_EQ(edit.ZoneTexte().width(), 120);
}

TEST(TJvCustomComboEdit, ClickKeyOpensUnlessReadOnly) {
  EditTexte edit;
  edit.show();
  edit.SetReadOnly(true);
  QTest::keyClick(&edit, Qt::Key_Down, Qt::AltModifier);
  EXPECT_FALSE(edit.PopupVisible());
  edit.SetReadOnly(false);
  QTest::keyClick(&edit, Qt::Key_Down, Qt::AltModifier);
  EXPECT_TRUE(edit.PopupVisible());
  EXPECT_TRUE(edit.isReadOnly());
  QTest::keyClick(edit.popup, Qt::Key_Escape);
  EXPECT_FALSE(edit.PopupVisible());
  EXPECT_FALSE(edit.isReadOnly());
}

TEST(TJvCustomComboEdit, OnlyAChangedTextIsWrittenBack) {
  EditTexte edit;
  edit.show();
  QApplication::setActiveWindow(&edit);
  edit.setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return edit.hasFocus(); }));
  edit.setText(QStringLiteral("abc"));
  QSignalSpy changements(&edit, &TJvCustomComboEdit::Change);
  edit.DoClick();
  edit.PopupCloseUp(true);
  EXPECT_EQ(changements.count(), 0);
  EXPECT_FALSE(edit.isModified());
  edit.DoClick();
  edit.popup->valeur_ = QStringLiteral("xyz");
  edit.DoClick();
  EXPECT_FALSE(edit.PopupVisible());
  EXPECT_EQ(edit.text(), QStringLiteral("xyz"));
  EXPECT_EQ(changements.count(), 1);
  EXPECT_TRUE(edit.isModified());
  EXPECT_EQ(edit.selectedText(), QStringLiteral("xyz"));
}

TEST(TJvCustomComboEdit, PressOutsideCancelsAndPressOnTheButtonAccepts) {
  EditTexte edit;
  edit.resize(120, 24);
  edit.show();
  edit.DoClick();
  ASSERT_TRUE(edit.PopupVisible());
  edit.popup->valeur_ = QStringLiteral("nouveau");
  QTest::mouseClick(edit.popup, Qt::LeftButton, {}, QPoint(-300, -300));
  EXPECT_FALSE(edit.PopupVisible());
  EXPECT_EQ(edit.text(), QString());
  edit.DoClick();
  edit.popup->valeur_ = QStringLiteral("nouveau");
  const QPoint bouton = edit.popup->mapFromGlobal(edit.Button()->mapToGlobal(edit.Button()->rect().center()));
  QTest::mousePress(edit.popup, Qt::LeftButton, {}, bouton);
  EXPECT_FALSE(edit.PopupVisible());
  EXPECT_EQ(edit.text(), QStringLiteral("nouveau"));
  // The release that ends that press does not open it again.
  QTest::mouseRelease(edit.Button(), Qt::LeftButton, {}, edit.Button()->rect().center());
  EXPECT_FALSE(edit.PopupVisible());
  // Pressed on the button itself while open (without the pop-up's grab).
  edit.DoClick();
  QTest::mouseClick(edit.Button(), Qt::LeftButton, {}, edit.Button()->rect().center());
  EXPECT_FALSE(edit.PopupVisible());
}

}  // namespace

namespace {

TEST(TJvxSpeedButton, DropDownMenuOpensBelowOrRightWithoutAClick) {
  const struct {
    TJvDropDownMenuPos position;
    QPoint coin;
  } cas[] = {{TJvDropDownMenuPos::dmpBottom, {0, 25}}, {TJvDropDownMenuPos::dmpRight, {25, 0}}};
  for (const auto& c : cas) {
    QWidget parent;
    auto* bouton = new TJvxSpeedButton(&parent);
    QMenu menu;
    menu.addAction(QStringLiteral("un"));
    bouton->SetDropDownMenu(&menu);
    bouton->SetMenuPosition(c.position);
    parent.show();
    QSignalSpy clics(bouton, &TJvxSpeedButton::Click);
    QTest::mousePress(bouton, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.pos(), bouton->mapToGlobal(c.coin));
    EXPECT_EQ(bouton->State(), TJvButtonState::bsUp);
    QTest::mouseRelease(bouton, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clics.count(), 0);
    menu.hide();
    // The next click is a click again.
    bouton->SetDropDownMenu(nullptr);
    QTest::mouseClick(bouton, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clics.count(), 1);
  }
}

}  // namespace

namespace {

TEST(TJvxSpeedButton, GlyphSitsByLayoutMarginAndSpacing) {
  const struct {
    TButtonLayout layout;
    int margin;
    QPoint attendu;
  } cas[] = {
      {TButtonLayout::blGlyphLeft, -1, {15, 15}},  {TButtonLayout::blGlyphLeft, 2, {3, 15}},
      {TButtonLayout::blGlyphRight, 2, {28, 15}},  {TButtonLayout::blGlyphTop, 2, {15, 3}},
      {TButtonLayout::blGlyphBottom, 2, {15, 28}}, {TButtonLayout::blGlyphBottom, -1, {15, 15}},
  };
  for (const auto& c : cas) {
    TJvxSpeedButton bouton;
    bouton.resize(40, 40);
    bouton.SetGlyph(bande(1, 8));
    bouton.SetLayout(c.layout);
    bouton.SetMargin(c.margin);
    EXPECT_EQ(bouton.PositionGlyphe(), c.attendu) << static_cast<int>(c.layout) << " " << c.margin;
  }
  // A caption moves a centred glyph aside by half its width and the spacing.
  TJvxSpeedButton bouton;
  bouton.resize(80, 40);
  bouton.SetGlyph(bande(1, 8));
  bouton.SetCaption(QStringLiteral("Ok"));
  const int texte = bouton.fontMetrics().horizontalAdvance(QStringLiteral("Ok"));
  EXPECT_EQ(bouton.PositionGlyphe().x(), 1 + (77 - (8 + TJvxSpeedButton::espacement_initial + texte)) / 2);
}

}  // namespace
