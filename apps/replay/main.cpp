#include <iostream>
#include <string>
#include <vector>

#include "replay/ReplayTool.h"

int main(int argc, char** argv) {
  try {
    return scenario::RunReplayTool(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                   std::cerr);
  } catch (...) {
    // The tool reports its own failures; this is the last guard against an abort.
    std::cerr << "delvaro-replay : erreur inattendue, le rejeu s'est arrêté.\n";
    return 2;
  }
}
