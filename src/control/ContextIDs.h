#pragma once

#include "basis/Export.h"

#include <string>

#include "basis/Variant.h"
#include "control/ProcessState.h"
#include "forms/HelpEngine.h"

// Help: the owner window and the help file, shared by every control of the process.
namespace ContextIDs {

inline constexpr const char* kHelpFileName = "Delvaro.HLP";

// The help settings of TheProcess under the names the screen's code uses.
inline auto& FenetreAide = TheProcess.FenetreAide;
inline auto& FichierAide = TheProcess.FichierAide;

// Keeps the window and locates the help file beside the control's library.
DELVARO_EXPORT void InitAide(const basis::Variant& fenetre);
// Tells the help engine the file is no longer needed.
DELVARO_EXPORT void FermerAide(forms::HelpEngine& help);
// Shows the contents of the help file.
DELVARO_EXPORT void AfficherSommaire(forms::HelpEngine& help);

// The help file in a folder: the folder is given without a final separator unless it
// is a root folder, which already ends with one.
DELVARO_EXPORT std::string CheminFichierAide(const std::string& dossier);
// The folder of the file (shared library or program) that holds the control's code.
DELVARO_EXPORT std::string DossierBibliotheque();

}  // namespace ContextIDs
