#pragma once

#include <QString>

class QApplication;

namespace zova {

// The program's style sheet, as shipped inside the library; empty if the resource is missing.
QString zovaStyleSheet();

// The office look for every window: Fusion style, light grey windows, navy highlight, 9 pt
// type, and the style sheet (maroon title bands and grid titles, navy captions, visible focus).
// Returns false when the style sheet could not be read (the program still runs, plainer).
bool applyZovaStyle(QApplication& app);

} // namespace zova
