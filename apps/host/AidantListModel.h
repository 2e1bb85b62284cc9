#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/AidantOrder.h"
#include "host/AidantTable.h"

namespace host {

// The aidants as the host's list shows them: code, surname, first name and sector, in
// French order of surname then first name (É with E, case aside), then code; a filter
// keeps the aidants whose code, names or sector contain its text, case and accents
// aside. Built for a large service: the rows are kept as read, each sorted and folded
// once (folded when a filter first needs them, not for a list nobody filters), so that a
// keystroke of the filter scans folded bytes and drawing converts only the cells on
// screen; a sector's text is folded and tried once for all its aidants. UI thread only.
class AidantListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kCode, kNom, kPrenom, kSecteur, kColumnCount };

  explicit AidantListModel(QObject* parent = nullptr);

  // Replaces every aidant; the filter stays. The names met at the last call are not
  // collated again.
  void SetRows(AidantTable rows);
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
    std::uint32_t row;  // in rows_
    // Where its code and names, folded, one per line, lie in folded_.
    std::uint32_t foldedAt;
    std::uint32_t foldedLength;
  };

  // Folds the code and names of the entry's row onto the end of folded_.
  void Fold(Entry& entry);
  // Folds every row and sector unless they are folded already.
  void FoldAll();
  // Folds the sectors rows_ holds and has not folded yet.
  void FoldSectors();
  std::string_view FoldedOf(const Entry& entry) const;
  const Entry& ShownEntry(int row) const;
  void Refilter(bool withinShown);

  AidantTable rows_;
  std::vector<Entry> entries_;  // in the list's order
  // The folded texts end to end, so that a filter reads one block; a row updated in
  // place has its new text added at the end until the rows are next set.
  std::string folded_;
  std::vector<std::string> foldedSectors_;  // by sector number
  bool folds_ = false;                      // whether folded_ and foldedSectors_ are made
  std::vector<int> shown_;                  // indexes of entries_ the filter keeps, in order
  std::string filter_;                      // folded
  AidantOrder order_;
};

}  // namespace host
