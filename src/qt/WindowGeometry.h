#pragma once

#include "basis/Export.h"

#include <QString>

class QWidget;

namespace qtui {

// A window's size and position kept between runs in the settings of the user
// (organisation and application "Delvaro"), under "fenetres/NAME". UI thread only.

// Puts the window where it was last left; a window never remembered keeps its size.
DELVARO_EXPORT void RestoreGeometry(QWidget& window, const QString& name);
// Remembers where the window is now.
DELVARO_EXPORT void RememberGeometry(const QWidget& window, const QString& name);

}  // namespace qtui
