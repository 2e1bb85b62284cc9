#include "control/CascadeLevels.h"
#include "control/Ctr_Sectorisation.h"

#include <initializer_list>

namespace {
constexpr int kHelpContext = 10;
}  // namespace

void Ctr_Sectorisation::ArrangeWidgets() {
  const std::initializer_list<forms::Widget*> tabOrder = {&Cmd_OkSectorisation,
                                                          &Cmd_RetourSectorisation,
                                                          &Ong_Sectorisation,
                                                          &Txt_AntMedAidant,
                                                          &Txt_CentreMedAidant,
                                                          &Txt_QuartierAidant,
                                                          &Txt_SousSecteurAidant,
                                                          &Txt_SecteurAidant,
                                                          &Cbo_LibAntMedAidant,
                                                          &Cbo_LibCentreMedAidant,
                                                          &Cbo_LibMoyLocAidant,
                                                          &Cbo_LibSecteurAidant,
                                                          &Cbo_LibSousSecteurAidant,
                                                          &Cbo_LibQuartierAidant,
                                                          &Lst_Pos,
                                                          &Lst_Sel,
                                                          &Cmd_Ajoute,
                                                          &Cmd_Tous,
                                                          &Cmd_Ote};
  int index = 0;
  for (forms::Widget* widget : tabOrder)
    widget->SetTabIndex(index++);

  Cmd_OkSectorisation.SetHelpContextID(kHelpContext);
  Cmd_RetourSectorisation.SetHelpContextID(kHelpContext);
  for (const cascade::Level& level : cascade::kLevels) {
    for (forms::Widget* field : cascade::Fields(*this, level))
      field->SetHelpContextID(kHelpContext);
  }
}

void Ctr_Sectorisation::ConnectHandlers() {
  using Self = Ctr_Sectorisation;
  auto codeBox = [this](forms::TextBox& box, void (Self::*change)(),
                        void (Self::*keyPress)(basis::Integer&), void (Self::*lostFocus)()) {
    box.Change = [this, change] { (this->*change)(); };
    box.KeyPress = [this, keyPress](basis::Integer& keyAscii) { (this->*keyPress)(keyAscii); };
    box.LostFocus = [this, lostFocus] { (this->*lostFocus)(); };
  };
  codeBox(Txt_SecteurAidant, &Self::Txt_SecteurAidant_Change, &Self::Txt_SecteurAidant_KeyPress,
          &Self::Txt_SecteurAidant_LostFocus);
  codeBox(Txt_SousSecteurAidant, &Self::Txt_SousSecteurAidant_Change,
          &Self::Txt_SousSecteurAidant_KeyPress, &Self::Txt_SousSecteurAidant_LostFocus);
  codeBox(Txt_QuartierAidant, &Self::Txt_QuartierAidant_Change, &Self::Txt_QuartierAidant_KeyPress,
          &Self::Txt_QuartierAidant_LostFocus);
  codeBox(Txt_CentreMedAidant, &Self::Txt_CentreMedAidant_Change,
          &Self::Txt_CentreMedAidant_KeyPress, &Self::Txt_CentreMedAidant_LostFocus);
  codeBox(Txt_AntMedAidant, &Self::Txt_AntMedAidant_Change, &Self::Txt_AntMedAidant_KeyPress,
          &Self::Txt_AntMedAidant_LostFocus);

  auto labelList = [this](forms::ComboBox& list, void (Self::*change)(), void (Self::*click)()) {
    if (change != nullptr)
      list.Change = [this, change] { (this->*change)(); };
    list.Click = [this, click] { (this->*click)(); };
  };
  labelList(Cbo_LibSecteurAidant, &Self::Cbo_LibSecteurAidant_Change,
            &Self::Cbo_LibSecteurAidant_Click);
  labelList(Cbo_LibSousSecteurAidant, &Self::Cbo_LibSousSecteurAidant_Change,
            &Self::Cbo_LibSousSecteurAidant_Click);
  labelList(Cbo_LibQuartierAidant, &Self::Cbo_LibQuartierAidant_Change,
            &Self::Cbo_LibQuartierAidant_Click);
  labelList(Cbo_LibCentreMedAidant, &Self::Cbo_LibCentreMedAidant_Change,
            &Self::Cbo_LibCentreMedAidant_Click);
  labelList(Cbo_LibAntMedAidant, &Self::Cbo_LibAntMedAidant_Change,
            &Self::Cbo_LibAntMedAidant_Click);
  labelList(Cbo_LibMoyLocAidant, nullptr, &Self::Cbo_LibMoyLocAidant_Click);

  Cmd_Ajoute.Click = [this] { Cmd_Ajoute_Click(); };
  Cmd_Ote.Click = [this] { Cmd_Ote_Click(); };
  Cmd_Tous.Click = [this] { Cmd_Tous_Click(); };
  Lst_Pos.DblClick = [this] { Lst_Pos_DblClick(); };
  Lst_Sel.DblClick = [this] { Lst_Sel_DblClick(); };
  Cmd_OkSectorisation.Click = [this] { Cmd_OkSectorisation_Click(); };
  Cmd_RetourSectorisation.Click = [this] { Cmd_RetourSectorisation_Click(); };
  Mnu_Sommaire.Click = [this] { Mnu_Sommaire_Click(); };
  UserControl.QueryUnload = [this](basis::Integer& cancel) { UserControl_QueryUnload(cancel); };
  UserControl.MouseDown = [this](basis::Integer& button, basis::Integer& shift, float& x,
                                 float& y) { UserControl_MouseDown(button, shift, x, y); };
}
