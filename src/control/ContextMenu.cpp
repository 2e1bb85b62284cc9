#include "control/ContextIDs.h"
#include "control/Ctr_Sectorisation.h"

namespace {
constexpr basis::Integer kRightButtonOnly = 2;
}  // namespace

void Ctr_Sectorisation::UserControl_MouseDown(basis::Integer& Button, basis::Integer&, float&,
                                              float&) {
  if (Button != kRightButtonOnly)
    return;
  Mnu_Aide.SetEnabled(true);
  Mnu_Sommaire.SetEnabled(true);
  Host.PopupMenu(Mnu_Aide);
}

void Ctr_Sectorisation::Mnu_Sommaire_Click() {
  ContextIDs::AfficherSommaire(Help);
}
