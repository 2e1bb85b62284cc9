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
// folded once per call and collated once for as long as the completion lives.
class DELVARO_EXPORT LabelCompletion {
 public:
  // The positions in entries of the completions of typed; none for an empty text.
  std::vector<int> Complete(const QStringList& entries, const QString& typed);

 private:
  dba::FrenchCollation french_;
};

}  // namespace qtui
