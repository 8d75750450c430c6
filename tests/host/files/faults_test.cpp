// The fault switch (WIRSEL_FAULT) makes a write, sync or rename fail: every
// writer keeps the old file whole, says which file and why, ends with exit
// status 2 and leaves no temporary file behind.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "files_host.h"

using testing::HasSubstr;

namespace {

struct Fault {
  const char* setting;
  const char* reason;
};

const Fault kFaults[] = {{"write:1:ENOSPC", "No space left on device"},
                         {"sync:1:EIO", "Input/output error"},
                         {"rename:1:EIO", "Input/output error"}};

class Faults : public FilesTest, public testing::WithParamInterface<Fault> {
 protected:
  Faults() : FilesTest("[1Typografia]\n8SpacjaLacz=1\n") {}
  // Runs `args` under the fault and checks what every writer must do for
  // `file` (whose bytes before the run are `before`).
  void Expect(const std::vector<std::string>& args, const std::string& file,
              const std::map<std::string, std::string>& env = {}) {
    const std::string before = ReadBytes(file);
    const std::vector<std::string> names_before = Names(Folder(file));
    std::map<std::string, std::string> with_fault = env;
    with_fault["WIRSEL_FAULT"] = GetParam().setting;
    const WirselRun run = host_.Run(args, with_fault);
    EXPECT_EQ(run.status, 2) << args[0] << ": " << run.err;
    EXPECT_THAT(run.err, HasSubstr(file)) << args[0];
    EXPECT_THAT(run.err, HasSubstr(GetParam().reason)) << args[0];
    EXPECT_EQ(ReadBytes(file), before) << args[0];
    EXPECT_EQ(Names(Folder(file)), names_before) << args[0];
  }
  static std::string Folder(const std::string& file) { return file.substr(0, file.rfind('/')); }
};

TEST_P(Faults, DocumentWrittenWithOutputOrInPlace) {
  const std::string story = File("story.txt", "W domu jest kot.\n");
  Expect({"typo", story, "-o", File("out.txt", "old output\n")}, folder_ + "/out.txt");
  Expect({"proof", story, "-o", folder_ + "/out.txt"}, folder_ + "/out.txt");
  Expect({"hyphenate", "--in-place", story}, story);
}

TEST_P(Faults, UserDictionaryOfEitherFormat) {
  Expect({"dict", "add", "wirsel"}, host_.xtensions() + "/user.dic");
  const std::string plain = File("plain.dic", "kotek\n");
  Expect({"dict", "-p", plain, "add", "wirsel"}, plain);
  Expect({"dict", "-p", plain, "import", File("more.dic", "piesek\n")}, plain);
}

TEST_P(Faults, WordListFromThePipeAndTheDictCommand) {
  const std::string list = host_.xtensions() + "/user.txt";
  WriteBytes(list, "señor\n");
  Expect({"spell", "-a"}, list, {{"<stdin>", File("in.txt", "*für\nfür\n")}});
  Expect({"dict", "add", "für"}, list);
}

TEST_P(Faults, ExceptionListFromTheEditor) {
  const std::string script = File("exc.dlg",
                                  "dialog \"Hyphenation Preferences\"\n"
                                  "click \"Edit Hyph Exceptions\"\n"
                                  "dialog \"Edit list\"\nset 1079 kon-trast\nclick Add\n"
                                  "answer ok\n"
                                  "ok\ncancel\n");
  Expect({"run", File("s.txt", "kot\n"), "--do", "Hyphenation Preferences...", "--dialogs",
          script},
         host_.xtensions() + "/PLHYPH.USR");
}

TEST_P(Faults, SettingsFromAPreferencesDialogThatStaysOpen) {
  const std::string script = File("prefs.dlg",
                                  "dialog \"Typography Preferences\"\n"
                                  "uncheck \"Space-hyphen-space\"\nok\n"
                                  "answer ok\n"
                                  "expect \"Space-hyphen-space\"\ncancel\n");
  Expect({"run", File("s.txt", "kot\n"), "--do", "Typography Preferences...", "--dialogs", script},
         host_.xtensions() + "/Wirsel13.ini");
}

INSTANTIATE_TEST_SUITE_P(Each, Faults, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<Fault>& info) {
                           return std::string(info.param.setting).substr(0, 4) +
                                  std::to_string(info.index);
                         });

}  // namespace
