#pragma once

#include "basis/Export.h"

class QCoreApplication;

namespace qtui {

// Makes the texts Qt shows by itself (the menus of text fields, the help window, the
// standard buttons) French whatever the machine's language: Qt's own French translation
// when it is installed, else the French of the few texts these windows can show. Call
// once, after the application object exists and before the first window; the
// translator lives as long as the application. Message boxes name their buttons in
// French on their own.
DELVARO_EXPORT void InstallFrenchTexts(QCoreApplication& application);

}  // namespace qtui
