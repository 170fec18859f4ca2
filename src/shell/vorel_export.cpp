// Export and print: the picture of the page shown saved as BMP or PNG, the
// chart printed.
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

#include <optional>
#include <string_view>

#include "localisation/catalogue.h"
#include "localisation/messages.h"
#include "platform/chart/chart.h"
#include "platform/image_hote.h"
#include "platform/image_png.h"
#include "platform/ini/fichier_disque.h"
#include "platform/texte_qt.h"
#include "shell/vorel.h"

namespace {

constexpr const char* filtre_export =
    "Format bitmap (*.bmp)|*.bmp|Format PNG (Portable Network Graphics)  (*.png)|*.png";
constexpr int filtre_png = 2;

// Encoded whole first, then written by the program's atomic write, which
// replaces the target only once every write, the flush to the disk and the
// rename succeeded (a save file would rename a picture whose buffered end
// could not be written on a full disk).
bool enregistrer_bmp(const QImage& image, const QString& chemin) {
  QByteArray octets;
  QBuffer tampon(&octets);
  if (!tampon.open(QIODevice::WriteOnly) || !image.save(&tampon, "BMP")) return false;
  return remplacer_fichier(QFile::encodeName(chemin).toStdString(),
                           std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())));
}

}  // namespace

QImage TFvorel::image_a_exporter() {
  const QWidget* page = page_active();
  if (page == TabSheet1) return Image1->bitmap();
  if (page == TabSheet2) return Image3->bitmap();
  if (page == TabSheet3) return Chart1->image_sur_fond_blanc();
  return {};
}

void TFvorel::Enregistrer1Click() {
  DemandeFichier demande;
  demande.filtre = filtre_export;
  demande.indice_filtre = filtre_png;
  demande.enregistrer = true;
  const std::optional<FichierChoisi> choix = choisir_fichier(demande);
  if (!choix) return;
  QString chemin = depuis_1252(choix->chemin);
  QString extension = QLatin1Char('.') + QFileInfo(chemin).suffix().toLower();
  if (extension != QLatin1String(".bmp") && extension != QLatin1String(".png")) {
    extension = choix->indice_filtre == filtre_png ? QStringLiteral(".png") : QStringLiteral(".bmp");
    chemin += extension;
  }
  const QImage image = image_a_exporter();
  if (image.isNull()) return;
  const bool enregistree =
      extension == QLatin1String(".bmp") ? enregistrer_bmp(image, chemin) : enregistrer_png(image, chemin);
  if (!enregistree) affiche_message(catalogue_textes.txt_image_pas_enregistree);
}

void TFvorel::Imprimer1Click() {
  if (page_active() != TabSheet3) return;
  if (imprimante_choisie) {
    if (QPrinter* imprimante = imprimante_choisie(); imprimante == nullptr || !Chart1->Print(*imprimante)) {
      affiche_message(catalogue_textes.txt_aucune_imprimante);
    }
    return;
  }
  if (QPrinterInfo::defaultPrinter().isNull()) {
    affiche_message(catalogue_textes.txt_aucune_imprimante);
    return;
  }
  QPrinter imprimante;
  if (!Chart1->Print(imprimante)) affiche_message(catalogue_textes.txt_aucune_imprimante);
}

