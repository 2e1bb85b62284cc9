#include <iostream>
#include <string>
#include <vector>

#include "replay/ReplayTool.h"

int main(int argc, char** argv) {
  return scenario::RunReplayTool(std::vector<std::string>(argv + 1, argv + argc), std::cin,
                                 std::cout, std::cerr);
}
