#include "host/AidantListModel.h"

#include <algorithm>
#include <numeric>

#include "qt/QtText.h"

namespace host {

AidantListModel::AidantListModel(QObject* parent) : QAbstractTableModel(parent) {}

AidantListModel::Entry AidantListModel::EntryOf(const AidantRow& row) {
  Entry entry{{QString::fromStdString(row.code), QString::fromStdString(row.nom),
               QString::fromStdString(row.prenom), QString::fromStdString(row.secteur)},
              QString()};
  entry.folded = qtui::FoldedText(entry.columns[kCode] + u'\n' + entry.columns[kNom] + u'\n' +
                                  entry.columns[kPrenom] + u'\n' + entry.columns[kSecteur]);
  return entry;
}

void AidantListModel::SetRows(std::vector<AidantRow> rows) {
  // The full name collated as one text: letters decide first over surname and first
  // name alike, accents and case only between names that are otherwise the same. The
  // key ends with a zero byte no key holds inside, so the code after it breaks ties.
  std::vector<std::string> keys(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i)
    keys[i] = french_.SortKey(rows[i].nom + ' ' + rows[i].prenom) + rows[i].code;
  french_.ForgetIfMany();
  std::vector<std::size_t> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(),
            [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });

  beginResetModel();
  entries_.clear();
  entries_.reserve(rows.size());
  for (std::size_t i : order)
    entries_.push_back(EntryOf(rows[i]));
  shown_.clear();
  Refilter(false);
  endResetModel();
}

void AidantListModel::SetFilter(const QString& text) {
  const QString folded = qtui::FoldedText(text);
  if (folded == filter_)
    return;
  // Typing one more letter can only narrow what is shown.
  const bool narrower = !filter_.isEmpty() && folded.contains(filter_);
  filter_ = folded;
  beginResetModel();
  Refilter(narrower);
  endResetModel();
}

void AidantListModel::Refilter(bool withinShown) {
  std::vector<int> kept;
  const auto consider = [&](int index) {
    if (filter_.isEmpty() || entries_[static_cast<std::size_t>(index)].folded.contains(filter_))
      kept.push_back(index);
  };
  if (withinShown) {
    for (int index : shown_)
      consider(index);
  } else {
    kept.reserve(entries_.size());
    for (int index = 0; index < static_cast<int>(entries_.size()); ++index)
      consider(index);
  }
  shown_.swap(kept);
}

bool AidantListModel::UpdateRow(const AidantRow& row) {
  const QString code = QString::fromStdString(row.code);
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&code](const Entry& entry) {
    return entry.columns[kCode] == code;
  });
  if (found == entries_.end())
    return false;
  *found = EntryOf(row);
  const int shownRow = RowOf(code);
  if (shownRow >= 0)
    emit dataChanged(index(shownRow, 0), index(shownRow, kColumnCount - 1));
  return true;
}

QString AidantListModel::CodeAt(int row) const {
  if (row < 0 || row >= ShownCount())
    return QString();
  return entries_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(row)])].columns[kCode];
}

int AidantListModel::RowOf(const QString& code) const {
  for (std::size_t row = 0; row < shown_.size(); ++row)
    if (entries_[static_cast<std::size_t>(shown_[row])].columns[kCode] == code)
      return static_cast<int>(row);
  return -1;
}

int AidantListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ShownCount();
}

int AidantListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant AidantListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= ShownCount())
    return QVariant();
  const Entry& entry =
      entries_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(index.row())])];
  return entry.columns[static_cast<std::size_t>(index.column())];
}

QVariant AidantListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  static const QString titles[kColumnCount] = {QStringLiteral("Code"), QStringLiteral("Nom"),
                                               QStringLiteral("Prénom"), QStringLiteral("Secteur")};
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
      section >= kColumnCount)
    return QVariant();
  return titles[section];
}

}  // namespace host
