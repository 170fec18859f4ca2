#pragma once
// The captions of a language applied to the program's windows: each window
// is found by its class name (its object name), each control by its
// component name.

#include <QWidget>

#include <vector>

// French captions left empty by the fill give the control back the caption
// it was designed with.
void appliquer_libelles(int langue, const std::vector<QWidget*>& fenetres);
