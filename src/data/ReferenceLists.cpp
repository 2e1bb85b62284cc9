#include <functional>
#include <string>
#include <string_view>

#include "control/Ctr_Sectorisation.h"
#include "control/Variables.h"
#include "fields/ReferenceLayout.h"
#include "fields/ReferenceRows.h"
#include "fields/TextParts.h"

namespace {

using basis::Ref;
using dba::DynamicArray;

// Sends one reference query, asking for two columns: the key and the label.
std::shared_ptr<DynamicArray> ExecuteReferenceQuery(const std::string& statement,
                                                    const std::string& file) {
  DynamicArray request;
  request.Replace(1, statement);
  request.Replace(2, file);
  request.Replace(3, "0 1");
  long outValue = 0;
  return Variables::TheDatabase->ExecuteQuery(request.Text(), basis::Variant(""), outValue);
}

basis::Integer ToCount(long count) {
  return basis::ToInteger(static_cast<long long>(count));
}

// Refills a label list with the labels of the rows, in row order: entry p stands for row
// p + 1, which is how the lookups find a chosen entry's key again. Gives the row count.
// The labels are read in place, and the list reuses the storage of its previous entries.
basis::Integer FillLabelList(
    forms::ComboBox& list, const Ref<DynamicArray>& rows,
    const std::function<void(basis::Integer row, std::string_view label)>& alsoForRow = {}) {
  // Held here, so that the labels read stay valid whatever the list's observer does.
  const Ref<DynamicArray> kept = rows;
  const basis::Integer n = ToCount(kept->DCount());
  list.Clear();
  std::string scratch;
  for (basis::Integer i = 0; i < n; i = basis::Add(i, 1)) {
    const basis::Integer r = basis::Add(i, 1);
    const std::string_view label = fields::RowLabelView(kept, r, scratch);
    list.AddItem(label);
    if (alsoForRow)
      alsoForRow(r, label);
  }
  return n;
}

std::string WithKeyPrefix(const std::string& file, const std::string& prefix) {
  return "SSELECT " + file + " = '" + prefix + "]' PAR 1";
}

}  // namespace

// The possible sectors are appended, never cleared: Init fills them once.
void Ctr_Sectorisation::RemplirCombo_SecteurAidant() {
  using Variables::L_Secteur;
  L_Secteur = ExecuteReferenceQuery("SSELECT SECTEUR PAR 1", "SECTEUR");
  FillLabelList(
      Cbo_LibSecteurAidant, L_Secteur, [this](basis::Integer row, std::string_view label) {
        Lst_Pos.AddItem(label);
        Lst_Pos.SetItemData(Lst_Pos.NewIndex(), basis::ToInteger(fields::RowKey(L_Secteur, row)));
      });
}

void Ctr_Sectorisation::RemplirCombo_SousSecteurAidant() {
  Variables::L_SousSecteur =
      ExecuteReferenceQuery(WithKeyPrefix("SOUSSECTEUR", CodeSecteur), "SOUSSECTEUR");
  NbSousSecteurs = FillLabelList(Cbo_LibSousSecteurAidant, Variables::L_SousSecteur);
}

void Ctr_Sectorisation::RemplirCombo_QuartierAidant() {
  Variables::L_Quartier =
      ExecuteReferenceQuery(WithKeyPrefix("QUARTIER", CodeSousSecteur), "QUARTIER");
  NbQuartiers = FillLabelList(Cbo_LibQuartierAidant, Variables::L_Quartier);
}

void Ctr_Sectorisation::RemplirCombo_CentreMedAidant() {
  Variables::L_CentreMedical =
      ExecuteReferenceQuery("SSELECT CENTREMEDICAL PAR 1", "CENTREMEDICAL");
  FillLabelList(Cbo_LibCentreMedAidant, Variables::L_CentreMedical);
}

// A medical centre with a single antenna shows it at once; the texts set here run the
// antenna box's and list's own reactions.
void Ctr_Sectorisation::RemplirCombo_AntMedAidant() {
  using Variables::L_AntenneMedicale;
  L_AntenneMedicale =
      ExecuteReferenceQuery(WithKeyPrefix("ANTENNEMEDICALE", CodeCentreMedical), "ANTENNEMEDICALE");
  const basis::Integer n = FillLabelList(Cbo_LibAntMedAidant, L_AntenneMedicale);
  if (n == 1) {
    Txt_AntMedAidant.SetText(
        fields::FromCharacter(fields::RowKey(L_AntenneMedicale, 1), fields::kAntennaCodeStart));
    Cbo_LibAntMedAidant.SetText(fields::RowLabel(L_AntenneMedicale, 1));
    CodeAntenneMedicale = fields::RowKey(L_AntenneMedicale, 1);
  }
}

// The means of transport are one record: codes in attribute 2, their labels value by value
// in attribute 3. Only as many labels as there are codes are offered.
void Ctr_Sectorisation::RemplirCombo_MoyensLoc() {
  using Variables::R_MoyensLoc;
  R_MoyensLoc.Release();
  R_MoyensLoc = Variables::F_Tables->ReadRecord(fields::kMeansOfTransportKey);
  const basis::Integer n = ToCount(R_MoyensLoc->DCount(fields::kMeansOfTransportCodes));
  Cbo_LibMoyLocAidant.Clear();
  for (basis::Integer i = 1; i <= n; i = basis::Add(i, 1))
    Cbo_LibMoyLocAidant.AddItem(R_MoyensLoc->Extract(fields::kMeansOfTransportLabels, i).Text());
}
