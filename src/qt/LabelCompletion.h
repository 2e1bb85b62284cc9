#pragma once

#include "basis/Export.h"

#include <QString>
#include <QStringList>
#include <vector>

#include "dba/FrenchCollation.h"

namespace qtui {

// Which entries of a label list complete what the person typed: those that start with
// it, accents and case ignored ("eco" finds "Écoles"), in French order, entries with
// the same label in list order. Reading the entries costs one pass; the labels are
// folded once for each list they come in and collated once for as long as the
// completion lives.
class DELVARO_EXPORT LabelCompletion {
 public:
  // The positions in entries of the completions of typed; none for an empty text.
  std::vector<int> Complete(const QStringList& entries, const QString& typed);

 private:
  // Folding normalizes each label: a keystroke on an unchanged list reuses the last fold.
  QStringList entries_;
  std::vector<QString> folded_;
  dba::FrenchCollation french_;
};

}  // namespace qtui
