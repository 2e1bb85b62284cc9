#include "control/ContextIDs.h"

#include <dlfcn.h>
#include <link.h>

#include <filesystem>
#include <system_error>

#include "basis/Text.h"

namespace ContextIDs {
namespace {

// The file that holds this code: a shared library names itself in its link map; the main
// program has an empty name there and is found through the process instead.
std::filesystem::path BinaryOfThisCode() {
  Dl_info info{};
  link_map* map = nullptr;
  if (dladdr1(reinterpret_cast<void*>(&DossierBibliotheque), &info, reinterpret_cast<void**>(&map),
              RTLD_DL_LINKMAP) != 0 &&
      map != nullptr && map->l_name != nullptr && map->l_name[0] != '\0') {
    return map->l_name;
  }
  std::error_code error;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : program;
}

}  // namespace

void InitAide(const basis::Variant& fenetre) {
  FenetreAide = fenetre.ToLong();
  FichierAide = CheminFichierAide(DossierBibliotheque());
}

void FermerAide(forms::HelpEngine& help) {
  help.WinHelp(FenetreAide, FichierAide, forms::HelpEngine::kQuit, 0);
}

void AfficherSommaire(forms::HelpEngine& help) {
  help.WinHelp(FenetreAide, FichierAide, forms::HelpEngine::kShowContents, 0);
}

std::string CheminFichierAide(const std::string& dossier) {
  const std::string_view trimmed = basis::Trim(dossier);
  if (!trimmed.empty() && trimmed.back() == '/')
    return dossier + kHelpFileName;
  return dossier + "/" + kHelpFileName;
}

std::string DossierBibliotheque() {
  std::error_code error;
  std::filesystem::path binary = std::filesystem::absolute(BinaryOfThisCode(), error);
  if (error || binary.empty())
    return std::filesystem::current_path(error).string();
  return binary.parent_path().string();
}

}  // namespace ContextIDs
