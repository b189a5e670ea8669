#include <iostream>

#include "cli/commands.h"

namespace cli {

int Regex(int, char**) {
  std::cerr << "rovas-cli: this command is not built yet\n";
  return 2;
}

}  // namespace cli
