// rolvex-cli: plays ROLVEX without a window, from a script on standard input.
#include <iostream>

#include "tools/cli/driver.h"

int main() {
  std::ios::sync_with_stdio(false);
  return rolvex::cli::JouerScript(std::cin, std::cout, std::cerr);
}
