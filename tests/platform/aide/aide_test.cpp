// The help viewer on a small help set written by the test.
#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>

#include "fichiers_temporaires.h"
#include "localisation/choix_langue.h"
#include "platform/aide/fenetre_aide.h"
#include "platform/aide/jeu_aide.h"
#include "platform/aide/visionneuse_aide.h"
#include "platform/aide_contextuelle_qt.h"

namespace {

namespace fs = std::filesystem;

void ecrire(const fs::path& chemin, const std::string& texte) { std::ofstream(chemin, std::ios::binary) << texte; }

class Aide : public testing::Test {
 protected:
  void SetUp() override {
    choisir_langue(0);
    racine_ = dossier_temporaire("aide");
    ecrire(racine_ / "sommaire.json",
           R"([{"titre": "Accueil", "page": "accueil.html", "contextes": [1411],
                "enfants": [{"titre": "Calculs", "page": "calculs.html", "contextes": [20]},
                            {"titre": "Perdue", "page": "absente.html", "contextes": [30]}]},
               {"titre": "Graphiques", "page": "graphiques.html"}])");
    ecrire(racine_ / "accueil.html", "<html><head><title>A</title></head><body>Bienvenue</body></html>");
    ecrire(racine_ / "calculs.html", "<p>Une <b>int\xC3\xA9grale</b> se calcule</p>");
    ecrire(racine_ / "graphiques.html", "<p>INTEGRALE sous la courbe</p>");
    dossier_ = QString::fromStdString(racine_.string());
  }
  void TearDown() override {
    delete FenetreAide::existante();
    fs::remove_all(racine_);
    choisir_langue(0);
  }
  QString page(const char* nom) const { return QString::fromStdString((racine_ / nom).string()); }

  fs::path racine_;
  QString dossier_;
};

TEST_F(Aide, HelpSetAnswersContextsAndSearches) {
  const JeuAide jeu = JeuAide::charger(dossier_);
  ASSERT_TRUE(jeu.valide());
  EXPECT_EQ(jeu.page_de_contexte(1411), page("accueil.html"));
  EXPECT_EQ(jeu.page_de_contexte(20), page("calculs.html"));
  EXPECT_EQ(jeu.page_de_contexte(30), "");  // listed, but its page is missing
  EXPECT_EQ(jeu.page_de_contexte(9999), "");
  const auto trouves = jeu.rechercher(QStringLiteral("integrale"));
  ASSERT_EQ(trouves.size(), 2u);
  EXPECT_EQ(trouves[0].titre, "Calculs");  // contents order, accents and case ignored
  EXPECT_EQ(trouves[1].titre, "Graphiques");
  EXPECT_TRUE(jeu.rechercher(QStringLiteral("<b>")).empty());  // the visible text only
  EXPECT_FALSE(JeuAide::charger(dossier_ + "/absent").valide());
}

TEST_F(Aide, OneWindowServesEveryRequest) {
  FenetreAide& fenetre = FenetreAide::instance();
  fenetre.afficher_sommaire(dossier_);
  EXPECT_TRUE(fenetre.isVisible());
  EXPECT_EQ(fenetre.onglets()->currentIndex(), FenetreAide::onglet_sommaire);
  EXPECT_EQ(fenetre.page_affichee(), page("accueil.html"));
  EXPECT_EQ(fenetre.arbre()->topLevelItemCount(), 2);

  fenetre.afficher_contexte(dossier_, 20);
  EXPECT_EQ(fenetre.page_affichee(), page("calculs.html"));
  EXPECT_TRUE(fenetre.bouton_precedent()->isEnabled());
  fenetre.bouton_precedent()->click();
  EXPECT_EQ(fenetre.page_affichee(), page("accueil.html"));

  for (const int sans_page : {9999, 30}) {
    fenetre.afficher_contexte(dossier_, sans_page);
    EXPECT_TRUE(fenetre.navigateur()->toPlainText().contains(QStringLiteral("Aucune aide"))) << sans_page;
  }
  FenetreAide::instance().afficher_contexte(dossier_ + "/absent", 1411);  // no help set at all
  EXPECT_TRUE(fenetre.navigateur()->toPlainText().contains(QStringLiteral("Aucune aide")));
  EXPECT_EQ(&FenetreAide::instance(), &fenetre);
}

TEST_F(Aide, SearchTab) {
  FenetreAide& fenetre = FenetreAide::instance();
  fenetre.afficher_recherche(dossier_, QString(), true);
  EXPECT_EQ(fenetre.onglets()->currentIndex(), FenetreAide::onglet_recherche);
  EXPECT_TRUE(fenetre.champ_recherche()->text().isEmpty());
  EXPECT_EQ(fenetre.resultats()->count(), 0);

  fenetre.afficher_recherche(dossier_, QStringLiteral("Int\u00e9grale"), true);
  ASSERT_EQ(fenetre.resultats()->count(), 2);
  fenetre.resultats()->itemClicked(fenetre.resultats()->item(1));
  EXPECT_EQ(fenetre.page_affichee(), page("graphiques.html"));
}

