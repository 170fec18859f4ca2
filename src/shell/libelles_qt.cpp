#include "shell/libelles_qt.h"

#include "localisation/libelles_fenetres.h"
#include "platform/texte_qt.h"
#include "shell/composants.h"

namespace {

QWidget* fenetre_nommee(const std::vector<QWidget*>& fenetres, const std::string& nom) {
  for (QWidget* f : fenetres) {
    if (f != nullptr && f->objectName() == QString::fromStdString(nom)) return f;
  }
  return nullptr;
}

}  // namespace

void appliquer_libelles(int langue, const std::vector<QWidget*>& fenetres) {
  for (const LibelleFenetre& l : libelles_fenetres()) {
    QWidget* fenetre = fenetre_nommee(fenetres, l.fenetre);
    if (fenetre == nullptr) continue;
    QObject* composant =
        l.composant == "-" ? fenetre : fenetre->findChild<QObject*>(QString::fromStdString(l.composant));
    if (composant == nullptr) continue;
    const std::string& texte = libelle_en_langue(l, langue);
    const QString libelle = texte.empty() ? libelle_de_conception(composant) : depuis_1252(texte);
    if (!libelle.isEmpty()) definir_libelle(composant, libelle);
  }
}
