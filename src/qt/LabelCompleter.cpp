#include "qt/LabelCompleter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QStandardItemModel>

#include "qt/QtText.h"

namespace qtui {
namespace {

// Where a proposal keeps the position of its entry in the list.
constexpr int kEntryRole = Qt::UserRole + 1;

}  // namespace

LabelCompleter::LabelCompleter(forms::ComboBox& model, QComboBox& combo, ActionRunner& runner)
    : QObject(&combo),
      model_(model),
      runner_(runner),
      proposals_(new QStandardItemModel(this)),
      completer_(new QCompleter(proposals_, this)) {
  // The proposals are chosen here, accents ignored; the completer only shows them. It
  // is not the line edit's own completer, which would also write the text itself.
  completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer_->setWidget(combo.lineEdit());
  connect(combo.lineEdit(), &QLineEdit::textEdited, this, &LabelCompleter::Propose);
  connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
          [this](const QModelIndex& index) { Accept(index.data(kEntryRole).toInt()); });
}

void LabelCompleter::Propose(const QString& typed) {
  QStringList entries;
  entries.reserve(model_.ListCount());
  for (int i = 0; i < model_.ListCount(); ++i)
    entries.append(ToQString(model_.List(i)));
  proposals_->clear();
  for (int entry : completion_.Complete(entries, typed)) {
    auto* item = new QStandardItem(entries[entry]);
    item->setData(entry, kEntryRole);
    item->setEditable(false);
    proposals_->appendRow(item);
  }
  if (proposals_->rowCount() == 0 || !model_.AcceptsUser()) {
    completer_->popup()->hide();
    return;
  }
  completer_->complete();
  completer_->popup()->setCurrentIndex(proposals_->index(0, 0));
}

void LabelCompleter::Accept(int entry) {
  runner_.Run({"pick", model_.Name(), std::to_string(entry)},
              [this, entry] { model_.UserPick(entry); });
}

}  // namespace qtui
