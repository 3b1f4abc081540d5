// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt Test runs one QObject per qExec; this registry lets every test file
// add its class and main.cpp run them all in one executable.
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace klebony::uitest {

using Factory = std::function<std::unique_ptr<QObject>()>;
inline std::vector<Factory>& registry() {
  static std::vector<Factory> all;
  return all;
}
struct Registration {
  explicit Registration(Factory f) { registry().push_back(std::move(f)); }
};

}  // namespace klebony::uitest

#define KLEBONY_UI_TEST(Class)                                     \
  static const klebony::uitest::Registration registration_##Class{ \
      [] { return std::unique_ptr<QObject>(new Class); }};
