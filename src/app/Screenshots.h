#pragma once

#include <QString>

namespace korvani::app {

// Renders every page of the main window (with a sample naming run, analysis and birth chart filled
// in) and the program's windows to PNG files in `directory`. Returns the number of files written.
int RenderScreenshots(const QString& directory);

} // namespace korvani::app
