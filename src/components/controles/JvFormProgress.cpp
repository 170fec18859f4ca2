#include "components/controles/JvFormProgress.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>

namespace {

constexpr QPoint position_texte(16, 10);
constexpr QRect rect_barre(16, 28, 279, 15);
constexpr int maximum_barre = 100;
// The window's small text, so that the estimate fits on its line.
constexpr int pixels_texte = 11;
constexpr int bord_panneau = 2;

}  // namespace

TFormProg::TFormProg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      Panel1(new QFrame(this)),
      Label1(new QLabel(Panel1)),
      ProgressBar1(new QProgressBar(Panel1)) {
  setObjectName(QStringLiteral("FormProg"));
  setFixedSize(largeur, hauteur);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setGeometry(rect());
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont petite = Label1->font();
  petite.setPixelSize(pixels_texte);
  Label1->setFont(petite);
  Label1->move(position_texte);
  Label1->resize(largeur - position_texte.x() - bord_panneau, rect_barre.top() - position_texte.y());
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setGeometry(rect_barre);
  ProgressBar1->setRange(0, maximum_barre);
  ProgressBar1->setTextVisible(false);
}

void TFormProg::reject() {
  if (fermeture_demandee) QDialog::reject();
}

void TFormProg::closeEvent(QCloseEvent* evenement) {
  if (!fermeture_demandee) {
    evenement->ignore();
    return;
  }
  QDialog::closeEvent(evenement);
}
