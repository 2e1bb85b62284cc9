#pragma once

#include <QMainWindow>
#include <cstdint>
#include <memory>

#include "dba/DatabaseConnection.h"

class QLabel;
class QLineEdit;
class QTableView;
class QTimer;

namespace host {

class AidantListModel;

// The host's main window: the aidants of CIVILAIDANT (code, names, sector) in French
// order, with a filter box and the count it keeps; Enter or a double click asks for the
// chosen aidant's screen. Empty until refreshed. While shown, it reads the list again
// within half a second of a save made anywhere (this or another workstation), and when
// it is activated. UI thread only.
class AidantListWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit AidantListWindow(std::shared_ptr<dba::DatabaseConnection> connection,
                            QWidget* parent = nullptr);
  ~AidantListWindow() override;

  // Reads the aidants again, keeping the current one chosen. A failure of the store
  // is thrown.
  void Refresh();
  // Reads one aidant again and shows it in its row, as after its screen was left. A
  // failure of the store is thrown.
  void RefreshAidant(const QString& code);
  // Reads the list again when the store changed since it was last read; a failure is
  // shown in a message box.
  void RefreshIfChanged();

  QTableView& Table() const { return *table_; }
  QLineEdit& Filter() const { return *filter_; }
  QLabel& Count() const { return *count_; }
  AidantListModel& Model() const { return *model_; }

 signals:
  void OpenRequested(const QString& code);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QString CurrentCode() const;
  void Choose(const QString& code);
  void OpenCurrent();
  void FilterEdited(const QString& text);
  void ShowCount();

  std::shared_ptr<dba::DatabaseConnection> connection_;
  AidantListModel* model_;
  QTableView* table_;
  QLineEdit* filter_;
  QLabel* count_;
  QTimer* watch_;
  std::uint64_t version_ = 0;
};

}  // namespace host
