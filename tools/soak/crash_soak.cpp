// pfedit-soak: kills pfedit-cli with SIGKILL at random moments while it
// replaces files, and checks after every kill that each file it was
// replacing holds either its complete old or its complete new bytes.
//
// A generated edit folder is copied into the work folder. The driver then
// runs, in turn, `export` of two models into one export file and, when the
// program has the command, `import --yes` of two versions of one model
// (which replaces the model's parameter file and the catalogue). Each run is
// killed after a random delay of up to 1.2 times a normal run, half of them
// around the moment a run replaces its first file, so that runs are cut
// before, during and after their writes and some complete.
//
// Temporary names left behind by killed runs are names taken for good: once
// all ten of a file are taken, the next write reports message 1014. The
// driver then does what the message asks of a user, removes the stale
// temporaries, and counts it; the next run must write again.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "tools/gendata.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr const char* kUsage =
    "usage: pfedit-soak [--kills N] [--models M] [--rows R] [--seed S] PFEDIT_CLI WORK_FOLDER\n"
    "\n"
    "Kills PFEDIT_CLI export/import N times (default 1000) at random moments on a\n"
    "generated folder of M models (7 to 256, default 256) with R-record lists\n"
    "(default 1038, the most a list can hold and pass the check) inside\n"
    "WORK_FOLDER, which is emptied first, and checks every file after each kill.\n"
    "Exit 0 when every file was always complete, 1 otherwise, 2 for a usage or\n"
    "set-up error.\n";

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Write(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  return static_cast<bool>(out);
}

struct Exit {
  bool killed = false;
  int status = -1;  // the exit status when not killed
  std::string err;  // what the program wrote to stderr
};

class Runner {
 public:
  Runner(std::string program, fs::path err_file)
      : program_(std::move(program)), err_file_(std::move(err_file)) {}

  // Runs the program with the arguments; kills it after `delay` unless it
  // ended first. A delay of zero or less lets it run to its end.
  Exit Run(const std::vector<std::string>& args, std::chrono::microseconds delay) const {
    std::vector<std::string> all{program_};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all) argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, err_file_.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program_.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    Exit exit;
    if (spawned != 0) {
      exit.err = "cannot start " + program_;
      return exit;
    }
    int status = 0;
    if (delay.count() > 0) {
      std::this_thread::sleep_for(delay);
      if (waitpid(pid, &status, WNOHANG) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
      }
    } else {
      waitpid(pid, &status, 0);
    }
    exit.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    exit.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    exit.err = Read(err_file_);
    return exit;
  }

 private:
  std::string program_;
  fs::path err_file_;
};

// One command that moves a set of files between two known versions.
struct Scenario {
  std::string name;
  std::vector<fs::path> files;                     // the files it replaces
  std::vector<std::vector<std::string>> args;      // per version
  std::vector<std::vector<std::string>> versions;  // per version: bytes per file
  std::chrono::microseconds typical{0};
  int next = 0;  // the version the next run writes
  long aim = 0;  // microseconds after the start when a run replaces a file
  std::map<std::string, int> outcomes;
};

int Fail(const std::string& text) {
  std::cerr << "pfedit-soak: " << text << "\n";
  return 2;
}

std::vector<std::string> Snapshot(const Scenario& scenario) {
  std::vector<std::string> bytes;
  for (const fs::path& file : scenario.files) bytes.push_back(Read(file));
  return bytes;
}

// Removes every `name~n` of the scenario's files; returns how many there were.
int RemoveTemporaries(const Scenario& scenario) {
  int removed = 0;
  for (const fs::path& file : scenario.files) {
    for (char n = '0'; n <= '9'; ++n) {
      fs::path temporary = file;
      temporary += std::string("~") + n;
      std::error_code error;
      if (fs::remove(temporary, error)) ++removed;
    }
  }
  return removed;
}

// How many of the ten temporary names of each file are taken, per file.
std::vector<int> TakenTemporaries(const Scenario& scenario) {
  std::vector<int> taken;
  for (const fs::path& file : scenario.files) {
    int count = 0;
    for (char n = '0'; n <= '9'; ++n) {
      fs::path temporary = file;
      temporary += std::string("~") + n;
      std::error_code error;
      if (fs::exists(fs::symlink_status(temporary, error))) ++count;
    }
    taken.push_back(count);
  }
  return taken;
}

int CountTemporaries(const Scenario& scenario) {
  int count = 0;
  for (const int taken : TakenTemporaries(scenario)) count += taken;
  return count;
}

bool AllTemporariesTaken(const Scenario& scenario) {
  for (const int taken : TakenTemporaries(scenario)) {
    if (taken == 10) return true;
  }
  return false;
}

