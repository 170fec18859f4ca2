#include "platform/ini/fichier_ini.h"

#include "localisation/nombres.h"

#include <cmath>
#include <optional>
#include <utility>

Tfichier_ini::Tfichier_ini(std::string chemin) : chemin_(std::move(chemin)) {}

Tfichier_ini::~Tfichier_ini() {
  if (profondeur_lot_ == 0) return;
  profondeur_lot_ = 1;
  terminer_lot();
}

// Every read asks the disk for the file's print (one stat), so another
// object's write is seen; the file itself is read again only when needed.
const Ttexte_ini& Tfichier_ini::texte() const {
  if (profondeur_lot_ > 0 && charge_) return texte_;
  if (!charge_ || !lisible_ || numero_remplacement(chemin_) != numero_ ||
      !cache_fiable(empreinte_, empreinte_fichier(chemin_))) {
    charger();
  }
  return texte_;
}

// The number is taken first: a replacement during the read makes the next
// read look again.
void Tfichier_ini::charger() const {
  numero_ = numero_remplacement(chemin_);
  Tlecture_fichier lecture = lire_fichier(chemin_);
  lisible_ = lecture.etat != Tetat_lecture::illisible;
  texte_ = Ttexte_ini(lecture.octets);
  empreinte_ = lecture.empreinte;
  charge_ = true;
}

bool Tfichier_ini::modifier(const std::function<bool(Ttexte_ini&)>& edition) {
  texte();
  if (!lisible_) return false;
  if (!edition(texte_)) return true;
  if (profondeur_lot_ > 0) {
    lot_modifie_ = true;
    return true;
  }
  return enregistrer();
}

// After a success the text in memory is the file's, under the print of the
// file written. After a failure the file holds the old text, which memory no
// longer does: the next read goes to the disk.
bool Tfichier_ini::enregistrer() {
  const std::uint64_t avant = numero_remplacement(chemin_);
  Tempreinte_fichier ecrite;
  const bool reussi = remplacer_fichier(chemin_, texte_.en_octets(), crochet_, &ecrite);
  const std::uint64_t apres = numero_remplacement(chemin_);
  // Another writer in between, or no print: the disk decides.
  charge_ = reussi && ecrite.existe && apres == avant + 1;
  empreinte_ = ecrite;
  numero_ = apres;
  return reussi;
}

std::string Tfichier_ini::lire_texte(std::string_view section, std::string_view cle, std::string_view defaut) const {
  std::optional<std::string> valeur = texte().valeur(section, cle);
  return valeur ? std::move(*valeur) : std::string(defaut);
}

bool Tfichier_ini::ecrire_texte(std::string_view section, std::string_view cle, std::string_view valeur) {
  if (!nom_section_ecrivable(section) || !nom_cle_ecrivable(cle)) return false;
  return modifier([&](Ttexte_ini& texte) { return texte.ecrire(section, cle, valeur); });
}

std::int32_t Tfichier_ini::lire_entier(std::string_view section, std::string_view cle, std::int32_t defaut) const {
  return lire_entier32(lire_texte(section, cle)).value_or(defaut);
}

bool Tfichier_ini::ecrire_entier(std::string_view section, std::string_view cle, std::int32_t valeur) {
  return ecrire_texte(section, cle, texte_entier(valeur));
}

bool Tfichier_ini::lire_booleen(std::string_view section, std::string_view cle, bool defaut) const {
  return lire_texte_booleen(lire_texte(section, cle)).value_or(defaut);
}

bool Tfichier_ini::ecrire_booleen(std::string_view section, std::string_view cle, bool valeur) {
  return ecrire_texte(section, cle, valeur ? "1" : "0");
}

double Tfichier_ini::lire_reel(std::string_view section, std::string_view cle, double defaut) const {
  return lire_nombre(lire_texte(section, cle)).value_or(defaut);
}

bool Tfichier_ini::ecrire_reel(std::string_view section, std::string_view cle, double valeur) {
  if (!std::isfinite(valeur)) return false;
  return ecrire_texte(section, cle, texte_nombre(valeur));
}

Tdate_ini Tfichier_ini::lire_date(std::string_view section, std::string_view cle, Tdate_ini defaut) const {
  return lire_texte_date(lire_texte(section, cle)).value_or(defaut);
}

bool Tfichier_ini::ecrire_date(std::string_view section, std::string_view cle, const Tdate_ini& valeur) {
  if (!date_valide(valeur)) return false;
  return ecrire_texte(section, cle, texte_date(valeur));
}

bool Tfichier_ini::section_existe(std::string_view section) const { return texte().section_existe(section); }

bool Tfichier_ini::cle_existe(std::string_view section, std::string_view cle) const {
  return texte().valeur(section, cle).has_value();
}

std::vector<std::string> Tfichier_ini::cles_section(std::string_view section) const {
  return texte().cles(section);
}

std::vector<std::string> Tfichier_ini::lignes_section(std::string_view section) const {
  return texte().lignes_cles(section);
}

std::vector<Tentree_ini> Tfichier_ini::entrees_section(std::string_view section) const {
  return texte().entrees(section);
}

bool Tfichier_ini::effacer_section(std::string_view section) {
  return modifier([&](Ttexte_ini& texte) { return texte.effacer_section(section); });
}

bool Tfichier_ini::supprimer_cle(std::string_view section, std::string_view cle) {
  return modifier([&](Ttexte_ini& texte) { return texte.supprimer_cle(section, cle); });
}

bool Tfichier_ini::remplacer_section(std::string_view section, const std::vector<Tentree_ini>& entrees,
                                     const Ttexte_ini::Tfiltre_entrees& propre) {
  if (!nom_section_ecrivable(section)) return false;
  for (const Tentree_ini& entree : entrees) {
    if (!nom_cle_ecrivable(entree.cle)) return false;
  }
  return modifier([&](Ttexte_ini& texte) { return texte.remplacer_entrees(section, entrees, propre); });
}

// The batch starts from the file as it is now and keeps that text in memory.
void Tfichier_ini::demarrer_lot() {
  if (profondeur_lot_ == 0) {
    lot_modifie_ = false;
    texte();
  }
  ++profondeur_lot_;
}

bool Tfichier_ini::terminer_lot() {
  if (profondeur_lot_ == 0 || --profondeur_lot_ > 0) return true;
  if (!lot_modifie_) return true;
  lot_modifie_ = false;
  return enregistrer();
}

bool Tlot_ini::terminer() {
  if (!ouvert_) return true;
  ouvert_ = false;
  return fichier_.terminer_lot();
}
