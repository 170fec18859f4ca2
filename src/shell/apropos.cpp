#include "shell/apropos.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "components/controles/JvGradientCaption.h"
#include "platform/couleur_qt.h"
#include "platform/texte_qt.h"
#include "shell/composants.h"
#include "shell/adresses_internet.h"
#include "shell/version.h"
#include "shell/vorel.h"
#include "shell/vorel_internet.h"

TFapropos* Fapropos = nullptr;

namespace {

constexpr int pixels_titre = 19;

}  // namespace

TFapropos::TFapropos(QWidget* parent) : QDialog(parent) {
  Fabrique f("TFapropos");
  f.titrer(this);
  auto* disposition = new QVBoxLayout(this);
  JvGradientCaption1 = f.barre_titre(this, "JvGradientCaption1", pixels_titre);
  JvGradientCaption1->SetGradientStyle(TGradStyle::grHorizontal);
  JvGradientCaption1->SetGradientStartColor(couleur_bleu_ciel);
  Label1 = f.etiquette(this, "Label1");
  OKButton = f.bouton(this, "OKButton");
  disposition->addWidget(JvGradientCaption1);
  disposition->addWidget(Label1);
  disposition->addWidget(OKButton);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  Label1->setTextFormat(Qt::RichText);
  Label1->setOpenExternalLinks(false);
  connect(Label1, &QLabel::linkActivated, this, [this] { Label1Click(); });
  FormCreate();
}

void TFapropos::FormCreate() {
  JvGradientCaption1->setText(depuis_1252("PRALINORE   v " + version_programme()));
  const QString adresse = depuis_1252(adresse_serveur(serveur_internet(), "/")).toHtmlEscaped();
  Label1->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(adresse));
}

void TFapropos::Label1Click() {
  if (Fvorel != nullptr) Fvorel->Apage_accueilExecute();
}
