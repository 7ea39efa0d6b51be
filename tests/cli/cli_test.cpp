#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

#include "catalogue/catalogue_text.h"
#include "cli/commands.h"
#include "core/messages.h"
#include "core/version.h"
#include "support/temp_folder.h"

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

// A stream that refuses every byte, or one that takes them and loses them at
// the flush, as a full disk or a closed output does.
class FailingBuffer : public std::streambuf {
 public:
  explicit FailingBuffer(bool at_flush) : at_flush_(at_flush) {}

 protected:
  int_type overflow(int_type c) override {
    return at_flush_ ? traits_type::not_eof(c) : traits_type::eof();
  }
  std::streamsize xsputn(const char*, std::streamsize count) override {
    return at_flush_ ? count : 0;
  }
  int sync() override { return at_flush_ ? -1 : 0; }

 private:
  bool at_flush_;
};

TEST(Cli, OutputThatCannotBeWrittenFailsTheRun) {
  test::TempFolder folder;
  folder.Write("tarvo_param.vfd", test::Sections(2));
  const std::string list = folder.Write("p.vfd", "1,A,0,0,0,0-9,0,10001,0,1,,,,,,,,,10,0\n");
  struct Case {
    Args args;
    int status;
  };
  // check keeps 1 for a list with faults.
  const Case cases[] = {{{"--version"}, 1},
                        {{"messages"}, 1},
                        {{"list", folder.path()}, 1},
                        {{"list", folder.path(), "--json"}, 1},
                        {{"check", list}, 2}};
  for (const bool at_flush : {false, true}) {
    for (const auto& [args, status] : cases) {
      FailingBuffer buffer(at_flush);
      std::ostream out(&buffer);
      std::ostringstream err;
      EXPECT_EQ(RunCli(args, out, err), status) << args.back() << " " << at_flush;
      EXPECT_EQ(err.str(), "pfedit-cli: the output could not be written\n") << args.back();
    }
  }
}

}  // namespace
}  // namespace pfedit::cli
