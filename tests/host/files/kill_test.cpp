// `hyphenate --in-place` on 2 MB, killed with SIGKILL at random moments: the
// file is always either the original or the complete result, and the
// temporaries of killed runs are gone once the next run has written.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <thread>

#include "files_host.h"

namespace {

using Clock = std::chrono::steady_clock;

// Starts `wirsel hyphenate --in-place path` for the host; answers its pid.
pid_t Start(const DictHost& host, const std::string& path) {
  const pid_t child = fork();
  if (child == 0) {
    setenv("WIRSEL_HOST_DIR", host.folder().c_str(), 1);
    setenv("XDG_DATA_HOME", (host.folder() + "/data").c_str(), 1);
    freopen("/dev/null", "w", stderr);
    execl(WIRSEL_BINARY, WIRSEL_BINARY, "hyphenate", "--in-place", path.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  return child;
}

int Wait(pid_t child) {
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

TEST(KillTest, InPlaceWriteIsAllOrNothing) {
  const FilesHost host;
  const std::string folder = TempFolder();
  const std::string path = folder + "/book.txt";
  std::string original;
  const std::string paragraph =
      "Konstantynopolitańczykowianeczka przyglądała się niedźwiedziowi w Warszawie.\n";
  while (original.size() < (2u << 20)) original += paragraph;
  WriteBytes(path, original);

  const auto started = Clock::now();
  ASSERT_EQ(Wait(Start(host, path)), 0);
  const auto full_run = Clock::now() - started;
  const std::string result = ReadBytes(path);
  ASSERT_NE(result, original);

  std::mt19937 random(2024);
  const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(full_run).count();
  int interrupted = 0;
  for (int run = 0; run < 100; ++run) {
    WriteBytes(path, original);
    const pid_t child = Start(host, path);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % (micros + 1)));
    kill(child, SIGKILL);
    const int status = Wait(child);
    if (WIFSIGNALED(status)) ++interrupted;
    const std::string now = ReadBytes(path);
    ASSERT_TRUE(now == original || now == result) << "run " << run << ": " << now.size() << " bytes";
  }
  EXPECT_GT(interrupted, 0);
  ASSERT_EQ(Wait(Start(host, path)), 0);
  EXPECT_EQ(ReadBytes(path), result);
  EXPECT_EQ(Names(folder), std::vector<std::string>{"book.txt"});
}

}  // namespace
