#pragma once

#include "basis/Export.h"

#include <QWidget>
#include <memory>
#include <string>

#include "control/Ctr_Sectorisation.h"
#include "dba/DatabaseClient.h"
#include "dba/DatabaseConnection.h"
#include "forms/HelpEngine.h"
#include "qt/ActionListener.h"
#include "qt/QtHostServices.h"
#include "qt/SectorisationView.h"
#include "rights/UserRights.h"

namespace qtui {

// A window holding one sectorisation screen: its host services, the control and the
// view, with the keyboard keys of ScreenKeys, titled after the aidant, where the person
// last left such a window. The control unloads it by closing it, which destroys it (create it with
// new): the view goes first, then the control, whose termination runs, then the services.
class DELVARO_EXPORT SectorisationWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SectorisationWindow(forms::HelpEngine& help, QWidget* parent = nullptr);
  ~SectorisationWindow() override;

  // Brings the screen up for one aidant the way a host must: TheDatabase, TheClient,
  // DroitsUtilisateur, W_Code, then Init. A failure of Init reaches the caller.
  void Open(const std::shared_ptr<dba::DatabaseConnection>& database,
            const std::shared_ptr<dba::DatabaseClient>& client,
            const std::shared_ptr<rights::UserRights>& rights, const std::string& code);

  Ctr_Sectorisation& Control() const { return *control_; }
  SectorisationView& View() const { return *view_; }
  QtHostServices& Services() const { return *services_; }

  // The person's actions on the screen and their answers.
  void SetActionListener(ActionListener* listener);

 signals:
  // The window is closing; sortie is W_SortirSectorisation as the control left it.
  // Closing asks the control first, which may keep the window open (a change to save,
  // Cancel answered).
  void Left(bool sortie);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  std::unique_ptr<QtHostServices> services_;
  std::unique_ptr<Ctr_Sectorisation> control_;
  SectorisationView* view_;
  bool opened_ = false;
};

}  // namespace qtui
