#pragma once

#include <QList>
#include <functional>
#include <string>

class QWidget;

namespace tess {

class Launcher;

// The skin: "x/o.cjs" in `programFolder`, a Qt style sheet. When the file is
// there, the window and those of its `controls` that are check boxes, option
// buttons, frames or labels take the button-face colour, then the style sheet
// is applied to the window. Without the file nothing changes. Throws
// tess::Error when the file is there but cannot be read.
void ApplySkin(QWidget& window, const QList<QWidget*>& controls, const std::string& programFolder);

// Opens the vendor's home page when `draw` (a whole number from 1 to 100)
// comes out as 7: on one start in a hundred.
void OpenHomePageAtRandom(Launcher& launcher, const std::function<int()>& draw);

// The draw of OpenHomePageAtRandom: a generator seeded with the time of day.
int DrawHomePageNumber();

}  // namespace tess
