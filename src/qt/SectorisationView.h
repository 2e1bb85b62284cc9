#pragma once

#include "basis/Export.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "control/Ctr_Sectorisation.h"
#include "forms/WidgetObserver.h"
#include "qt/ActionListener.h"
#include "qt/ActionRunner.h"

class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qtui {

class WidgetBinding;

// The sectorisation screen drawn with Qt widgets, for a host to place in any of its
// windows. It holds none of the screen's behaviour: it draws the control's widgets,
// forwards the person's actions to them and shows what the control leaves. The control
// must outlive the view.
class DELVARO_EXPORT SectorisationView : public QWidget,
                                         public ActionRunner,
                                         private forms::WidgetObserver {
  Q_OBJECT

 public:
  explicit SectorisationView(Ctr_Sectorisation& control, QWidget* parent = nullptr);
  ~SectorisationView() override;

  Ctr_Sectorisation& Control() const { return control_; }
  void SetActionListener(ActionListener* listener) { listener_ = listener; }

  // Runs one user action on the model and shows what it left. Actions that run inside
  // another one (a field left because the control moved the focus, say) belong to it:
  // only the outermost is told to the listener.
  void Run(const std::vector<std::string>& words, const std::function<void()>& action) override;

  // Shows every change of the model that is not on screen yet.
  void Refresh();

  // Puts the keyboard focus on the first field of the screen the person can change,
  // top to bottom, code box before label list; on Retour when there is none.
  void FocusFirstField();

 protected:
  // Reaches the view only when the press is on its bare surface or on a child that
  // ignored it.
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void WidgetChanged(forms::Widget& widget) override;
  void FocusRequested(forms::Widget& widget) override;

  QLayout* BuildHeader();
  QWidget* BuildTabs();
  void BuildSectorisationPage(QWidget& page);
  void BuildAssociatedSectorsPage(QWidget& page);
  QLayout* BuildFooter();
  void ApplyTabOrder();
  void ShowPointer();
  void ShowState();
  // After OK refused an empty choice, the focus goes where that row's caption leads.
  void FocusMissingChoice();

  template <class Binding, class QtWidget, class Model, class... Extra>
  QtWidget* Draw(Model& model, Extra&... extra);
  QLabel* Draw(forms::Label& model);
  QLineEdit* Draw(forms::TextBox& model);
  QComboBox* Draw(forms::ComboBox& model);
  QListWidget* Draw(forms::ListBox& model);
  QPushButton* Draw(forms::CommandButton& model);

  // A row of the first tab: where its caption's letter leads (the code box when there is
  // one) and its label list.
  struct FieldRow {
    QWidget* entry;
    QWidget* labels;
    const forms::ComboBox* choice;
  };

  Ctr_Sectorisation& control_;
  std::vector<FieldRow> rows_;
  QLabel* state_ = nullptr;
  std::unordered_map<const forms::Widget*, std::unique_ptr<WidgetBinding>> bindings_;
  std::vector<WidgetBinding*> pending_;
  ActionListener* listener_ = nullptr;
  int depth_ = 0;
  bool refreshPosted_ = false;
  bool focusRequested_ = false;  // by the control, during the outermost action
  bool detached_ = false;
};

}  // namespace qtui
