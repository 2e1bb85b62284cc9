#pragma once

#include <QMainWindow>
#include <memory>

#include "dba/DatabaseConnection.h"

class QLineEdit;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace host {

// The host's main window: the aidants of CIVILAIDANT (code, names, sector) with a
// filter box; choosing one asks for its sectorisation screen. Empty until refreshed.
class AidantListWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit AidantListWindow(std::shared_ptr<dba::DatabaseConnection> connection,
                            QWidget* parent = nullptr);

  // Reads the aidants again, keeping the current one chosen. A failure of the store
  // is thrown.
  void Refresh();
  QTableView& Table() const { return *table_; }
  QLineEdit& Filter() const { return *filter_; }

 signals:
  void OpenRequested(const QString& code);

 private:
  QString CurrentCode() const;
  void OpenCurrent();

  std::shared_ptr<dba::DatabaseConnection> connection_;
  QStandardItemModel* rows_;
  QSortFilterProxyModel* shown_;
  QTableView* table_;
  QLineEdit* filter_;
};

}  // namespace host
