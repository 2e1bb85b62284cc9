#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dba/FrenchCollation.h"
#include "host/AidantDirectory.h"

namespace host {

// The aidants as the host's list shows them: code, surname, first name and sector, in
// French order of surname then first name (É with E, case aside), then code; a filter
// keeps the aidants whose code, names or sector contain its text, case and accents
// aside. Built for a large service: the rows are kept as read, each sorted and folded
// once when the rows are set, so that a keystroke of the filter scans folded bytes and
// drawing converts only the cells on screen. UI thread only.
class AidantListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kCode, kNom, kPrenom, kSecteur, kColumnCount };

  explicit AidantListModel(QObject* parent = nullptr);

  // Replaces every aidant; the filter stays.
  void SetRows(std::vector<AidantRow> rows);
  // Keeps only the aidants that contain text; an empty text keeps them all.
  void SetFilter(const QString& text);
  // Shows the aidant's row as given, in place; false when no row has its code.
  bool UpdateRow(const AidantRow& row);

  int TotalCount() const { return static_cast<int>(entries_.size()); }
  int ShownCount() const { return static_cast<int>(shown_.size()); }
  // The code of a shown row, "" outside.
  QString CodeAt(int row) const;
  // The shown row of the aidant, -1 when the filter hides it or there is none.
  int RowOf(const QString& code) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  struct Entry {
    AidantRow row;
    // Where its columns, folded, one per line, lie in folded_.
    std::uint32_t foldedAt = 0;
    std::uint32_t foldedLength = 0;
  };

  // Folds the entry's columns onto the end of folded_.
  void Fold(Entry& entry);
  std::string_view FoldedOf(const Entry& entry) const;
  const Entry& ShownEntry(int row) const;
  void Refilter(bool withinShown);

  std::vector<Entry> entries_;
  // The folded texts end to end, so that a filter reads one block; a row updated in
  // place has its new text added at the end until the rows are next set.
  std::string folded_;
  std::vector<int> shown_;  // indexes of entries_ the filter keeps, in order
  std::string filter_;      // folded
  dba::FrenchCollation french_;
};

}  // namespace host
