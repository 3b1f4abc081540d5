// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// klebony-headless [SCRIPT]: the game window's logic driven by a script.
#include <iostream>

#include "tools/headless/driver.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc > 2) {
    std::cerr << "error: usage: klebony-headless [SCRIPT]\n";
    return 2;
  }
  klebony::headless::Driver driver(std::cout, std::cerr);
  if (argc == 2) return driver.runFile(argv[1]);
  return driver.run(std::cin);
}