// Runs every version once to its end, from the last one back to the first,
// so that the files hold version 0 afterwards; records each version's
// bytes and the time a run takes.
bool Prepare(Scenario& scenario, const Runner& runner) {
  const std::size_t count = scenario.args.size();
  scenario.versions.assign(count, {});
  Clock::duration total{};
  for (std::size_t k = 0; k <= count; ++k) {
    const std::size_t version = (count - k) % count;  // 0, n-1, ..., 1, 0
    const Clock::time_point start = Clock::now();
    const Exit exit = runner.Run(scenario.args[version], std::chrono::microseconds(0));
    total += Clock::now() - start;
    if (exit.status != 0) {
      std::cerr << "pfedit-soak: " << scenario.name << " version " << version
                << " does not run: " << exit.err;
      return false;
    }
    scenario.versions[version] = Snapshot(scenario);
  }
  scenario.typical =
      std::chrono::duration_cast<std::chrono::microseconds>(total) / static_cast<int>(count + 1);
  scenario.next = 1;
  scenario.aim = scenario.typical.count() * 9 / 10;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  long kills_wanted = 1000;
  int models = pfedit::gendata::kDefaultModels;
  int rows = 1038;
  unsigned seed = std::random_device()();
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto number = [&](long* value) {
      if (i + 1 >= argc) return false;
      char* end = nullptr;
      *value = std::strtol(argv[++i], &end, 10);
      return *end == '\0' && *value > 0;
    };
    long value = 0;
    if (arg == "--help") {
      std::cout << kUsage;
      return 0;
    } else if (arg == "--kills" && number(&value)) {
      kills_wanted = value;
    } else if (arg == "--models" && number(&value) && value >= 7 && value <= 256) {
      models = static_cast<int>(value);
    } else if (arg == "--rows" && number(&value) && value <= 32767) {
      rows = static_cast<int>(value);
    } else if (arg == "--seed" && number(&value)) {
      seed = static_cast<unsigned>(value);
    } else if (arg.empty() || arg[0] == '-') {
      return Fail("bad option " + arg + "\n" + kUsage);
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 2) return Fail(std::string("two arguments needed\n") + kUsage);
  const std::string cli = fs::absolute(positional[0]).string();
  const fs::path work = fs::absolute(positional[1]);

  std::error_code error;
  fs::remove_all(work, error);
  fs::create_directories(work);
  const fs::path base = work / "generated";
  const fs::path folder = work / "folder";
  if (!pfedit::gendata::WriteSampleFolder(base.string(), models, rows)) {
    return Fail("cannot generate " + base.string());
  }
  fs::copy(base, folder, fs::copy_options::recursive);
  const Runner runner(cli, work / "stderr.txt");

  std::vector<Scenario> scenarios;
  // Export: two small models in turn into one file; not the first model,
  // whose list the import below changes.
  const fs::path out = work / "out.vf_";
  Scenario export_scenario;
  export_scenario.name = "export";
  export_scenario.files = {out};
  export_scenario.args = {{"export", folder.string(), "4", out.string()},
                          {"export", folder.string(), "7", out.string()}};
  scenarios.push_back(export_scenario);

  // Import, when the program has it: the first model in two versions that
  // differ in a parameter's name and in the model's name.
  // A program without the command calls it unknown.
  const bool has_import =
      runner.Run({"import"}, std::chrono::microseconds(0)).err.find("unknown command") ==
      std::string::npos;
  if (has_import) {
    if (runner
            .Run({"export", base.string(), "1", (work / "a.vf_").string()},
                 std::chrono::microseconds(0))
            .status != 0) {
      return Fail("cannot export the model to import");
    }
    // Version b: the first parameter's name and, when the program takes
    // that, the model's name end in "B".
    const std::string a = Read(work / "a.vf_");
    const std::size_t name = a.find(',');
    const std::size_t model = a.find("ModelName=");
    if (name == std::string::npos || model == std::string::npos) {
      return Fail("unexpected export file " + (work / "a.vf_").string());
    }
    std::string b = a;
    b.insert(name + 1, "B");
    std::string renamed = b;
    renamed.insert(renamed.find('\r', model + 1), "B");
    const std::string param_file = pfedit::gendata::ParameterFileNames(0).front();
    Scenario import_scenario;
    import_scenario.name = "import";
    import_scenario.files = {folder / "tarvo_param.vfd", folder / param_file};
    import_scenario.args = {{"import", folder.string(), (work / "a.vf_").string(), "--yes"},
                            {"import", folder.string(), (work / "b.vf_").string(), "--yes"}};
    Write(work / "b.vf_", renamed);
    if (!Prepare(import_scenario, runner)) {
      std::cerr << "pfedit-soak: trying version b without the new model name\n";
      Write(work / "b.vf_", b);
    }
    scenarios.push_back(import_scenario);
  }

  for (Scenario& scenario : scenarios) {
    if (!Prepare(scenario, runner)) return 2;
  }

  std::mt19937 random(seed);
  long kills = 0;
  long failures = 0;
  long runs = 0;
  long cleanups = 0;
  long temporaries_removed = 0;
  const Clock::time_point start = Clock::now();
  while (kills < kills_wanted) {
    Scenario& scenario = scenarios[static_cast<std::size_t>(runs++) % scenarios.size()];
    const int version = scenario.next;
    const std::vector<std::string> before = Snapshot(scenario);
    const std::vector<std::string>& after = scenario.versions[static_cast<std::size_t>(version)];
    // Half the kills anywhere in a run, half around the moment its first
    // file is replaced, which `aim` follows: later after a kill that came
    // before it, earlier after one that came after it.
    const long typical = scenario.typical.count();
    const bool aimed = random() % 2 == 0;
    std::uniform_int_distribution<long> anywhere(1, typical * 6 / 5);
    std::uniform_int_distribution<long> around(std::max(1L, scenario.aim - typical / 5),
                                               scenario.aim + typical / 10);
    const long delay = aimed ? around(random) : anywhere(random);
    const int temporaries_before = CountTemporaries(scenario);
    const Exit exit = runner.Run(scenario.args[static_cast<std::size_t>(version)],
                                 std::chrono::microseconds(delay));

    // Every file is whole: its bytes before the run or the version's.
    int changed = 0;
    int unchanged = 0;
    for (std::size_t f = 0; f < scenario.files.size(); ++f) {
      const fs::path& file = scenario.files[f];
      if (!fs::exists(file, error)) {
        ++failures;
        std::cerr << "run " << runs << ": " << file << " is missing\n";
        continue;
      }
      const std::string now = Read(file);
      if (now == after[f]) {
        ++(before[f] == after[f] ? unchanged : changed);
      } else if (now == before[f]) {
        ++unchanged;
      } else {
        ++failures;
        std::cerr << "run " << runs << ": " << file << " is partial (" << now.size()
                  << " bytes; old " << before[f].size() << ", new " << after[f].size() << ")\n";
        Write(work / ("partial-" + std::to_string(runs)), now);
      }
    }
    std::string outcome;
    if (exit.killed) {
      ++kills;
      const bool left_temporary = CountTemporaries(scenario) > temporaries_before;
      outcome = changed != 0     ? (unchanged == 0 ? "killed, everything replaced"
                                                   : "killed, some files replaced")
                : left_temporary ? "killed, a temporary left, nothing replaced"
                                 : "killed, nothing written yet";
      if (aimed) scenario.aim += (changed != 0 ? -1 : 1) * std::max(1L, typical / 50);
    } else if (exit.status == 0) {
      outcome = "completed";
    } else if (exit.err.find(": 1014:") != std::string::npos && AllTemporariesTaken(scenario)) {
      // What the user is told to do: the write failed, the temporaries are
      // leftovers of earlier failures.
      outcome = "refused with 1014: ten stale temporaries, removed";
      ++cleanups;
      temporaries_removed += RemoveTemporaries(scenario);
    } else {
      ++failures;
      outcome = "failed";
      std::cerr << "run " << runs << ": exit " << exit.status << ": " << exit.err;
    }
    ++scenario.outcomes[outcome];
    // Runs get slower and faster with the machine's load: a run that ended
    // before its kill moves the estimates earlier, a killed one later, so
    // that about one run in six still completes.
    const bool completed = !exit.killed;
    if (aimed && completed) scenario.aim -= std::max(1L, typical / 50);
    if (!aimed) {
      scenario.typical += std::chrono::microseconds(completed ? -typical / 20 : typical / 100);
    }
    // A version is done once every file holds it; until then it is retried.
    bool done = true;
    for (std::size_t f = 0; f < scenario.files.size(); ++f) {
      done = done && Read(scenario.files[f]) == after[f];
    }
    if (done) scenario.next = (version + 1) % static_cast<int>(scenario.versions.size());
  }

  // Stale temporaries never block for good: after the removal every
  // scenario writes again.
  for (Scenario& scenario : scenarios) {
    temporaries_removed += RemoveTemporaries(scenario);
    const std::size_t version = static_cast<std::size_t>(scenario.next);
    const Exit exit = runner.Run(scenario.args[version], std::chrono::microseconds(0));
    if (exit.status != 0 || Snapshot(scenario) != scenario.versions[version]) {
      ++failures;
      std::cerr << scenario.name << ": the final run did not write: " << exit.err;
    }
  }

  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::cout << "pfedit-soak: " << kills << " kills in " << runs << " runs, " << seconds
            << " s, seed " << seed << ", " << models << " models of " << rows << " records"
            << (has_import ? "" : "; the program has no import command, export only") << "\n";
  for (const Scenario& scenario : scenarios) {
    std::cout << "  " << scenario.name << " (a normal run " << scenario.typical.count() / 1000.0
              << " ms):\n";
    for (const auto& [outcome, count] : scenario.outcomes) {
      std::cout << "    " << count << "  " << outcome << "\n";
    }
  }
  std::cout << "  " << cleanups << " removals of ten stale temporaries, " << temporaries_removed
            << " temporaries removed in all\n";
  std::cout << "  " << failures << " files missing or partial, or runs failed\n";
  if (failures == 0) fs::remove_all(work, error);
  return failures == 0 ? 0 : 1;
}
