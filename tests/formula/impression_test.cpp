// Printing: pages cut between lines at the printable height, the screen
// layout given back afterwards, and a message when there is no printer.
#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <fstream>
#include <regex>
#include <sstream>

#include "formula/page_de_test.h"
#include "localisation/catalogue.h"
#include "localisation/messagerie_enregistreuse.h"

namespace {

struct Pdf {
  QTemporaryDir dossier;
  QPrinter imprimante{QPrinter::HighResolution};
  Pdf() {
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(dossier.filePath("page.pdf"));
    imprimante.setPageSize(QPageSize(QPageSize::A4));
  }
  int pages() {
    std::ifstream f(dossier.filePath("page.pdf").toStdString(), std::ios::binary);
    std::stringstream contenu;
    contenu << f.rdbuf();
    const std::string texte = contenu.str();
    std::smatch m;
    if (!std::regex_search(texte, m, std::regex("/Count ([0-9]+)"))) return -1;
    return std::stoi(m[1]);
  }
  int hauteur_imprimable() { return imprimante.pageLayout().paintRectPixels(96).height(); }
};

std::vector<std::array<int, 4>> boites(Tformule& f) {
  std::vector<std::array<int, 4>> b;
  for (const auto& l : f.lignes) b.push_back({l->gauche, l->haut, l->droite, l->bas});
  return b;
}

TEST(Impression, AShortPageFitsOnePage) {
  PageDeTest page("un<BR>deux<BR>trois<BR>quatre<BR>cinq");
  page->afficher();
  Pdf pdf;
  page->imprimer(&pdf.imprimante);
  EXPECT_EQ(pdf.pages(), 1);
}

TEST(Impression, LongPagesGoOnToNewPagesBetweenLinesAndTheScreenLayoutComesBack) {
  std::string source;
  for (int k = 1; k <= 300; ++k) source += (k > 1 ? "<BR>ligne " : "ligne ") + std::to_string(k);
  PageDeTest page(source, 300);
  page->afficher();
  ASSERT_EQ(page.nombre_lignes(), 300u);
  const auto avant = boites(*page);
  const int largeur = page.image.largeur();
  const int h = page.ligne(0).bas - page.ligne(0).haut;

  Pdf pdf;
  page->imprimer(&pdf.imprimante);
  const int par_page = pdf.hauteur_imprimable() / h;
  EXPECT_EQ(pdf.pages(), (300 + par_page - 1) / par_page);
  EXPECT_EQ(boites(*page), avant);
  EXPECT_EQ(page.image.largeur(), largeur);
  EXPECT_FALSE(page.image.bitmap().isNull());
}

TEST(Impression, TheLayoutTakesThePrintableWidth) {
  // Forty words: on a 300-pixel screen several lines, on A4 fewer.
  std::string source;
  for (int k = 0; k < 40; ++k) source += "mot ";
  PageDeTest page(source, 300);
  const std::size_t lignes_ecran = page.nombre_lignes();
  Pdf pdf;
  page->imprimer(&pdf.imprimante);
  EXPECT_EQ(pdf.pages(), 1);
  EXPECT_EQ(page.nombre_lignes(), lignes_ecran);
  EXPECT_GT(pdf.imprimante.pageLayout().paintRectPixels(96).width(), 600);
}

TEST(Impression, WithoutAnyPrinterTheUserIsTold) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "this machine has a printer";
  for (const int langue : {0, 1}) {
    remplir_textes(langue);
    MessagerieDeTest messages;
    PageDeTest page("texte");
    page->imprimer();
    ASSERT_EQ(messages->journal.size(), 1u);
    EXPECT_EQ(messages->journal[0].texte,
              langue == 0 ? "Aucune imprimante n'est install\xE9" "e." : "No printer is installed.");
  }
  remplir_textes(0);
}

}  // namespace
