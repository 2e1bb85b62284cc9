#include "host/AidantListWindow.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>

#include "host/AidantDirectory.h"

namespace host {

AidantListWindow::AidantListWindow(std::shared_ptr<dba::DatabaseConnection> connection,
                                   QWidget* parent)
    : QMainWindow(parent),
      connection_(std::move(connection)),
      rows_(new QStandardItemModel(0, 4, this)),
      shown_(new QSortFilterProxyModel(this)),
      table_(new QTableView),
      filter_(new QLineEdit) {
  setWindowTitle(QStringLiteral("Delvaro — aidants"));
  rows_->setHorizontalHeaderLabels({QStringLiteral("Code"), QStringLiteral("Nom"),
                                    QStringLiteral("Prénom"), QStringLiteral("Secteur")});
  shown_->setSourceModel(rows_);
  shown_->setFilterKeyColumn(-1);
  shown_->setFilterCaseSensitivity(Qt::CaseInsensitive);

  table_->setObjectName(QStringLiteral("aidants"));
  table_->setModel(shown_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSortingEnabled(true);
  table_->sortByColumn(0, Qt::AscendingOrder);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  connect(table_, &QTableView::activated, this, &AidantListWindow::OpenCurrent);

  filter_->setObjectName(QStringLiteral("filtre"));
  filter_->setPlaceholderText(QStringLiteral("code, nom, prénom ou secteur"));
  filter_->setClearButtonEnabled(true);
  connect(filter_, &QLineEdit::textChanged, shown_, &QSortFilterProxyModel::setFilterFixedString);

  auto* open = new QPushButton(QStringLiteral("Ouvrir la sectorisation"));
  connect(open, &QPushButton::clicked, this, &AidantListWindow::OpenCurrent);

  auto* filterLine = new QHBoxLayout;
  auto* filterCaption = new QLabel(QStringLiteral("&Filtrer :"));
  filterCaption->setBuddy(filter_);
  filterLine->addWidget(filterCaption);
  filterLine->addWidget(filter_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(open);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(filterLine);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);
  setCentralWidget(central);
  resize(720, 480);
}

void AidantListWindow::Refresh() {
  const QString current = CurrentCode();
  rows_->removeRows(0, rows_->rowCount());
  for (const AidantRow& aidant : ReadAidants(*connection_)) {
    QList<QStandardItem*> row;
    for (const std::string* text : {&aidant.code, &aidant.nom, &aidant.prenom, &aidant.secteur})
      row.append(new QStandardItem(QString::fromStdString(*text)));
    rows_->appendRow(row);
  }
  const QModelIndexList found =
      shown_->match(shown_->index(0, 0), Qt::DisplayRole, current, 1, Qt::MatchExactly);
  if (!current.isEmpty() && !found.isEmpty())
    table_->selectRow(found.front().row());
}

QString AidantListWindow::CurrentCode() const {
  const QModelIndex current = table_->currentIndex();
  return current.isValid() ? shown_->index(current.row(), 0).data().toString() : QString();
}

void AidantListWindow::OpenCurrent() {
  const QString code = CurrentCode();
  if (!code.isEmpty())
    emit OpenRequested(code);
}

}  // namespace host
