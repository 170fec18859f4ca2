#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

#include "components/calculatrice/JvCalc.h"
#include "components/calculatrice/JvCurrEdit.h"
#include "components/utilitaires/JvVCLUtils.h"
#include "jvx/fausse_minuterie.h"
#include "localisation/messagerie_enregistreuse.h"

namespace {

using essai::MinuteriesManuelles;

// Counts the beeps instead of sounding them.
class Bips {
 public:
  Bips() : ancien_(InstallerBip([this] { ++nombre; })) {}
  ~Bips() { InstallerBip(std::move(ancien_)); }
  int nombre = 0;

 private:
  std::function<void()> ancien_;
};

// The edit of the main window, shown in its own window.
class CalcEdit : public testing::Test {
 protected:
  void SetUp() override {
    edit.SetDecimalPlaces(8);
    edit.SetDisplayFormat(QStringLiteral(",0.####"));
    edit.resize(120, 24);
    edit.show();
  }
  TJvPopupCalculator& popup() { return *edit.Calculator(); }
  NoyauCalculatrice& noyau() { return popup().Calculator()->Noyau(); }
  // Keys typed while the pop-up is open reach the pop-up window.
  void taper(const char* touches) { QTest::keyClicks(&popup(), QString::fromLatin1(touches)); }

