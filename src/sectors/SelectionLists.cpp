#include "basis/Integer.h"
#include "control/Ctr_Sectorisation.h"
#include "control/Variables.h"
#include "record/AidantAttributes.h"

// The lock applies inside the operations: the buttons and lists stay usable, they just
// change nothing while sector entry is locked.
namespace {
bool SectorEntryLocked() {
  return Variables::SaisieSecteurBloquee == basis::True;
}

// The two lists always differ, so adding to one leaves the text read from the other in place.
void CopyEntry(const forms::ListBox& source, int index, forms::ListBox& destination) {
  destination.AddItem(source.ListView(index));
  destination.SetItemData(destination.NewIndex(), source.ItemData(index));
}
}  // namespace

void Ctr_Sectorisation::Cmd_Ajoute_Click() {
  Ajoute_Selection(Lst_Pos, Lst_Sel);
}

void Ctr_Sectorisation::Lst_Pos_DblClick() {
  Ajoute_Selection(Lst_Pos, Lst_Sel);
}

void Ctr_Sectorisation::Cmd_Ote_Click() {
  Ote_Selection(Lst_Sel);
}

void Ctr_Sectorisation::Lst_Sel_DblClick() {
  Ote_Selection(Lst_Sel);
}

// A sector stays possible once chosen; a label already selected is not added twice.
void Ctr_Sectorisation::Ajoute_Selection(forms::ListBox& source, forms::ListBox& destination) {
  if (SectorEntryLocked())
    return;
  const int n = source.ListCount();
  for (int i = 0; i < n; ++i) {
    const std::string_view text = source.ListView(i);
    const bool selected = source.Selected(i);
    const basis::Boolean found = Existe_DansListe(text, destination);
    if (selected && found == basis::False)
      CopyEntry(source, i, destination);
    source.SetSelected(i, false);
  }
}

basis::Boolean Ctr_Sectorisation::Existe_DansListe(std::string_view text, forms::ListBox& list) {
  for (int i = 0; i < list.ListCount(); ++i) {
    if (list.ListView(i) == text)
      return basis::True;
  }
  return basis::False;
}

// From the last entry to the first, so the indexes still to visit stay valid.
void Ctr_Sectorisation::Ote_Selection(forms::ListBox& list) {
  if (SectorEntryLocked())
    return;
  for (int i = list.ListCount() - 1; i >= 0; --i) {
    if (list.Selected(i))
      list.RemoveItem(i);
  }
}

void Ctr_Sectorisation::Cmd_Tous_Click() {
  if (SectorEntryLocked())
    return;
  const int n = Lst_Pos.ListCount();
  Lst_Sel.Clear();
  for (int i = 0; i < n; ++i)
    CopyEntry(Lst_Pos, i, Lst_Sel);
}

// The selected sectors as the record keeps them, in the record's order: each value that
// matches a possible sector adds it (twice if written twice), a sector no longer in the
// file is skipped. The lock does not apply: the screen still shows what is stored.
void Ctr_Sectorisation::RemplirListe_SecteursSel() {
  const long m = Variables::R_CivilAidant->DCount(record::kSecteursAssocies);
  for (long j = 1; j <= m; ++j) {
    const std::string value =
        Variables::R_CivilAidant->Extract(record::kSecteursAssocies, j).Text();
    const int possible = Lst_Pos.ListCount();
    for (int i = 0; i < possible; ++i) {
      if (value == basis::FormatThreeDigits(Lst_Pos.ItemData(i)))
        CopyEntry(Lst_Pos, i, Lst_Sel);
    }
  }
}
