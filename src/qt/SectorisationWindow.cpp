#include "qt/SectorisationWindow.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QVBoxLayout>

#include "qt/QtText.h"
#include "qt/ScreenKeys.h"
#include "qt/WindowGeometry.h"

namespace qtui {
namespace {

const QString kGeometryName = QStringLiteral("sectorisation");

}  // namespace

SectorisationWindow::SectorisationWindow(forms::HelpEngine& help, QWidget* parent)
    : QWidget(parent, Qt::Window),
      services_(std::make_unique<QtHostServices>(*this)),
      control_(std::make_unique<Ctr_Sectorisation>(*services_, help)),
      view_(new SectorisationView(*control_, this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Sectorisation"));
  services_->SetActionRunner(view_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  new ScreenKeys(*this, *view_, *services_);
  RestoreGeometry(*this, kGeometryName);
}

SectorisationWindow::~SectorisationWindow() {
  delete view_;
  control_.reset();
}

void SectorisationWindow::Open(const std::shared_ptr<dba::DatabaseConnection>& database,
                               const std::shared_ptr<dba::DatabaseClient>& client,
                               const std::shared_ptr<rights::UserRights>& rights,
                               const std::string& code) {
  setWindowTitle(QStringLiteral("Sectorisation de l'aidant %1").arg(ToQString(code)));
  control_->TheDatabase(database);
  control_->TheClient(client);
  control_->DroitsUtilisateur(rights);
  control_->W_Code = code;
  control_->Init();
  opened_ = true;
  view_->Refresh();
  // The caption Init wrote names the aidant: code, surname and first name.
  const QString aidant = ToQString(control_->Etq_CodeNomPrenomAidant.Caption()).simplified();
  if (!aidant.isEmpty())
    setWindowTitle(QStringLiteral("Sectorisation de l'aidant %1").arg(aidant));
  view_->FocusFirstField();
}

void SectorisationWindow::SetActionListener(ActionListener* listener) {
  view_->SetActionListener(listener);
  services_->SetActionListener(listener);
}

void SectorisationWindow::hideEvent(QHideEvent* event) {
  // Only a window hidden by the program (closed, say), not one the desktop minimised.
  if (!event->spontaneous())
    RememberGeometry(*this, kGeometryName);
  QWidget::hideEvent(event);
}

// The close button, the platform's close key and the host quitting all come here: the
// control decides, as Retour does, and may keep the window open. A window whose control
// was never opened has nothing to lose, and one the control unloads itself (OK, Retour)
// has been left already.
void SectorisationWindow::closeEvent(QCloseEvent* event) {
  bool mayClose = true;
  if (opened_ && control_->W_SortirSectorisation != basis::True) {
    view_->Run({"close"},
               [this, &mayClose] { mayClose = control_->UserControl.UserQueryUnload(); });
  }
  if (!mayClose) {
    event->ignore();
    return;
  }
  emit Left(control_->W_SortirSectorisation == basis::True);
  event->accept();
}

}  // namespace qtui
