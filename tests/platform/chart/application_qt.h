#pragma once
// The one QApplication of a widget test program, made on first use and never
// destroyed (widgets of static objects may outlive main).

#include <QApplication>

inline QApplication& application_qt() {
  static int argc = 1;
  static char nom[] = "test_graphe";
  static char* argv[] = {nom, nullptr};
  static QApplication* application = new QApplication(argc, argv);
  return *application;
}
