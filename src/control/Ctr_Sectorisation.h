#pragma once

#include "basis/Export.h"

#include <memory>
#include <string>
#include <string_view>

#include "basis/Integer.h"
#include "basis/Ref.h"
#include "basis/Variant.h"
#include "dba/DatabaseClient.h"
#include "dba/DatabaseConnection.h"
#include "dba/DynamicArray.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/HelpEngine.h"
#include "forms/HostServices.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/Menu.h"
#include "forms/Surface.h"
#include "forms/TabStrip.h"
#include "forms/TextBox.h"
#include "rights/ScreenRights.h"
#include "rights/UserRights.h"

namespace cascade {
struct Level;
}  // namespace cascade

// The sectorisation screen of an aidant. The host creates it, hands it TheDatabase,
// TheClient and DroitsUtilisateur, sets W_Code and calls Init; from then on every
// event of a widget is handled here. Its member functions are defined in the folders
// of their areas: control/ (life cycle, layout, help, Init), data/ (reference lists,
// single choices), fields/ (code boxes, label lists), sectors/ (selection lists) and
// record/ (reading, display, saving, leaving).
class DELVARO_EXPORT Ctr_Sectorisation {
 public:
  // Creating the control runs UserControl_Initialize.
  Ctr_Sectorisation(forms::HostServices& host, forms::HelpEngine& help, long windowHandle = 0);
  // Destroying it runs UserControl_Terminate.
  ~Ctr_Sectorisation();
  Ctr_Sectorisation(const Ctr_Sectorisation&) = delete;
  Ctr_Sectorisation& operator=(const Ctr_Sectorisation&) = delete;

  // ---- Public interface, in interface order. ----
  std::string W_NomPrenom;
  std::string W_Code;
  basis::Boolean W_SortirSectorisation = basis::False;

  void DroitsUtilisateur(const std::shared_ptr<rights::UserRights>& droits);
  void TheClient(const std::shared_ptr<dba::DatabaseClient>& client);
  void TheDatabase(const std::shared_ptr<dba::DatabaseConnection>& database);

  void Init();
  void RemplirCombo_SecteurAidant();
  void RemplirCombo_SousSecteurAidant();
  void Affiche_SousSecteurUnique();
  void RemplirCombo_QuartierAidant();
  void Affiche_QuartierUnique();
  void RemplirCombo_MoyensLoc();
  void Ecriture_Sectorisation();
  void Affichage_Sectorisation();
  void Verif_Libelles();
  void RemplirCombo_CentreMedAidant();
  void RemplirCombo_AntMedAidant();
  void Lecture();

  // ---- The screen's widgets, for the front ends and the tests. ----
  forms::HostServices& Host;
  forms::HelpEngine& Help;
  forms::Surface UserControl;

