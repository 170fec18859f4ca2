#pragma once
// The program: its windows, each created once and kept until the end, and
// the order in which they come up.

#include <QWidget>

#include <vector>

class Tprogramme {
 public:
  Tprogramme();
  // Frees the windows, last created first.
  ~Tprogramme();
  Tprogramme(const Tprogramme&) = delete;
  Tprogramme& operator=(const Tprogramme&) = delete;

  // Creates the main window and runs its start-up, then the other windows,
  // then shows the main window once, maximised. False, with no window
  // shown, when the installation is broken.
  bool demarrer();

  // The windows in their order of creation.
  const std::vector<QWidget*>& fenetres() const { return fenetres_; }

 private:
  void installer_crochets_langue();
  std::vector<QWidget*> fenetres_;
};
