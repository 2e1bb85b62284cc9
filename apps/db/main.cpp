#include <iostream>

#include "DbTool.h"

int main(int argc, char** argv) {
  try {
    DbTool tool(std::cin, std::cout, std::cerr);
    return tool.Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (...) {
    // The tool reports its own failures; this is the last guard against an abort.
    std::cerr << "delvaro-db : erreur inattendue, rien n'a été écrit.\n";
    return 1;
  }
}
