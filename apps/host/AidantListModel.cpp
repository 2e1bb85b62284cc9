#include "host/AidantListModel.h"

#include <algorithm>

#include "qt/QtText.h"

namespace host {
namespace {

const std::string& ColumnOf(const AidantRow& row, int column) {
  switch (column) {
    case AidantListModel::kCode:
      return row.code;
    case AidantListModel::kNom:
      return row.nom;
    case AidantListModel::kPrenom:
      return row.prenom;
    default:
      return row.secteur;
  }
}

// A row's place in the French order: its sort key lies in a buffer shared by all rows;
// its first eight bytes, as one number, decide most comparisons without reading it.
struct Ranked {
  std::uint64_t head;
  std::uint32_t keyAt;
  std::uint32_t keyLength;
  std::size_t row;
};

std::uint64_t HeadOf(std::string_view key) {
  std::uint64_t head = 0;
  for (std::size_t i = 0; i < sizeof head; ++i)
    head = head << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
  return head;
}

}  // namespace

AidantListModel::AidantListModel(QObject* parent) : QAbstractTableModel(parent) {}

void AidantListModel::SetRows(std::vector<AidantRow> rows) {
  // The full name collated as one text: letters decide first over surname and first
  // name alike, accents and case only between names that are otherwise the same. The
  // key ends with a zero byte no key holds inside, so the code after it breaks ties.
  std::string keys;
  keys.reserve(rows.size() * 48);
  std::vector<Ranked> ranks;
  ranks.reserve(rows.size());
  std::string name;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    name.assign(rows[i].nom).append(1, ' ').append(rows[i].prenom);
    const std::size_t at = keys.size();
    french_.AppendSortKey(name, keys);
    keys += rows[i].code;
    const std::string_view key = std::string_view(keys).substr(at);
    ranks.push_back(
        {HeadOf(key), static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(key.size()), i});
  }
  std::sort(ranks.begin(), ranks.end(), [&keys](const Ranked& a, const Ranked& b) {
    if (a.head != b.head)
      return a.head < b.head;
    const std::string_view all(keys);
    return all.substr(a.keyAt, a.keyLength) < all.substr(b.keyAt, b.keyLength);
  });

  beginResetModel();
  entries_.clear();
  entries_.reserve(rows.size());
  folded_.clear();
  folded_.reserve(keys.size());
  for (const Ranked& rank : ranks) {
    entries_.push_back({std::move(rows[rank.row])});
    Fold(entries_.back());
  }
  shown_.clear();
  Refilter(false);
  endResetModel();
}

void AidantListModel::Fold(Entry& entry) {
  const std::size_t at = folded_.size();
  for (int column = 0; column < kColumnCount; ++column) {
    if (column > 0)
      folded_.push_back('\n');
    qtui::AppendFolded(ColumnOf(entry.row, column), folded_);
  }
  entry.foldedAt = static_cast<std::uint32_t>(at);
  entry.foldedLength = static_cast<std::uint32_t>(folded_.size() - at);
}

std::string_view AidantListModel::FoldedOf(const Entry& entry) const {
  return std::string_view(folded_).substr(entry.foldedAt, entry.foldedLength);
}

void AidantListModel::SetFilter(const QString& text) {
  const std::string folded = qtui::FoldedText(text).toStdString();
  if (folded == filter_)
    return;
  // Typing one more letter can only narrow what is shown.
  const bool narrower = !filter_.empty() && folded.find(filter_) != std::string::npos;
  filter_ = folded;
  beginResetModel();
  Refilter(narrower);
  endResetModel();
}

void AidantListModel::Refilter(bool withinShown) {
  std::vector<int> kept;
  const auto consider = [&](int index) {
    if (filter_.empty() ||
        FoldedOf(entries_[static_cast<std::size_t>(index)]).find(filter_) != std::string::npos)
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
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&row](const Entry& entry) {
    return entry.row.code == row.code;
  });
  if (found == entries_.end())
    return false;
  found->row = row;
  Fold(*found);
  const int shownRow = RowOf(QString::fromStdString(row.code));
  if (shownRow >= 0)
    emit dataChanged(index(shownRow, 0), index(shownRow, kColumnCount - 1));
  return true;
}

const AidantListModel::Entry& AidantListModel::ShownEntry(int row) const {
  return entries_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(row)])];
}

QString AidantListModel::CodeAt(int row) const {
  if (row < 0 || row >= ShownCount())
    return QString();
  return QString::fromStdString(ShownEntry(row).row.code);
}

int AidantListModel::RowOf(const QString& code) const {
  const std::string wanted = code.toStdString();
  for (int row = 0; row < ShownCount(); ++row)
    if (ShownEntry(row).row.code == wanted)
      return row;
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
  return QString::fromStdString(ColumnOf(ShownEntry(index.row()).row, index.column()));
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
