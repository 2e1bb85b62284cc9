// A host of the installed component library: it brings the screen up for one aidant on
// a store of its own, then checks what a host relies on.
#include <delvaro/Version.h>

#include <delvaro/control/Ctr_Sectorisation.h>
#include <delvaro/forms/ScriptedHost.h>
#include <filesystem>
#include <iostream>

#include "SampleStore.h"
// The host's own forms/ folder: the library's headers never take it for theirs.
#include "forms/Widget.h"

static_assert(DELVARO_VERSION_MAJOR == 1, "the package's version header");

namespace {

int Fail(const std::string& what) {
  std::cerr << "sample-host: " << what << '\n';
  return 1;
}

}  // namespace

int main() {
  SampleStore store;
  const HostWidget own;
  forms::ScriptedHost host;
  Ctr_Sectorisation control(host, host);
  control.TheDatabase(store.database);
  control.TheClient(store.client);
  control.DroitsUtilisateur(store.rights);
  control.W_Code = "A1";
  control.Init();
  if (control.Cbo_LibSecteurAidant.List(0) != "Centre")
    return Fail("the sector list was not filled");

  control.Mnu_Sommaire.UserClick();
  const auto help = host.HelpCalls();
  if (help.empty() || !std::filesystem::exists(help.back().text))
    return Fail("no help file beside the library");
  std::cout << "help file: " << help.back().text << '\n';
  return 0;
}