  forms::Label Etq_Aidant{UserControl, "Etq_Aidant", "Aidant : "};
  forms::Label Etq_CodeNomPrenomAidant{UserControl, "Etq_CodeNomPrenomAidant"};
  forms::TabStrip Ong_Sectorisation{
      UserControl, "Ong_Sectorisation", {"Sectorisation", "Secteurs associés"}};
  forms::Label Etq_SecteurAidant{UserControl, "Etq_SecteurAidant", "Secteur"};
  forms::Label Etq_SousSecteurAidant{UserControl, "Etq_SousSecteurAidant", "Sous-Secteur"};
  forms::Label Etq_QuartierAidant{UserControl, "Etq_QuartierAidant", "Quartier"};
  forms::Label Etq_CentreMedAidant{UserControl, "Etq_CentreMedAidant", "Centre Médical"};
  forms::Label Etq_AntMedAidant{UserControl, "Etq_AntMedAidant", "Antenne Médicale"};
  forms::Label Etq_MoyLocAidant{UserControl, "Etq_MoyLocAidant", "Moyen de Locomotion"};
  forms::TextBox Txt_SecteurAidant{UserControl, "Txt_SecteurAidant"};
  forms::TextBox Txt_SousSecteurAidant{UserControl, "Txt_SousSecteurAidant"};
  forms::TextBox Txt_QuartierAidant{UserControl, "Txt_QuartierAidant"};
  forms::TextBox Txt_CentreMedAidant{UserControl, "Txt_CentreMedAidant"};
  forms::TextBox Txt_AntMedAidant{UserControl, "Txt_AntMedAidant"};
  forms::ComboBox Cbo_LibSecteurAidant{UserControl, "Cbo_LibSecteurAidant",
                                       forms::ComboStyle::Editable};
  forms::ComboBox Cbo_LibSousSecteurAidant{UserControl, "Cbo_LibSousSecteurAidant",
                                           forms::ComboStyle::Editable};
  forms::ComboBox Cbo_LibQuartierAidant{UserControl, "Cbo_LibQuartierAidant",
                                        forms::ComboStyle::Editable};
  forms::ComboBox Cbo_LibCentreMedAidant{UserControl, "Cbo_LibCentreMedAidant",
                                         forms::ComboStyle::Editable};
  forms::ComboBox Cbo_LibAntMedAidant{UserControl, "Cbo_LibAntMedAidant",
                                      forms::ComboStyle::Editable};
  forms::ComboBox Cbo_LibMoyLocAidant{UserControl, "Cbo_LibMoyLocAidant",
                                      forms::ComboStyle::ListOnly};
  forms::Label Etq_Pos{UserControl, "Etq_Pos", "Secteurs possibles"};
  forms::Label Etq_Sel{UserControl, "Etq_Sel", "Secteurs sélectionnés"};
  forms::ListBox Lst_Pos{UserControl, "Lst_Pos"};
  forms::ListBox Lst_Sel{UserControl, "Lst_Sel"};
  forms::CommandButton Cmd_Tous{UserControl, "Cmd_Tous", "Tous"};
  forms::CommandButton Cmd_Ajoute{UserControl, "Cmd_Ajoute", "-->"};
  forms::CommandButton Cmd_Ote{UserControl, "Cmd_Ote", "<--"};
  forms::CommandButton Cmd_OkSectorisation{UserControl, "Cmd_OkSectorisation", "OK"};
  forms::CommandButton Cmd_RetourSectorisation{UserControl, "Cmd_RetourSectorisation", "Retour"};
  forms::Menu Mnu_Aide{UserControl, "Mnu_Aide", "Aide"};
  forms::Menu Mnu_Sommaire{UserControl, "Mnu_Sommaire", "Aide_TARVENO", &Mnu_Aide};

 private:
  friend class Ctr_SectorisationInspector;  // read-only view for the tests

  // ---- control/: life cycle, layout, help, initialisation. ----
  void UserControl_Initialize();
  void UserControl_Terminate();
  void ArrangeWidgets();
  void ConnectHandlers();
  void UserControl_MouseDown(basis::Integer& Button, basis::Integer& Shift, float& X, float& Y);
  void Mnu_Sommaire_Click();
  void AppliquerDroits();

