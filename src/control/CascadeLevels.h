#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "control/Ctr_Sectorisation.h"
#include "control/ProcessState.h"

// The levels of the sectorisation screen, declared once, in screen order: the five levels
// of the cascade, then the means of transport, which has a label list only. The layout,
// Init, the label check, the front ends and the tests learn here what a level is made of;
// what a level does when its code or its label changes stays in its own handlers.
namespace cascade {

enum LevelName : std::size_t { kSector, kSubSector, kDistrict, kCentre, kAntenna, kTransport };

struct Level {
  forms::Label Ctr_Sectorisation::*caption;
  // None for the means of transport, which is chosen by its label only.
  forms::TextBox Ctr_Sectorisation::*codeBox = nullptr;
  forms::ComboBox Ctr_Sectorisation::*labelList;
  // The result list whose rows the label list shows and where a typed code is looked up.
  basis::Ref<dba::DynamicArray> ProcessState::*referenceList = nullptr;
  // The length of the level's own part of its keys, which is all its code box shows.
  std::size_t codeLength = 0;
  // Keys nest: a level's key is the key of the level above it followed by its own code.
  std::optional<LevelName> above = std::nullopt;
  // The message for a complete code that its reference list does not hold.
  const char* unknownCode = nullptr;
  // The label check's message when the label list holds no choice.
  const char* missingChoice;
  // Restricted mode keeps the level's entry disabled.
  bool lockedInRestrictedMode = false;
};

inline constexpr Level kLevels[] = {
    {.caption = &Ctr_Sectorisation::Etq_SecteurAidant,
     .codeBox = &Ctr_Sectorisation::Txt_SecteurAidant,
     .labelList = &Ctr_Sectorisation::Cbo_LibSecteurAidant,
     .referenceList = &ProcessState::L_Secteur,
     .codeLength = 3,
     .unknownCode = "Ce secteur n'existe pas.",
     .missingChoice = "Vous devez choisir un secteur.",
     .lockedInRestrictedMode = true},
    {.caption = &Ctr_Sectorisation::Etq_SousSecteurAidant,
     .codeBox = &Ctr_Sectorisation::Txt_SousSecteurAidant,
     .labelList = &Ctr_Sectorisation::Cbo_LibSousSecteurAidant,
     .referenceList = &ProcessState::L_SousSecteur,
     .codeLength = 2,
     .above = kSector,
     .unknownCode = "Ce sous-secteur n'existe pas.",
     .missingChoice = "Vous devez choisir un sous-secteur.",
     .lockedInRestrictedMode = true},
    {.caption = &Ctr_Sectorisation::Etq_QuartierAidant,
     .codeBox = &Ctr_Sectorisation::Txt_QuartierAidant,
     .labelList = &Ctr_Sectorisation::Cbo_LibQuartierAidant,
     .referenceList = &ProcessState::L_Quartier,
     .codeLength = 2,
     .above = kSubSector,
     .unknownCode = "Ce quartier n'existe pas.",
     .missingChoice = "Vous devez choisir un quartier.",
     .lockedInRestrictedMode = true},
    {.caption = &Ctr_Sectorisation::Etq_CentreMedAidant,
     .codeBox = &Ctr_Sectorisation::Txt_CentreMedAidant,
     .labelList = &Ctr_Sectorisation::Cbo_LibCentreMedAidant,
     .referenceList = &ProcessState::L_CentreMedical,
     .codeLength = 3,
     .unknownCode = "Ce centre médical n'existe pas.",
     .missingChoice = "Vous devez choisir un centre médical."},
    {.caption = &Ctr_Sectorisation::Etq_AntMedAidant,
     .codeBox = &Ctr_Sectorisation::Txt_AntMedAidant,
     .labelList = &Ctr_Sectorisation::Cbo_LibAntMedAidant,
     .referenceList = &ProcessState::L_AntenneMedicale,
     .codeLength = 3,
     .above = kCentre,
     .unknownCode = "Cette antenne médicale n'existe pas.",
     .missingChoice = "Vous devez choisir une antenne médicale."},
    {.caption = &Ctr_Sectorisation::Etq_MoyLocAidant,
     .labelList = &Ctr_Sectorisation::Cbo_LibMoyLocAidant,
     .missingChoice = "Vous devez choisir un moyen de locomotion.",
     .lockedInRestrictedMode = true},
};

// Where the level's own code starts in its keys, counted from 1.
constexpr std::size_t CodeStart(LevelName name) {
  const std::optional<LevelName> above = kLevels[name].above;
  return above ? CodeStart(*above) + kLevels[*above].codeLength : 1;
}

// The texts of the code boxes of the levels above, which start every key the level's code
// box stands for: a district's code is looked up under its sector's and sub-sector's.
std::string KeyPrefix(const Ctr_Sectorisation& control, const Level& level);

// The level's code box, when it has one, then its label list.
std::vector<forms::Widget*> Fields(Ctr_Sectorisation& control, const Level& level);

}  // namespace cascade
