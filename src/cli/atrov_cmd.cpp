#include <iostream>

#include "cli/commands.h"

namespace cli {

int Atrov(int, char**) {
  std::cerr << "rovas-cli: this command is not built yet\n";
  return 2;
}

}  // namespace cli
