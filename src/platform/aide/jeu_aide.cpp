#include "platform/aide/jeu_aide.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextDocument>

#include <functional>
#include <set>

namespace {

constexpr const char* nom_sommaire = "sommaire.json";

EntreeSommaire lire_entree(const QJsonObject& objet) {
  EntreeSommaire entree;
  entree.titre = objet.value(QStringLiteral("titre")).toString();
  entree.page = objet.value(QStringLiteral("page")).toString();
  for (const auto& contexte : objet.value(QStringLiteral("contextes")).toArray()) {
    entree.contextes.push_back(contexte.toInt());
  }
  for (const auto& enfant : objet.value(QStringLiteral("enfants")).toArray()) {
    entree.enfants.push_back(lire_entree(enfant.toObject()));
  }
  return entree;
}

// Every entry in contents order: each one, then its children.
void parcourir(const std::vector<EntreeSommaire>& entrees, const std::function<bool(const EntreeSommaire&)>& visite) {
  std::function<bool(const std::vector<EntreeSommaire>&)> suite = [&](const std::vector<EntreeSommaire>& liste) {
    for (const auto& entree : liste) {
      if (!visite(entree) || !suite(entree.enfants)) return false;
    }
    return true;
  };
  suite(entrees);
}

QString lire_texte(const QString& chemin) {
  QFile fichier(chemin);
  if (!fichier.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(fichier.readAll());
}

}  // namespace

QString sans_casse_ni_accents(const QString& texte) {
  const QString decompose = texte.normalized(QString::NormalizationForm_D);
  QString resultat;
  resultat.reserve(decompose.size());
  for (const QChar c : decompose) {
    if (c.category() != QChar::Mark_NonSpacing) resultat.append(c);
  }
  return resultat.toCaseFolded();
}

QString texte_de_page(const QString& html) {
  QTextDocument document;
  document.setHtml(html);
  return document.toPlainText();
}

JeuAide JeuAide::charger(const QString& dossier) {
  JeuAide jeu;
  jeu.dossier_ = dossier;
  QFile fichier(QDir(dossier).filePath(QString::fromLatin1(nom_sommaire)));
  if (!fichier.open(QIODevice::ReadOnly)) return jeu;
  const QJsonDocument document = QJsonDocument::fromJson(fichier.readAll());
  for (const auto& entree : document.array()) jeu.sommaire_.push_back(lire_entree(entree.toObject()));
  return jeu;
}

QString JeuAide::chemin_page(const QString& page) const {
  if (page.isEmpty()) return {};
  const QFileInfo info(QDir(dossier_).filePath(page));
  return info.isFile() ? info.absoluteFilePath() : QString();
}

QString JeuAide::premiere_page() const { return sommaire_.empty() ? QString() : chemin_page(sommaire_.front().page); }

QString JeuAide::page_de_contexte(int contexte) const {
  QString trouvee;
  parcourir(sommaire_, [&](const EntreeSommaire& entree) {
    for (const int c : entree.contextes) {
      if (c == contexte) {
        trouvee = chemin_page(entree.page);
        return false;
      }
    }
    return true;
  });
  return trouvee;
}

std::vector<ResultatRecherche> JeuAide::rechercher(const QString& texte) const {
  std::vector<ResultatRecherche> resultats;
  const QString cherche = sans_casse_ni_accents(texte.trimmed());
  if (cherche.isEmpty()) return resultats;
  std::set<QString> vues;
  parcourir(sommaire_, [&](const EntreeSommaire& entree) {
    const QString chemin = chemin_page(entree.page);
    if (chemin.isEmpty() || !vues.insert(chemin).second) return true;
    if (sans_casse_ni_accents(texte_de_page(lire_texte(chemin))).contains(cherche)) {
      resultats.push_back({entree.titre, entree.page});
    }
    return true;
  });
  return resultats;
}
