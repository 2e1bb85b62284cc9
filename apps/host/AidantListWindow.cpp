#include "host/AidantListWindow.h"

#include <algorithm>

#include <QBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include "basis/Error.h"
#include "forms/MessageStyle.h"
#include "host/AidantDirectory.h"
#include "host/AidantListModel.h"
#include "qt/WindowGeometry.h"

namespace host {
namespace {

const QString kGeometryName = QStringLiteral("aidants");
// Often enough that a save elsewhere shows within a second; asking costs no read.
constexpr int kWatchMilliseconds = 500;

bool IsKey(const QEvent& event, std::initializer_list<int> keys) {
  if (event.type() != QEvent::KeyPress)
    return false;
  const int key = static_cast<const QKeyEvent&>(event).key();
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

}  // namespace

AidantListWindow::AidantListWindow(std::shared_ptr<dba::DatabaseConnection> connection,
                                   QWidget* parent)
    : QMainWindow(parent),
      connection_(std::move(connection)),
      model_(new AidantListModel(this)),
      table_(new QTableView),
      filter_(new QLineEdit),
      count_(new QLabel),
      watch_(new QTimer(this)) {
  setWindowTitle(QStringLiteral("Delvaro — aidants"));
  table_->setObjectName(QStringLiteral("aidants"));
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  // Rows of one height: a hundred thousand rows are laid out without being measured.
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setAccessibleName(QStringLiteral("Aidants"));
  connect(table_, &QTableView::activated, this, &AidantListWindow::OpenCurrent);

  filter_->setObjectName(QStringLiteral("filtre"));
  filter_->setPlaceholderText(QStringLiteral("code, nom, prénom ou secteur"));
  filter_->setClearButtonEnabled(true);
  filter_->installEventFilter(this);
  connect(filter_, &QLineEdit::textChanged, this, &AidantListWindow::FilterEdited);
  count_->setObjectName(QStringLiteral("nombre"));

  auto* open = new QPushButton(QStringLiteral("&Ouvrir la sectorisation"));
  connect(open, &QPushButton::clicked, this, &AidantListWindow::OpenCurrent);

  auto* filterLine = new QHBoxLayout;
  auto* filterCaption = new QLabel(QStringLiteral("&Filtrer :"));
  filterCaption->setBuddy(filter_);
  filterLine->addWidget(filterCaption);
  filterLine->addWidget(filter_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(count_);
  buttons->addStretch(1);
  buttons->addWidget(open);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(filterLine);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);
  setCentralWidget(central);
  resize(720, 480);
  qtui::RestoreGeometry(*this, kGeometryName);

  connect(watch_, &QTimer::timeout, this, &AidantListWindow::RefreshIfChanged);
  watch_->start(kWatchMilliseconds);
}

AidantListWindow::~AidantListWindow() = default;

void AidantListWindow::Refresh() {
  const QString current = CurrentCode();
  // Taken before reading: a save made while the list is read shows at the next check.
  version_ = connection_->DataVersion();
  model_->SetRows(ReadAidants(*connection_));
  Choose(current);
  ShowCount();
}

void AidantListWindow::RefreshAidant(const QString& code) {
  const std::optional<AidantRow> row = ReadAidant(*connection_, code.toStdString());
  if (!row || !model_->UpdateRow(*row)) {
    Refresh();
    return;
  }
  // The screen's own save needs no reading of the whole list.
  version_ = connection_->DataVersion();
}

void AidantListWindow::RefreshIfChanged() {
  try {
    if (connection_->DataVersion() != version_)
      Refresh();
  } catch (const basis::Error& error) {
    // One box, not one every half second.
    watch_->stop();
    QMessageBox::critical(this, forms::kMessageTitle,
                          QStringLiteral("La liste des aidants ne se relit pas : erreur %1 : %2")
                              .arg(error.Number())
                              .arg(QString::fromStdString(error.Description())));
    watch_->start();
  }
}

QString AidantListWindow::CurrentCode() const {
  const QModelIndex current = table_->currentIndex();
  return current.isValid() ? model_->CodeAt(current.row()) : QString();
}

void AidantListWindow::Choose(const QString& code) {
  const int row = code.isEmpty() ? -1 : model_->RowOf(code);
  if (row >= 0)
    table_->selectRow(row);
}

void AidantListWindow::OpenCurrent() {
  const QString code = CurrentCode();
  if (!code.isEmpty())
    emit OpenRequested(code);
}

void AidantListWindow::FilterEdited(const QString& text) {
  const QString current = CurrentCode();
  model_->SetFilter(text);
  Choose(current);
  ShowCount();
}

void AidantListWindow::ShowCount() {
  const int shown = model_->ShownCount();
  const int total = model_->TotalCount();
  const QString aidants = shown > 1 ? QStringLiteral("aidants") : QStringLiteral("aidant");
  count_->setText(shown == total
                      ? QStringLiteral("%1 %2").arg(shown).arg(aidants)
                      : QStringLiteral("%1 %2 sur %3").arg(shown).arg(aidants).arg(total));
}

bool AidantListWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != filter_ || model_->ShownCount() == 0)
    return QMainWindow::eventFilter(watched, event);
  // From the filter, Down goes into the list and Enter opens the aidant chosen there
  // (the first one kept when none is).
  if (IsKey(*event, {Qt::Key_Down, Qt::Key_Return, Qt::Key_Enter})) {
    if (!table_->currentIndex().isValid())
      table_->selectRow(0);
    if (IsKey(*event, {Qt::Key_Down}))
      table_->setFocus(Qt::TabFocusReason);
    else
      OpenCurrent();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool AidantListWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate)
    RefreshIfChanged();
  return QMainWindow::event(event);
}

void AidantListWindow::hideEvent(QHideEvent* event) {
  if (!event->spontaneous())
    qtui::RememberGeometry(*this, kGeometryName);
  QMainWindow::hideEvent(event);
}

}  // namespace host
