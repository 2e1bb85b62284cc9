#include "qt/ListBoxBinding.h"

#include <algorithm>

#include "qt/QtText.h"

namespace qtui {

ListBoxBinding::ListBoxBinding(forms::ListBox& model, QListWidget& list, ActionRunner& runner)
    : WidgetBinding(model, list), model_(model), list_(list) {
  list.setSelectionMode(QAbstractItemView::ExtendedSelection);
  QObject::connect(&list, &QListWidget::itemSelectionChanged, &list,
                   [this, &runner] { SelectionEdited(runner); });
  QObject::connect(&list, &QListWidget::itemDoubleClicked, &list, [this, &runner] {
    runner.Run({"dblclick", model_.Name()}, [this] { model_.UserDblClick(); });
  });
}

void ListBoxBinding::SelectionEdited(ActionRunner& runner) {
  std::vector<int> indexes;
  for (const QListWidgetItem* item : list_.selectedItems())
    indexes.push_back(list_.row(item));
  std::sort(indexes.begin(), indexes.end());
  std::vector<std::string> words{"select", model_.Name()};
  for (int index : indexes)
    words.push_back(std::to_string(index));
  runner.Run(words, [this, &indexes] { model_.UserSelect(indexes); });
}

void ListBoxBinding::MirrorState() {
  if (!EntriesMatch(model_, list_.count(), [this](int i) { return list_.item(i)->text(); })) {
    list_.clear();
    for (int i = 0; i < model_.ListCount(); ++i)
      list_.addItem(ToQString(model_.List(i)));
  }
  for (int i = 0; i < list_.count(); ++i) {
    QListWidgetItem& item = *list_.item(i);
    if (item.isSelected() != model_.Selected(i))
      item.setSelected(model_.Selected(i));
  }
}

}  // namespace qtui
