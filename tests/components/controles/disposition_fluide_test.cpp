#include "components/controles/disposition_fluide.h"

#include <gtest/gtest.h>

#include <QPushButton>

namespace {

TEST(DispositionFluide, ControlsWrapAtTheirPreferredWidth) {
  QWidget barre;
  auto* disposition = new DispositionFluide(&barre, 2);
  disposition->setContentsMargins(0, 0, 0, 0);
  std::vector<QPushButton*> boutons;
  for (int i = 0; i < 3; ++i) {
    boutons.push_back(new QPushButton(&barre));
    boutons.back()->setFixedSize(100, 20);
    disposition->addWidget(boutons.back());
  }
  EXPECT_EQ(disposition->sizeHint(), QSize(304, 20));
  EXPECT_EQ(disposition->heightForWidth(304), 20);
  EXPECT_EQ(disposition->heightForWidth(303), 42);
  EXPECT_EQ(disposition->heightForWidth(100), 64);
  disposition->setGeometry(QRect(0, 0, 250, 42));
  EXPECT_EQ(boutons[1]->geometry(), QRect(102, 0, 100, 20));
  EXPECT_EQ(boutons[2]->geometry(), QRect(0, 22, 100, 20));
  boutons[1]->hide();  // hidden controls take no room
  EXPECT_EQ(disposition->heightForWidth(250), 20);
  EXPECT_EQ(disposition->minimumSize(), QSize(100, 20));
  boutons[0]->setFixedSize(100, 30);  // a taller neighbour centres the others on its row
  disposition->setGeometry(QRect(0, 0, 250, 42));
  EXPECT_EQ(boutons[2]->geometry(), QRect(102, 5, 100, 20));
}

}  // namespace
