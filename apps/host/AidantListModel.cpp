#include "host/AidantListModel.h"

#include <algorithm>
#include <numeric>

#include "qt/QtText.h"

namespace host {
namespace {

std::string_view ColumnOf(const AidantTable& rows, std::uint32_t row, int column) {
  switch (column) {
    case AidantListModel::kCode:
      return rows.Code(row);
    case AidantListModel::kNom:
      return rows.Nom(row);
    case AidantListModel::kPrenom:
      return rows.Prenom(row);
    default:
      return rows.Secteur(row);
  }
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

AidantListModel::AidantListModel(QObject* parent) : QAbstractTableModel(parent) {}

void AidantListModel::SetRows(AidantTable rows) {
  const std::vector<std::uint32_t> order = order_.Order(rows);
  beginResetModel();
  rows_ = std::move(rows);
  entries_.clear();
  entries_.reserve(order.size());
  for (const std::uint32_t row : order)
    entries_.push_back({row, 0, 0});
  folded_.clear();
  foldedSectors_.clear();
  folds_ = false;
  shown_.clear();
  Refilter(false);
  endResetModel();
}

void AidantListModel::Fold(Entry& entry) {
  const std::size_t at = folded_.size();
  qtui::AppendFolded(rows_.Code(entry.row), folded_);
  folded_.push_back('\n');
  qtui::AppendFolded(rows_.Nom(entry.row), folded_);
  folded_.push_back('\n');
  qtui::AppendFolded(rows_.Prenom(entry.row), folded_);
  entry.foldedAt = static_cast<std::uint32_t>(at);
  entry.foldedLength = static_cast<std::uint32_t>(folded_.size() - at);
}

void AidantListModel::FoldAll() {
  if (folds_)
    return;
  for (Entry& entry : entries_)
    Fold(entry);
  FoldSectors();
  folds_ = true;
}

void AidantListModel::FoldSectors() {
  for (std::size_t sector = foldedSectors_.size(); sector < rows_.SectorCount(); ++sector) {
    foldedSectors_.emplace_back();
    qtui::AppendFolded(rows_.SectorText(static_cast<std::uint32_t>(sector)), foldedSectors_.back());
  }
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
  if (filter_.empty()) {
    shown_.resize(entries_.size());
    std::iota(shown_.begin(), shown_.end(), 0);
    return;
  }
  FoldAll();
  // Whether the text is in a sector is asked once per sector, not once per aidant.
  std::vector<char> sectorKept(foldedSectors_.size());
  for (std::size_t sector = 0; sector < sectorKept.size(); ++sector)
    sectorKept[sector] = foldedSectors_[sector].find(filter_) != std::string::npos;
  std::vector<int> kept;
  const auto consider = [&](int index) {
    const Entry& entry = entries_[static_cast<std::size_t>(index)];
    if (sectorKept[rows_.SectorOf(entry.row)] || FoldedOf(entry).find(filter_) != std::string::npos)
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
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
    return rows_.Code(entry.row) == row.code;
  });
  if (found == entries_.end())
    return false;
  rows_.Replace(found->row, row);
  if (folds_) {
    FoldSectors();
    Fold(*found);
  }
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
  return ToQString(rows_.Code(ShownEntry(row).row));
}

int AidantListModel::RowOf(const QString& code) const {
  const std::string wanted = code.toStdString();
  for (int row = 0; row < ShownCount(); ++row)
    if (rows_.Code(ShownEntry(row).row) == wanted)
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
  return ToQString(ColumnOf(rows_, ShownEntry(index.row()).row, index.column()));
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
