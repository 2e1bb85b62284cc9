#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "dba/FrenchCollation.h"
#include "host/AidantDirectory.h"

namespace host {

// The aidants as the host's list shows them: code, surname, first name and sector, in
// French order of surname then first name (É with E, case aside), then code; a filter
// keeps the aidants whose code, names or sector contain its text, case and accents
// aside. Built for a large service: every text is converted, sorted and folded once
// when the rows are set, so that drawing and each keystroke of the filter only read,
// and the rows set again after a save collate only the names they had not met.
// UI thread only.
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
    std::array<QString, kColumnCount> columns;
    QString folded;  // every column, folded, one per line
  };

  static Entry EntryOf(const AidantRow& row);
  void Refilter(bool withinShown);

  std::vector<Entry> entries_;
  std::vector<int> shown_;  // indexes of entries_ the filter keeps, in order
  QString filter_;          // folded
  dba::FrenchCollation french_;
};

}  // namespace host
