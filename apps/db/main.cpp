#include <iostream>

#include "DbTool.h"

int main(int argc, char** argv) {
  DbTool tool(std::cin, std::cout, std::cerr);
  return tool.Run(std::vector<std::string>(argv + 1, argv + argc));
}