  MinuteriesManuelles minuteries;
  Bips bips;
  TJvCalcEdit edit;
};

TEST(TJvLocCalculator, PopupLayoutKeys) {
  TJvLocCalculator calc;
  EXPECT_EQ(calc.size(), QSize(131, 124));
  ASSERT_EQ(calc.Buttons().size(), 22u);
  const struct {
    char cle;
    QString caption;
    QRect place;
    QColor couleur;
  } cas[] = {
      {'0', QStringLiteral("0"), {6, 75, 21, 21}, QColor()},
      {'5', QStringLiteral("5"), {29, 29, 21, 21}, QColor()},
      {'9', QStringLiteral("9"), {52, 6, 21, 21}, QColor()},
      {'_', QString(QChar(0xB1)), {52, 75, 21, 21}, QColor()},
      {',', QStringLiteral("."), {29, 75, 21, 21}, QColor()},
      {'/', QStringLiteral("/"), {75, 6, 21, 21}, QColor(0x80, 0, 0x80)},
      {'+', QStringLiteral("+"), {75, 75, 21, 44}, QColor(0x80, 0, 0x80)},
      {'q', QStringLiteral("sqrt"), {98, 6, 31, 21}, QColor(0, 0, 0x80)},
      {'\r', QStringLiteral("="), {98, 75, 31, 44}, QColor(0x80, 0, 0x80)},
  };
  for (const auto& c : cas) {
    TJvCalcButton* bouton = calc.Button(c.cle);
    ASSERT_NE(bouton, nullptr) << c.cle;
    EXPECT_EQ(bouton->Caption(), c.caption) << c.cle;
    EXPECT_EQ(bouton->geometry(), c.place) << c.cle;
    if (c.couleur.isValid()) {
      EXPECT_EQ(bouton->palette().color(QPalette::ButtonText), c.couleur) << c.cle;
    }
  }
  EXPECT_EQ(calc.Button('C'), nullptr);
  EXPECT_EQ(calc.Button('x'), nullptr);
  EXPECT_EQ(calc.Buttons()[20]->geometry(), QRect(29, 98, 44, 21));
  EXPECT_EQ(calc.Buttons()[21]->Caption(), QStringLiteral("C"));
  EXPECT_TRUE(calc.font().bold());
}

TEST_F(CalcEdit, AltDownOpensAtZeroReadyWithEqualsPending) {
  EXPECT_EQ(popup().size(), QSize(137, 127));
  QTest::keyClick(&edit, Qt::Key_Down, Qt::AltModifier);
  ASSERT_TRUE(edit.PopupVisible());
  EXPECT_TRUE(popup().isVisible());
  EXPECT_EQ(popup().Calculator()->DisplayText(), QStringLiteral("0"));
  EXPECT_EQ(noyau().etat(), EtatCalculatrice::pret);
  EXPECT_EQ(noyau().operateur(), '=');
  EXPECT_EQ(noyau().precision(), 15);
}

TEST_F(CalcEdit, TwoPlusThreeAndReturnWritesFive) {
  QSignalSpy changements(&edit, &TJvCustomComboEdit::Change);
  QTest::keyClick(&edit, Qt::Key_Down, Qt::AltModifier);
  taper("2+3");
  EXPECT_EQ(popup().Calculator()->DisplayText(), QStringLiteral("3"));
  QTest::keyClick(&popup(), Qt::Key_Return);
  EXPECT_FALSE(edit.PopupVisible());
  EXPECT_EQ(edit.text(), QStringLiteral("5"));
  EXPECT_EQ(edit.Value(), 5);
  EXPECT_EQ(changements.count(), 1);
  EXPECT_TRUE(edit.isModified());
}

TEST_F(CalcEdit, ResultKeysCloseAcceptingAndTheFullValueIsKept) {
  const struct {
    const char* touches;
    double valeur;
    const char* texte;
    bool ferme_seul;  // closed by the last key, without Return
  } cas[] = {{"1/3=", 0.333333333333333, "0.33333333", true},
             {"2+3%", 2.06, "2.06", true},
             {"q4q", 2, "2", false}};
  for (const auto& c : cas) {
    edit.SetValue(0);
    edit.DoClick();
    taper(c.touches);
    EXPECT_EQ(edit.PopupVisible(), !c.ferme_seul) << c.touches;
    if (edit.PopupVisible()) QTest::keyClick(&popup(), Qt::Key_Return);
    EXPECT_FALSE(edit.PopupVisible()) << c.touches;
    EXPECT_EQ(edit.Value(), c.valeur) << c.touches;
    EXPECT_EQ(edit.text(), QString::fromLatin1(c.texte)) << c.touches;
  }
}

TEST_F(CalcEdit, EscapeAndErrorsLeaveTheValue) {
  edit.SetValue(7);
  edit.DoClick();
  EXPECT_EQ(popup().Calculator()->DisplayText(), QStringLiteral("7"));
  taper("9*");
  QTest::keyClick(&popup(), Qt::Key_Escape);
  EXPECT_FALSE(edit.PopupVisible());
  EXPECT_EQ(edit.text(), QStringLiteral("7"));
  EXPECT_EQ(bips.nombre, 0);

  edit.DoClick();
  taper("1/0");
  QTest::keyClick(&popup(), Qt::Key_Return);
  EXPECT_FALSE(edit.PopupVisible());
  EXPECT_EQ(edit.Value(), 7);
  // The error itself, then closing in the error state.
  EXPECT_EQ(bips.nombre, 2);
}

TEST_F(CalcEdit, AValueTooLargeToShowOpensOnErrorAndIsKept) {
  const double presque_infini = std::numeric_limits<double>::max();
  for (const char* touches : {"", "*2", "C"}) {
    edit.SetValue(presque_infini);
    edit.DoClick();
    EXPECT_EQ(popup().Calculator()->DisplayText(), QStringLiteral("Error")) << touches;
    taper(touches);
    QTest::keyClick(&popup(), Qt::Key_Return);
    EXPECT_FALSE(edit.PopupVisible()) << touches;
    EXPECT_EQ(edit.Value(), touches[0] == 'C' ? 0 : presque_infini) << touches;
  }
}

TEST_F(CalcEdit, ClickElsewhereCancels) {
  edit.SetValue(7);
  QTest::keyClick(&edit, Qt::Key_Down, Qt::AltModifier);
  taper("4");
  const QPoint ailleurs = popup().mapFromGlobal(edit.mapToGlobal(QPoint(-40, -40)));
  QTest::mouseClick(&popup(), Qt::LeftButton, {}, ailleurs);
  EXPECT_FALSE(edit.PopupVisible());
  EXPECT_EQ(edit.Value(), 7);
}

TEST_F(CalcEdit, TypedKeysClickTheirButtonFor20Ms) {
  edit.DoClick();
  const auto avant = minuteries.Faites().size();
  taper("8");
  TJvCalcButton* huit = popup().Calculator()->Button('8');
  EXPECT_EQ(huit->State(), TJvButtonState::bsDown);
  ASSERT_GT(minuteries.Faites().size(), avant);
  EXPECT_EQ(minuteries.Derniere().Intervalle(), 20);
  minuteries.Derniere().Tic();
  EXPECT_EQ(huit->State(), TJvButtonState::bsUp);
  // Lower case, the thousands separator and other keys.
  taper(" x");
  EXPECT_EQ(popup().Calculator()->DisplayText(), QStringLiteral("8"));
  taper("c");
  EXPECT_EQ(popup().Calculator()->DisplayText(), QStringLiteral("0"));
  QTest::keyClick(&popup(), Qt::Key_Backspace);
  EXPECT_EQ(popup().Calculator()->DisplayText(), QStringLiteral("0"));
}

TEST_F(CalcEdit, WhileOpenTheEditShowsTheCalculatorsDisplay) {
  edit.SetValue(1234.5);
  edit.DoClick();
  taper("12.5");
  const auto image = [&] {
    QImage rendu(edit.size(), QImage::Format_RGB32);
    edit.render(&rendu);
    return rendu;
  };
  const QImage ouvert = image();
  EXPECT_EQ(edit.text(), QStringLiteral("1234.5"));
  EXPECT_TRUE(edit.isReadOnly());
  QTest::keyClick(&popup(), Qt::Key_Escape);
  EXPECT_FALSE(edit.isReadOnly());
  EXPECT_NE(image(), ouvert);  // "1 234.5"
  // The same picture as an edit whose own display text is "12.5".
  edit.SetValue(12.5);
  EXPECT_EQ(image(), ouvert);
}

TEST(TJvCustomNumEdit, TypingKeepsANumberWithinTheRules) {
  Bips bips;
  TJvCalcEdit edit;
  edit.SetDecimalPlaces(8);
  edit.show();
  QTest::keyClicks(&edit, QStringLiteral("1,123456789"));
  EXPECT_EQ(edit.text(), QStringLiteral("1.12345678"));
  EXPECT_EQ(bips.nombre, 1);
  EXPECT_EQ(edit.Value(), 1.12345678);
  edit.SetMinValue(0);
  edit.SetMaxValue(10);
  edit.SetValue(0);
  QTest::keyClicks(&edit, QStringLiteral("-a"));
  EXPECT_EQ(edit.text(), QString());
  EXPECT_EQ(bips.nombre, 3);
  edit.SetText(QStringLiteral("12"));
  EXPECT_EQ(edit.Value(), 10);
}

TEST(TJvCustomNumEdit, ValueRangeRoundAndTexts) {
  TJvCalcEdit edit;
  edit.SetDecimalPlaces(8);
  edit.SetDisplayFormat(QStringLiteral(",0.####"));
  edit.SetValue(1234.56789);
  EXPECT_EQ(edit.DisplayText(), QStringLiteral("1 234.5679"));
  EXPECT_EQ(edit.EditText(), QStringLiteral("1234.56789"));
  edit.SetValue(0);
  EXPECT_EQ(edit.text(), QString());
  EXPECT_EQ(edit.DisplayText(), QString());
  edit.SetMinValue(5);
  edit.SetValue(3);
  EXPECT_EQ(edit.Value(), 5);
  edit.SetValue(100);
  EXPECT_EQ(edit.Value(), 100);
  edit.SetMinValue(0);
  edit.SetDecimalPlaces(2);
  edit.SetDecimalPlaceRound(true);
  edit.SetValue(2.345);
  EXPECT_DOUBLE_EQ(edit.Value(), 2.35);
  edit.SetValue(-2.345);
  EXPECT_DOUBLE_EQ(edit.Value(), -2.35);
}

TEST(TJvCustomNumEdit, FormatOnEditingGroupsThousandsAsTyped) {
  TJvCalcEdit edit;
  edit.SetFormatOnEditing(true);
  edit.show();
  QTest::keyClicks(&edit, QStringLiteral("-1234567.5"));
  EXPECT_EQ(edit.text(), QStringLiteral("-1 234 567.5"));
  EXPECT_EQ(edit.Value(), -1234567.5);
  edit.setCursorPosition(3);
  QTest::keyClick(&edit, Qt::Key_9);
  EXPECT_EQ(edit.text(), QStringLiteral("-19 234 567.5"));
  EXPECT_EQ(edit.text().size() - edit.cursorPosition(), 9);
}

TEST(TJvCustomNumEdit, PasteTakesNumbersOnly) {
  Bips bips;
  TJvCalcEdit edit;
  edit.show();
  QApplication::clipboard()->setText(QStringLiteral("douze"));
  QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit.text(), QString());
  EXPECT_EQ(bips.nombre, 1);
  QApplication::clipboard()->setText(QStringLiteral(" 1 234,5 "));
  QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit.text(), QStringLiteral("1234.5"));
}

TEST(TJvCustomNumEdit, CheckOnExitShowsTheRangeAndKeepsTheText) {
  MessagerieDeTest messages;
  QWidget fenetre;
  auto* edit = new TJvCalcEdit(&fenetre);
  auto* autre = new QLineEdit(&fenetre);
  autre->move(0, 40);
  edit->SetDecimalPlaces(2);
  edit->SetMaxValue(10);
  edit->SetCheckOnExit(true);
  fenetre.show();
  QApplication::setActiveWindow(&fenetre);
  edit->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }));
  QTest::keyClicks(edit, QStringLiteral("12"));
  autre->setFocus();
  ASSERT_EQ(messages->journal.size(), 1u);
  EXPECT_EQ(messages->journal[0].texte, "La valeur doit \xEAtre comprise entre 0.00 et 10.00");
  EXPECT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }));
  EXPECT_EQ(edit->text(), QStringLiteral("12"));
}

}  // namespace
