#include <iostream>

#include "cli/commands.h"

namespace cli {

int Betukeszlet(int, char**) {
  std::cerr << "rovas-cli: this command is not built yet\n";
  return 2;
}

int Betukeszletek(int, char**) {
  std::cerr << "rovas-cli: this command is not built yet\n";
  return 2;
}

}  // namespace cli
