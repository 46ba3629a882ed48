#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli/runner.h"
#include "frame/version.h"

namespace {

int RunCli(std::vector<std::string> args, std::string* out = nullptr, std::string* err = nullptr) {
  std::vector<char*> argv;
  static std::string prog = "pumpdrill-sim";
  argv.push_back(prog.data());
  for (auto& a : args) argv.push_back(a.data());
  std::ostringstream o, e;
  int rc = pumpdrill::RunnerMain(static_cast<int>(argv.size()), argv.data(), o, e);
  if (out) *out = o.str();
  if (err) *err = e.str();
  return rc;
}

}  // namespace

TEST(RunnerCli, HelpVersionAndUnknownOption) {
  std::string out, err;
  EXPECT_EQ(RunCli({"--help"}, &out), 0);
  EXPECT_NE(out.find("Usage: pumpdrill-sim"), std::string::npos);
  EXPECT_EQ(RunCli({"--version"}, &out), 0);
  EXPECT_EQ(out, pumpdrill::VersionReport("pumpdrill-sim"));
  EXPECT_EQ(out.rfind(std::string("pumpdrill-sim ") + PUMPDRILL_VERSION + "\n", 0), 0u) << out;
  EXPECT_NE(out.find("Evolution file format 2.0"), std::string::npos) << out;
  EXPECT_EQ(RunCli({"--frobnicate"}, &out, &err), 2);
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
  EXPECT_NE(err.find("--frobnicate"), std::string::npos);
}
