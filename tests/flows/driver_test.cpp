// SPDX-FileCopyrightText: 2026 The Klebony developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the driver refuses and how it says so; the flows beside this file
// cover what it prints for a game.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "tools/headless/driver.h"
#include "tools/headless/protocol_names.h"

namespace klebony::headless {
namespace {

struct Outcome {
  int status = 0;
  std::string out;
  std::string err;
};

Outcome run(const std::string& script) {
  std::ostringstream out, err;
  Driver driver(out, err);
  std::istringstream in(script);
  Outcome r;
  r.status = driver.run(in);
  r.out = out.str();
  r.err = err.str();
  return r;
}

// Regression: 200 lines of "draws 0*1000000" took 1.6 GB and ended in std::bad_alloc.
TEST(DriverLimits, AFloodOfQueuedDrawsIsAnErrorAndCostsNoMemory) {
  std::string script;
  for (int i = 0; i < 100; ++i) script += "draws 0*1000000\n";
  Outcome full = run(script + "dump\n");
  EXPECT_EQ(full.status, 0) << full.err;
  EXPECT_NE(full.out.find("\"queued\":100000000,"), std::string::npos);

  Outcome flood = run(script + "draws 1\ndump\n");
  EXPECT_EQ(flood.status, 2);
  EXPECT_EQ(flood.err, "error: line 101: more than 100000000 draws queued\n");
  EXPECT_EQ(flood.out, "");
}

TEST(DriverLimits, AnOverlongLineIsAnErrorBeforeItIsReadWhole) {
  Outcome r = run("dump\n# " + std::string(100000, 'x') + "\ndump\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "error: line 2: line longer than 65536 bytes\n");
}

TEST(DriverLimits, ALongLineWithinTheLimitRuns) {
  Outcome r = run("# " + std::string(60000, 'x') + "\nseed 1\n");
  EXPECT_EQ(r.status, 0) << r.err;
}

// Regression: bytes that are not printable were echoed raw to standard error.
// Regression: a NUL byte cut the path short and the game was saved under the
// shorter name; a folder given as the script ran nothing and exited 0.
TEST(DriverLimits, APathWithANulByteAndAScriptThatIsNoFileAreErrors) {
  const std::string folder = ::testing::TempDir() + "driver-nul";
  std::filesystem::create_directories(folder);
  const Outcome nul = run("seed 1\nnewgame\nsave " + folder + "/game.klb" + std::string(1, '\0') + "x\n");
  EXPECT_EQ(nul.status, 2);
  EXPECT_EQ(nul.err, "error: line 3: save path with a NUL byte\n");
  EXPECT_TRUE(std::filesystem::is_empty(folder));

  std::ostringstream out, err;
  Driver driver(out, err);
  EXPECT_EQ(driver.runFile(folder), 2);
  EXPECT_EQ(err.str(), "error: " + folder + " is not a regular file\n");
  std::filesystem::remove_all(folder);
}

TEST(DriverMessages, TokensAreEchoedWithUnprintableBytesEscaped) {
  EXPECT_EQ(run("j\x1b[2Jump\n").err, "error: line 1: unknown command 'j\\x1b[2Jump'\n");
  EXPECT_EQ(run("draws 1\xff\n").err, "error: line 1: bad draw '1\\xff'\n");
  EXPECT_EQ(run("tick T\xd0\n").err, "error: line 1: unknown timer 'T\\xd0'\n");
  EXPECT_EQ(run("hint Метка\n").err, "error: line 1: unknown panel label 'Метка'\n");
  EXPECT_EQ(printable("a\\b\x7f\xc2\x85\xe2\x82\xac"), "a\\x5cb\\x7f\\xc2\\x85\xe2\x82\xac");
  EXPECT_EQ(printable("\xed\xa0\x80\xc0\xaf"), "\\xed\\xa0\\x80\\xc0\\xaf");  // a surrogate, an overlong '/'
}

// The protocol's panel labels run from Label3 to Label28; every other name,
// however close, is refused with the same message.
TEST(DriverProtocol, ScriptsReachExactlyThePanelLabelsThreeToTwentyEight) {
  for (int n = 0; n <= 30; ++n) {
    const std::string label = "Label" + std::to_string(n);
    const Outcome r = run("hint " + label + "\ncaption " + label + "\n");
    const bool accepted = n >= 3 && n <= 28;
    EXPECT_EQ(r.status, accepted ? 0 : 2) << label;
    if (!accepted) {
      EXPECT_EQ(r.err, "error: line 1: unknown panel label '" + label + "'\n");
    }
  }
  for (const char* near : {"Label03", "label3", "Label3x", "Label", "Llive"})
    EXPECT_EQ(run(std::string("caption ") + near + "\n").err,
              "error: line 1: unknown panel label '" + std::string(near) + "'\n");
}

// Each label stands for one item, and each value the dump shows has one key.
TEST(DriverProtocol, EveryPanelLabelNamesOneItemAndEveryValueOneKey) {
  std::set<std::string> labels, values;
  for (const PanelLabelName& row : kPanelLabelNames) {
    EXPECT_TRUE(labels.insert(row.label).second) << row.label;
    EXPECT_EQ(panelLabelNamed(row.label), &row);
    if (valueKey(row).empty()) continue;
    EXPECT_TRUE(values.insert(valueKey(row)).second) << valueKey(row);
    if (row.item) {
      EXPECT_EQ(panelLabelOf(*row.item), &row) << row.label;
    }
  }
}

}  // namespace
}  // namespace klebony::headless