  // ---- fields/: the code boxes and the label lists. ----
  void Txt_SecteurAidant_Change();
  void Txt_SecteurAidant_KeyPress(basis::Integer& KeyAscii);
  void Txt_SecteurAidant_LostFocus();
  void Txt_SousSecteurAidant_Change();
  void Txt_SousSecteurAidant_KeyPress(basis::Integer& KeyAscii);
  void Txt_SousSecteurAidant_LostFocus();
  void Txt_QuartierAidant_Change();
  void Txt_QuartierAidant_KeyPress(basis::Integer& KeyAscii);
  void Txt_QuartierAidant_LostFocus();
  void Txt_CentreMedAidant_Change();
  void Txt_CentreMedAidant_KeyPress(basis::Integer& KeyAscii);
  void Txt_CentreMedAidant_LostFocus();
  void Txt_AntMedAidant_Change();
  void Txt_AntMedAidant_KeyPress(basis::Integer& KeyAscii);
  void Txt_AntMedAidant_LostFocus();
  void Cbo_LibSecteurAidant_Change();
  void Cbo_LibSousSecteurAidant_Change();
  void Cbo_LibQuartierAidant_Change();
  void Cbo_LibCentreMedAidant_Change();
  void Cbo_LibAntMedAidant_Change();
  void Cbo_LibSecteurAidant_Click();
  void Cbo_LibSousSecteurAidant_Click();
  void Cbo_LibQuartierAidant_Click();
  void Cbo_LibCentreMedAidant_Click();
  void Cbo_LibAntMedAidant_Click();
  void Cbo_LibMoyLocAidant_Click();
  // fields/ private helpers are declared below this line.
  // The frame every code box's reaction shares: a text of another length than the
  // level's code runs the incomplete steps; a complete code is searched for in the
  // level's reference list under the texts of the levels above, and either runs the found
  // steps with its row or is refused (message, box emptied, focus given back).
  void Reaction_CodeSaisi(const cascade::Level& niveau,
                          const std::function<void()>& etapesIncompletes,
                          const std::function<void(basis::Integer ligne)>& etapesTrouvees);
  // Completes a short code of the level's box with leading zeros; an empty box only when
  // asked to.
  void Completer_Zeros(const cascade::Level& niveau, bool aussiVide);
  // A label list whose text is emptied empties its code box.
  void Vider_CodeSiLibelleVide(const forms::ComboBox& libelle, forms::TextBox& box);
  // The label of a means-of-transport code: that of its first entry in the table, the
  // empty text when the table has none.
  std::string Libelle_MoyenLoc(basis::Integer code) const;
  // Whether the means-of-transport list shows a label whose entry's code is CodeMoyenLoc.
  bool MoyenLoc_Choisi() const;

  // ---- sectors/: the lists of possible and selected sectors. ----
  void Cmd_Ajoute_Click();
  void Cmd_Ote_Click();
  void Cmd_Tous_Click();
  void Lst_Pos_DblClick();
  void Lst_Sel_DblClick();
  void Ajoute_Selection(forms::ListBox& source, forms::ListBox& destination);
  void Ote_Selection(forms::ListBox& list);
  basis::Boolean Existe_DansListe(std::string_view text, forms::ListBox& list);
  void RemplirListe_SecteursSel();

  // ---- record/: saving and leaving. ----
  void Cmd_OkSectorisation_Click();
  void Cmd_RetourSectorisation_Click();
  void UserControl_QueryUnload(basis::Integer& Cancel);
  // record/ private helpers are declared below this line.
  // The aidant's record as Init read it. An aidant without a record has nothing to
  // show a stored antenna from or to write into: a clear error says so.
  const basis::Ref<dba::DynamicArray>& Article_Aidant() const;
  // Puts the sectorisation attributes and the selected sectors into R_CivilAidant.
  void Poser_Sectorisation(const std::string& secteur, const std::string& sousSecteur,
                           const std::string& quartier, const std::string& antenne);
  // The display properties set around the write of OK.
  void Marquer_Occupe();
  // Tells the host that the screen was left and unloads its window.
  void Quitter_Ecran();

  // ---- data/ private helpers are declared below this line. ----

  // ---- Instance state, in declaration order. ----
  basis::Ref<rights::UserRights> DroitsUtilisateur_;
  basis::Ref<rights::ScreenRights> DroitsEcran;
  basis::Boolean LibellesOk = basis::False;
  std::string CodeSecteur;
  std::string CodeSousSecteur;
  std::string CodeQuartier;
  std::string CodeCentreMedical;
  std::string CodeAntenneMedicale;
  basis::Integer CodeMoyenLoc = 0;
  basis::Integer NbQuartiers = 0;
  basis::Integer NbSousSecteurs = 0;
  std::string ArticleInitial;
  basis::Variant NiveauAccesInitial;
};
