#pragma once
// Qt's own texts (the standard buttons of the message boxes, the file
// dialog) in the interface language, from the translations Qt ships.

// 1 English, as Qt speaks by itself; any other index French. Without
// QApplication, or without Qt's French file, nothing changes.
void traduire_textes_qt(int langue);