TEST_F(Aide, CaptionsFollowTheLanguage) {
  FenetreAide& fenetre = FenetreAide::instance();
  fenetre.afficher_sommaire(dossier_);
  EXPECT_EQ(fenetre.onglets()->tabText(FenetreAide::onglet_sommaire), "Sommaire");
  choisir_langue(1);
  fenetre.afficher_contexte(dossier_, 9999);
  EXPECT_EQ(fenetre.onglets()->tabText(FenetreAide::onglet_sommaire), "Contents");
  EXPECT_EQ(fenetre.onglets()->tabText(FenetreAide::onglet_recherche), "Search");
  EXPECT_TRUE(fenetre.navigateur()->toPlainText().contains(QStringLiteral("No help")));
}

// Help asked with F1 from inside a modal dialog must not be blocked by it:
// a click through the window system reaches the contents tree.
TEST_F(Aide, WindowTakesClicksBesideAModalDialog) {
  installer_visionneuse_aide();
  const std::string fichier = racine_.string() + ".chm";
  installer_crochet_aide([&](int commande, std::intptr_t donnees) {
    HtmlHelp(fichier, commande == HELP_CONTENTS ? HH_DISPLAY_TOC : HH_HELP_CONTEXT, donnees);
    return true;
  });
  QDialog dialogue;
  dialogue.setModal(true);
  auto* champ = new QLineEdit(&dialogue);
  dialogue.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialogue));
  champ->setFocus();
  QTest::keyClick(dialogue.windowHandle(), Qt::Key_F1);
  retirer_crochet_aide();
  installer_recepteur_aide(nullptr);
  ASSERT_NE(FenetreAide::existante(), nullptr);
  FenetreAide& fenetre = FenetreAide::instance();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
  EXPECT_EQ(fenetre.page_affichee(), page("accueil.html"));  // no context in the dialog: the contents
  QTreeWidgetItem* graphiques = fenetre.arbre()->topLevelItem(1);
  const QPoint dans_arbre = fenetre.arbre()->visualItemRect(graphiques).center();
  const QPoint dans_fenetre = fenetre.arbre()->viewport()->mapTo(&fenetre, dans_arbre);
  QTest::mouseClick(fenetre.windowHandle(), Qt::LeftButton, {}, dans_fenetre);
  EXPECT_EQ(fenetre.page_affichee(), page("graphiques.html"));
  dialogue.close();
}

// The program's requests, through the receiver the program installs.
TEST_F(Aide, RequestsReachTheViewer) {
  installer_visionneuse_aide();
  const std::string fichier = racine_.string() + ".chm";
  HtmlHelp(fichier, HH_DISPLAY_TOC, 0);
  FenetreAide* fenetre = FenetreAide::existante();
  ASSERT_NE(fenetre, nullptr);
  EXPECT_EQ(fenetre->page_affichee(), page("accueil.html"));
  HH_FTS_QUERY requete;
  requete.cbStruct = taille_hh_fts_query;
  requete.iProximity = proximite_quelconque;
  requete.fExecute = true;
  HtmlHelp(fichier, HH_DISPLAY_SEARCH, reinterpret_cast<std::intptr_t>(&requete));
  EXPECT_EQ(fenetre->onglets()->currentIndex(), FenetreAide::onglet_recherche);
  EXPECT_TRUE(fenetre->champ_recherche()->text().isEmpty());
  EXPECT_EQ(fenetre->focusWidget(), fenetre->champ_recherche());
  HtmlHelp(fichier, HH_HELP_CONTEXT, 1411);
  EXPECT_EQ(fenetre->page_affichee(), page("accueil.html"));
  HtmlHelp(fichier, HH_HELP_CONTEXT, 9999);
  EXPECT_TRUE(fenetre->navigateur()->toPlainText().contains(QStringLiteral("Aucune aide")));
  const char mot[] = "integrale";
  HtmlHelp(fichier, HH_KEYWORD_LOOKUP, reinterpret_cast<std::intptr_t>(mot));
  EXPECT_EQ(fenetre->resultats()->count(), 2);
  EXPECT_EQ(FenetreAide::existante(), fenetre);
  installer_recepteur_aide(nullptr);
}

// F1 asks for the first context up the chain, within the control's window;
// with none, the contents.
TEST(F1, ContextWithinTheWindowElseContents) {
  std::vector<std::pair<int, std::intptr_t>> demandes;
  installer_crochet_aide([&](int commande, std::intptr_t donnees) {
    demandes.emplace_back(commande, donnees);
    return true;
  });
  QWidget principale;
  definir_contexte_aide(&principale, 1411);
  QWidget cadre(&principale);
  definir_contexte_aide(&cadre, 1234);
  QWidget enfant(&cadre);
  QDialog dialogue(&principale);
  QWidget dans_dialogue(&dialogue);
  EXPECT_TRUE(demander_aide(&enfant));
  EXPECT_TRUE(demander_aide(&principale));
  EXPECT_TRUE(demander_aide(&dans_dialogue));
  const std::vector<std::pair<int, std::intptr_t>> attendues = {
      {HELP_CONTEXT, 1234}, {HELP_CONTEXT, 1411}, {HELP_CONTENTS, 0}};
  EXPECT_EQ(demandes, attendues);
  retirer_crochet_aide();
  EXPECT_FALSE(demander_aide(&enfant));
}

}  // namespace

