// Help requests reach the installed receiver, the search record copied.
#include "platform/systeme/aide_html.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(AideHtml, RequestsGoToTheInstalledReceiverAndNowhereWithoutOne) {
  HtmlHelp("aide.chm", HH_DISPLAY_TOC, 0);  // nobody listens: nothing happens
  std::vector<DemandeAide> recues;
  const RecepteurAide aucun = installer_recepteur_aide([&](const DemandeAide& d) { recues.push_back(d); });
  EXPECT_FALSE(aucun);
  HH_FTS_QUERY requete;
  requete.cbStruct = taille_hh_fts_query;
  requete.pszSearchQuery = "pente";
  HtmlHelp("aide.chm", HH_DISPLAY_SEARCH, reinterpret_cast<std::intptr_t>(&requete));
  requete.pszSearchQuery.clear();
  HtmlHelp("aide.chm", HH_DISPLAY_SEARCH, 0);
  HtmlHelp("aide.chm", HH_HELP_CONTEXT, 1411);
  EXPECT_TRUE(installer_recepteur_aide(nullptr));
  HtmlHelp("aide.chm", HH_DISPLAY_TOC, 0);

  ASSERT_EQ(recues.size(), 3u);
  ASSERT_TRUE(recues[0].recherche.has_value());
  EXPECT_EQ(recues[0].recherche->pszSearchQuery, "pente");
  EXPECT_EQ(recues[0].recherche->cbStruct, taille_hh_fts_query);
  EXPECT_FALSE(recues[1].recherche.has_value());
  EXPECT_EQ(recues[2].fichier, "aide.chm");
  EXPECT_EQ(recues[2].commande, HH_HELP_CONTEXT);
  EXPECT_EQ(recues[2].donnees, 1411);
  EXPECT_FALSE(recues[2].recherche.has_value());
}

}  // namespace
