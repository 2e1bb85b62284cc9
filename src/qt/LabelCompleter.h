#pragma once

#include <QObject>

#include "forms/ComboBox.h"
#include "qt/ActionRunner.h"
#include "qt/LabelCompletion.h"

class QComboBox;
class QCompleter;
class QStandardItemModel;

namespace qtui {

// Offers, under a label list's text as the person types it, the entries that complete
// it (LabelCompletion). Accepting one is choosing that entry from the list: the same
// pick, with the same reactions, as the list's own drop-down.
class LabelCompleter : public QObject {
 public:
  // The combo must be editable; the completer lives as long as it.
  LabelCompleter(forms::ComboBox& model, QComboBox& combo, ActionRunner& runner);

  QCompleter& Completer() const { return *completer_; }

 private:
  // Proposes the completions of the text typed, or hides them when there are none.
  void Propose(const QString& typed);
  void Accept(int entry);

  forms::ComboBox& model_;
  ActionRunner& runner_;
  LabelCompletion completion_;
  QStandardItemModel* proposals_;
  QCompleter* completer_;
};

}  // namespace qtui