namespace {

// The help sets the program ships, in both languages.
QString dossier_livre(const char* langue) {
  return QString::fromUtf8(PRALINORE_DONNEES) + QStringLiteral("/parametres/") + QString::fromUtf8(langue) +
         QStringLiteral("/Pralinore");
}

// The tree as pages and context numbers only: the titles are translated.
QStringList forme(const std::vector<EntreeSommaire>& entrees) {
  QStringList lignes;
  for (const auto& e : entrees) {
    QString ligne = e.page;
    for (const int c : e.contextes) ligne += QStringLiteral(" ") + QString::number(c);
    lignes << ligne << QStringLiteral("(") << forme(e.enfants) << QStringLiteral(")");
  }
  return lignes;
}

QStringList pages(const std::vector<EntreeSommaire>& entrees) {
  QStringList liste;
  for (const auto& e : entrees) liste << e.page << pages(e.enfants);
  return liste;
}

TEST(JeuxLivres, BothLanguagesShareOneCompleteTree) {
  const JeuAide francais = JeuAide::charger(dossier_livre("Fran\xC3\xA7" "ais"));
  const JeuAide anglais = JeuAide::charger(dossier_livre("English"));
  ASSERT_TRUE(francais.valide());
  ASSERT_TRUE(anglais.valide());
  EXPECT_EQ(forme(francais.sommaire()), forme(anglais.sommaire()));
  EXPECT_EQ(QFileInfo(francais.page_de_contexte(1411)).fileName(), "accueil.html");
  const QStringList attendues = {"accueil.html", "exercices.html", "calculs.html", "graphiques.html",
                                 "editeur.html", "compte.html", "options.html", "editeur_formule.html",
                                 "courbe.html", "tangente_integrale.html", "nouvel_objet.html",
                                 "configuration.html", "a_propos.html"};
  for (const auto& jeu : {francais, anglais}) {
    const QStringList listees = pages(jeu.sommaire());
    for (const auto& page : attendues) EXPECT_TRUE(listees.contains(page)) << page.toStdString();
    const QStringList fichiers = QDir(jeu.dossier()).entryList({QStringLiteral("*.html")}, QDir::Files);
    for (const auto& fichier : fichiers) {
      EXPECT_TRUE(listees.contains(fichier)) << "not in the contents: " << fichier.toStdString();
      QFile f(QDir(jeu.dossier()).filePath(fichier));
      ASSERT_TRUE(f.open(QIODevice::ReadOnly));
      const QByteArray octets = f.readAll();
      QStringDecoder decodeur(QStringDecoder::Utf8);
      const QString texte = decodeur(octets);
      EXPECT_FALSE(decodeur.hasError()) << fichier.toStdString();
      const auto titre = QRegularExpression(QStringLiteral("<title>([^<]+)</title>")).match(texte);
      EXPECT_TRUE(titre.hasMatch()) << fichier.toStdString();
      for (auto liens = QRegularExpression(QStringLiteral("href=\"([^\"#]+)")).globalMatch(texte); liens.hasNext();) {
        const QString cible = liens.next().captured(1);
        EXPECT_FALSE(jeu.chemin_page(cible).isEmpty()) << fichier.toStdString() << " -> " << cible.toStdString();
      }
    }
    for (const auto& page : listees) EXPECT_FALSE(jeu.chemin_page(page).isEmpty()) << page.toStdString();
  }
}

}  // namespace

namespace {

// Pictures of the viewer on the shipped pages, for the eye.
TEST(Captures, ShippedPagesInBothLanguages) {
  const QString captures = QString::fromUtf8(PRALINORE_CAPTURES);
  QDir().mkpath(captures);
  choisir_langue(0);
  FenetreAide& fenetre = FenetreAide::instance();
  fenetre.afficher_sommaire(dossier_livre("Fran\xC3\xA7" "ais"));
  const auto calculs = fenetre.arbre()->findItems(QStringLiteral("Le module Calculs"), Qt::MatchRecursive);
  ASSERT_EQ(calculs.size(), 1);
  fenetre.arbre()->setCurrentItem(calculs.front());
  fenetre.arbre()->itemClicked(calculs.front(), 0);
  EXPECT_TRUE(fenetre.page_affichee().endsWith(QStringLiteral("calculs.html")));
  EXPECT_TRUE(fenetre.grab().save(captures + QStringLiteral("/aide_fr_calculs.png")));

  choisir_langue(1);
  fenetre.afficher_recherche(dossier_livre("English"), QStringLiteral("derivative"), true);
  ASSERT_GE(fenetre.resultats()->count(), 1);
  fenetre.resultats()->itemClicked(fenetre.resultats()->item(0));
  EXPECT_TRUE(fenetre.grab().save(captures + QStringLiteral("/aide_en_recherche.png")));
  delete &fenetre;
  choisir_langue(0);
}

}  // namespace
