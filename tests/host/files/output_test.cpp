// Where documents are written: devices stay devices, links stay links, modes
// and the umask are honoured, standard output is checked, a bad -o fails
// before any work, and an output that names the input is refused.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>

#include "files_host.h"

namespace fs = std::filesystem;
using testing::HasSubstr;
using testing::Not;

namespace {

constexpr char kStory[] = "W domu jest kot.\n";
// What "Typography In Box" makes of it: a no-break space after "W".
constexpr char kTypeset[] = "W\u00A0domu jest kot.\n";

class Output : public FilesTest {
 protected:
  std::string Input(const std::string& text = kStory) const { return File("story.txt", text); }
};

TEST_F(Output, DeviceNodeStaysADevice) {
  if (geteuid() != 0) GTEST_SKIP() << "mknod needs root";
  const std::string device = folder_ + "/null";
  ASSERT_EQ(mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
  const WirselRun run = host_.Run({"typo", Input(), "-o", device});
  EXPECT_EQ(run.status, 0) << run.err;
  struct stat st;
  ASSERT_EQ(stat(device.c_str(), &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));
}

TEST_F(Output, SymlinkStaysALinkAndItsTargetChanges) {
  const std::string target = folder_ + "/target.txt";
  const std::string link = folder_ + "/link.txt";
  WriteBytes(target, "old\n");
  fs::create_symlink("target.txt", link);
  WirselRun run = host_.Run({"typo", Input(), "-o", link});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(IsSymlink(link));
  EXPECT_EQ(ReadBytes(target), kTypeset);

  WriteBytes(target, kStory);
  run = host_.Run({"typo", "--in-place", link});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(IsSymlink(link));
  EXPECT_EQ(ReadBytes(target), kTypeset);
}

TEST_F(Output, ModeOfTheReplacedFileIsKeptAndNewFilesHonourTheUmask) {
  const std::string kept = folder_ + "/private.txt";
  WriteBytes(kept, "old\n");
  chmod(kept.c_str(), 0600);
  WirselRun run = host_.Run({"hyphenate", Input(), "-o", kept});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ModeOf(kept), 0600u);

  const mode_t old_mask = umask(077);
  run = host_.Run({"typo", Input(), "-o", folder_ + "/new.txt"});
  umask(old_mask);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ModeOf(folder_ + "/new.txt"), 0600u);
}

TEST_F(Output, FullStandardOutputIsAnError) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"typo", Input()}, {"hyph", "konstantynopolitańczyk"},
        {"proof", Input()}, {"spell", "kot"}}) {
    const WirselRun run = host_.Run(args, {{"<stdout>", "/dev/full"}});
    EXPECT_EQ(run.status, 2) << args[0];
    EXPECT_THAT(run.err, HasSubstr("standard output: cannot write: No space left on device"))
        << args[0];
  }
  const std::string pipe_input = folder_ + "/pipe.txt";
  WriteBytes(pipe_input, "kot\n");
  const WirselRun run =
      host_.Run({"spell", "-a"}, {{"<stdin>", pipe_input}, {"<stdout>", "/dev/full"}});
  EXPECT_EQ(run.status, 2);
}

TEST_F(Output, MissingOutputFolderFailsBeforeAnyWork) {
  // The dialog script would be used up by the check; a refusal before the
  // work leaves it untouched and says nothing else.
  const std::string script = folder_ + "/script.dlg";
  WriteBytes(script, "answer ok\n");
  const WirselRun run = host_.Run(
      {"check", Input("Ala ma kotek.\n"), "-o", "/missing/x", "--dialogs", script});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "wirsel: /missing/x: cannot write: the folder does not exist\n");
}

TEST_F(Output, OutputNamingTheInputIsRefusedUnlessInPlace) {
  const std::string input = Input();
  fs::create_symlink(input, folder_ + "/alias.txt");
  fs::create_hard_link(input, folder_ + "/hard.txt");
  const std::string dotted = folder_ + "/./story.txt";
  for (const std::string& out : {input, dotted, folder_ + "/alias.txt", folder_ + "/hard.txt"}) {
    for (const char* command : {"proof", "typo", "run"}) {
      const WirselRun run = host_.Run({command, input, "-o", out, "--format", "html"});
      EXPECT_EQ(run.status, 2) << command << " " << out;
      EXPECT_THAT(run.err, HasSubstr("names the input file; use --in-place")) << command;
    }
  }
  EXPECT_EQ(ReadBytes(input), kStory);
}

TEST_F(Output, DashIsStandardInputAndOutput) {
  const WirselRun run = host_.Run({"typo", "-", "-o", "-"}, {{"<stdin>", Input()}});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, kTypeset);
  EXPECT_FALSE(fs::exists(folder_ + "/-"));
}

TEST_F(Output, EmptyDocumentRoundTrips) {
  const std::string empty = Input("");
  for (const char* command : {"typo", "hyphenate", "dehyphenate", "proof", "check", "run"}) {
    const WirselRun run = host_.Run({command, empty});
    EXPECT_EQ(run.status, 0) << command << ": " << run.err;
    EXPECT_EQ(run.out, "") << command << ": " << run.err;
  }
}

}  // namespace
