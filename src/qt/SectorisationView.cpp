#include "qt/SectorisationView.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "control/CascadeLevels.h"
#include "control/Variables.h"
#include "qt/ButtonBinding.h"
#include "qt/ComboBoxBinding.h"
#include "qt/LabelBinding.h"
#include "qt/ListBoxBinding.h"
#include "qt/QtText.h"
#include "qt/TabStripBinding.h"
#include "qt/TextBoxBinding.h"

namespace qtui {
namespace {

// The platform's numbers for the mouse buttons and the shift keys.
basis::Integer ButtonNumber(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

basis::Integer ShiftNumber(Qt::KeyboardModifiers modifiers) {
  return static_cast<basis::Integer>((modifiers & Qt::ShiftModifier ? 1 : 0) |
                                     (modifiers & Qt::ControlModifier ? 2 : 0) |
                                     (modifiers & Qt::AltModifier ? 4 : 0));
}

// One busy cursor at a time, taken down when the event loop next has nothing to do.
void ShowBusyUntilIdle() {
  static bool shown = false;
  if (shown)
    return;
  shown = true;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  QTimer::singleShot(0, qApp, [] {
    QGuiApplication::restoreOverrideCursor();
    shown = false;
  });
}

}  // namespace

SectorisationView::SectorisationView(Ctr_Sectorisation& control, QWidget* parent)
    : QWidget(parent), control_(control) {
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(BuildHeader());
  layout->addWidget(BuildTabs(), 1);
  layout->addLayout(BuildFooter());
  ApplyTabOrder();
  for (auto& entry : bindings_)
    entry.second->Mirror();
  ShowPointer();
  control_.UserControl.SetObserver(this);
}

SectorisationView::~SectorisationView() {
  detached_ = true;
  control_.UserControl.SetObserver(nullptr);
  // The Qt widgets go first, while the bindings their signals reach still exist.
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void SectorisationView::Run(const std::vector<std::string>& words,
                            const std::function<void()>& action) {
  if (detached_)
    return;
  if (depth_ == 0)
    focusRequested_ = false;
  ++depth_;
  try {
    action();
  } catch (const std::exception& failure) {
    // Only what the control's own edge lets through gets here (a scripted question left
    // without its answer); it must not unwind through Qt's event dispatch.
    qCritical("Action « %s » interrompue : %s", words.front().c_str(), failure.what());
  }
  --depth_;
  if (depth_ > 0)
    return;
  Refresh();
  // When OK refuses a text that is no choice, the control puts the focus on it; an
  // empty choice leaves the focus to the screen.
  if (words.size() == 2 && words[0] == "click" && words[1] == control_.Cmd_OkSectorisation.Name() &&
      !focusRequested_)
    FocusMissingChoice();
  if (listener_ != nullptr)
    listener_->ActionDone(words);
}

void SectorisationView::Refresh() {
  refreshPosted_ = false;
  while (!pending_.empty()) {
    std::vector<WidgetBinding*> changed;
    changed.swap(pending_);
    for (WidgetBinding* binding : changed)
      binding->Mirror();
  }
  ShowState();
}

void SectorisationView::FocusFirstField() {
  for (const FieldRow& row : rows_) {
    for (QWidget* field : {row.entry, row.labels}) {
      if (field->isEnabledTo(this) && !field->isHidden()) {
        field->setFocus(Qt::OtherFocusReason);
        return;
      }
    }
  }
  bindings_.at(&control_.Cmd_RetourSectorisation)->FocusTarget().setFocus(Qt::OtherFocusReason);
}

void SectorisationView::FocusMissingChoice() {
  // The rows before the one refused were all chosen, so it is the first one left empty;
  // after a save that passed there is none.
  for (const FieldRow& row : rows_) {
    if (row.choice->Text().empty()) {
      row.entry->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

void SectorisationView::ShowState() {
  QStringList parts;
  if (!control_.Cmd_OkSectorisation.Visible())
    parts << QStringLiteral("Consultation seule");
  else if (Variables::SaisieSecteurBloquee == basis::True)
    parts << QStringLiteral("Mode restreint : secteur, sous-secteur et quartier verrouillés");
  if (Variables::EnCreation == basis::True)
    parts << QStringLiteral("Nouvelle sectorisation");
  state_->setText(parts.join(QStringLiteral(" · ")));
}

void SectorisationView::WidgetChanged(forms::Widget& widget) {
  if (&widget == &control_.UserControl) {
    ShowPointer();
    return;
  }
  // Menus have no binding: they are drawn when they pop up.
  auto found = bindings_.find(&widget);
  if (found == bindings_.end() || !found->second->MarkPending())
    return;
  pending_.push_back(found->second.get());
  // An action refreshes when it returns; this covers the host's own calls (Init) and a
  // message box opened in the middle of an action.
  if (!refreshPosted_) {
    refreshPosted_ = true;
    QMetaObject::invokeMethod(this, &SectorisationView::Refresh, Qt::QueuedConnection);
  }
}

void SectorisationView::FocusRequested(forms::Widget& widget) {
  auto found = bindings_.find(&widget);
  if (found == bindings_.end())
    return;
  focusRequested_ = true;
  // A field enabled by the same handler must be enabled on screen to take the focus.
  Refresh();
  found->second->FocusTarget().setFocus(Qt::OtherFocusReason);
}

void SectorisationView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const basis::Integer button = ButtonNumber(event->button());
  if (childAt(at) != nullptr || button == 0) {
    QWidget::mousePressEvent(event);
    return;
  }
  const basis::Integer shift = ShiftNumber(event->modifiers());
  Run({"rightclick", std::to_string(button)}, [&] {
    control_.UserControl.UserMouseDown(button, shift, static_cast<float>(at.x()),
                                       static_cast<float>(at.y()));
  });
}

void SectorisationView::ShowPointer() {
  const forms::Surface& surface = control_.UserControl;
  if (surface.MousePointer() == 0)
    unsetCursor();
  else
    setCursor(Qt::WaitCursor);
  if (surface.BusyUntilIdle())
    ShowBusyUntilIdle();
}

template <class Binding, class QtWidget, class Model, class... Extra>
QtWidget* SectorisationView::Draw(Model& model, Extra&... extra) {
  auto* widget = new QtWidget(this);
  bindings_.emplace(&model, std::make_unique<Binding>(model, *widget, extra...));
  return widget;
}

QLabel* SectorisationView::Draw(forms::Label& model) {
  return Draw<LabelBinding, ElidingLabel>(model);
}

QLineEdit* SectorisationView::Draw(forms::TextBox& model) {
  return Draw<TextBoxBinding, QLineEdit>(model, static_cast<ActionRunner&>(*this));
}

QComboBox* SectorisationView::Draw(forms::ComboBox& model) {
  auto* combo = Draw<ComboBoxBinding, QComboBox>(model, static_cast<ActionRunner&>(*this));
  // Sized by the column, never by the labels it happens to hold.
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setMinimumContentsLength(16);
  return combo;
}

QListWidget* SectorisationView::Draw(forms::ListBox& model) {
  return Draw<ListBoxBinding, QListWidget>(model, static_cast<ActionRunner&>(*this));
}

QPushButton* SectorisationView::Draw(forms::CommandButton& model) {
  return Draw<ButtonBinding, QPushButton>(model, static_cast<ActionRunner&>(*this));
}

QLayout* SectorisationView::BuildHeader() {
  auto* header = new QHBoxLayout;
  header->addWidget(Draw(control_.Etq_Aidant));
  header->addWidget(Draw(control_.Etq_CodeNomPrenomAidant), 1);
  return header;
}

QWidget* SectorisationView::BuildTabs() {
  auto* tabs = new QTabWidget(this);
  auto binding = std::make_unique<TabStripBinding>(control_.Ong_Sectorisation, *tabs, *this);
  BuildSectorisationPage(binding->Page(0));
  BuildAssociatedSectorsPage(binding->Page(1));
  bindings_.emplace(&control_.Ong_Sectorisation, std::move(binding));
  return tabs;
}

void SectorisationView::BuildSectorisationPage(QWidget& page) {
  struct Row {
    forms::Label& caption;
    forms::TextBox* code;  // the means of transport has none
    forms::ComboBox& labels;
  };
  Ctr_Sectorisation& c = control_;
  auto* grid = new QGridLayout(&page);
  const int codeWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000000"));
  int row = 0;
  for (const cascade::Level& level : cascade::kLevels) {
    const Row line{c.*level.caption, level.codeBox == nullptr ? nullptr : &(c.*level.codeBox),
                   c.*level.labelList};
    const QString caption = ToQString(line.caption.Caption());
    QLabel* label = Draw(line.caption);
    QComboBox* labels = Draw(line.labels);
    labels->setAccessibleName(caption + QStringLiteral(" (libellé)"));
    label->setBuddy(labels);
    grid->addWidget(label, row, 0);
    grid->addWidget(labels, row, 2);
    if (line.code != nullptr) {
      QLineEdit* code = Draw(*line.code);
      code->setFixedWidth(codeWidth);
      code->setAccessibleName(caption + QStringLiteral(" (code)"));
      label->setBuddy(code);
      grid->addWidget(code, row, 1);
    }
    rows_.push_back({label->buddy(), labels, &line.labels});
    ++row;
  }
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(row, 1);
}

void SectorisationView::BuildAssociatedSectorsPage(QWidget& page) {
  Ctr_Sectorisation& c = control_;
  auto* grid = new QGridLayout(&page);
  const std::pair<forms::Label*, forms::ListBox*> sides[] = {{&c.Etq_Pos, &c.Lst_Pos},
                                                             {&c.Etq_Sel, &c.Lst_Sel}};
  int column = 0;
  for (const auto& [caption, model] : sides) {
    QLabel* label = Draw(*caption);
    QListWidget* list = Draw(*model);
    list->setAccessibleName(ToQString(caption->Caption()));
    label->setBuddy(list);
    grid->addWidget(label, 0, column);
    grid->addWidget(list, 1, column);
    grid->setColumnStretch(column, 1);
    column += 2;
  }
  // Arrows and a word a screen reader cannot make sense of: each says what it does.
  const std::pair<forms::CommandButton*, QString> moves[] = {
      {&c.Cmd_Tous, QStringLiteral("Sélectionner tous les secteurs")},
      {&c.Cmd_Ajoute, QStringLiteral("Ajouter les secteurs sélectionnés")},
      {&c.Cmd_Ote, QStringLiteral("Retirer les secteurs sélectionnés")}};
  auto* buttons = new QVBoxLayout;
  buttons->addStretch(1);
  for (const auto& [model, meaning] : moves) {
    QPushButton* button = Draw(*model);
    button->setAccessibleName(meaning);
    button->setToolTip(meaning);
    buttons->addWidget(button);
  }
  buttons->addStretch(1);
  grid->addLayout(buttons, 1, 1);
}

QLayout* SectorisationView::BuildFooter() {
  auto* footer = new QHBoxLayout;
  // A discreet line that says at a glance what the screen lets the person do.
  state_ = new QLabel(this);
  state_->setObjectName(QStringLiteral("etat"));
  state_->setForegroundRole(QPalette::PlaceholderText);
  // Part of the bare surface, where a right click offers the help.
  state_->setAttribute(Qt::WA_TransparentForMouseEvents);
  footer->addWidget(state_);
  footer->addStretch(1);
  footer->addWidget(Draw(control_.Cmd_OkSectorisation));
  footer->addWidget(Draw(control_.Cmd_RetourSectorisation));
  return footer;
}

void SectorisationView::ApplyTabOrder() {
  std::vector<WidgetBinding*> chain;
  for (auto& entry : bindings_) {
    WidgetBinding& binding = *entry.second;
    if (binding.Model().TabIndex() >= 0 && binding.FocusTarget().focusPolicy() != Qt::NoFocus)
      chain.push_back(&binding);
  }
  std::sort(chain.begin(), chain.end(), [](const WidgetBinding* a, const WidgetBinding* b) {
    return a->Model().TabIndex() < b->Model().TabIndex();
  });
  for (std::size_t i = 1; i < chain.size(); ++i)
    QWidget::setTabOrder(&chain[i - 1]->FocusTarget(), &chain[i]->FocusTarget());
}

}  // namespace qtui
