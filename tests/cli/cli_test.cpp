#include <gtest/gtest.h>

#include <sstream>

#include "cli/commands.h"
#include "core/messages.h"
#include "core/version.h"

namespace pfedit::cli {
namespace {

struct CliRun {
  explicit CliRun(const Args& args) : status(RunCli(args, out, err)) {}
  std::ostringstream out;
  std::ostringstream err;
  int status;
};

TEST(Cli, MessagesListsTheWholeTableInOrder) {
  CliRun run({"messages"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err.str(), "");
  std::istringstream lines(run.out.str());
  std::string line;
  std::size_t index = 0;
  const auto& all = AllMessages();
  while (std::getline(lines, line)) {
    ASSERT_LT(index, all.size());
    EXPECT_EQ(line, std::to_string(all[index].first) + "\t" + std::string(all[index].second));
    ++index;
  }
  EXPECT_EQ(index, all.size());
}

TEST(Cli, HelpAndVersionSucceed) {
  CliRun help({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.str().find("usage: pfedit-cli"), std::string::npos);
  CliRun version({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.str(), std::string("pfedit-cli ") + kVersionText + "\n");
}

TEST(Cli, UsageErrorsGiveOneLineOnStderrAndStatusTwo) {
  const Args cases[] = {{}, {"bogus"}, {"--bogus"}, {"messages", "extra"}};
  for (const Args& args : cases) {
    CliRun run(args);
    EXPECT_EQ(run.status, 2) << (args.empty() ? "(none)" : args.front());
    EXPECT_EQ(run.out.str(), "");
    const std::string err = run.err.str();
    EXPECT_FALSE(err.empty());
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
  }
}

}  // namespace
}  // namespace pfedit::cli
