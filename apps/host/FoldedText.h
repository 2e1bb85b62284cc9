#pragma once

#include <QString>

namespace host {

// The text as a search compares it: accents dropped and case folded, so that "etienne"
// finds "ÉTIENNE" and "ecluses" finds "Écluses". Letters without a decomposition (œ, ß)
// are only case folded.
QString FoldedText(const QString& text);

}  // namespace host
