// The hyphenation commands through the real host where one run is not
// enough: running a command twice, undoing with the remove command, what
// the preferences dialog and the exceptions editor leave in the files, and
// damaged or missing data files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "run_wirsel.h"

using testing::HasSubstr;
using testing::Not;

namespace {

// Runs `command` on the data file `input` and answers the document written.
std::string Apply(const HostFolder& host, const std::string& command, const std::string& input,
                  const std::string& output) {
  const WirselRun run = host.Run({command, input, "-o", output});
  EXPECT_EQ(run.status, 0) << run.err;
  return ReadBytes(output);
}

const char* const kInputs[] = {"polish_words.txt", "hard_hyphen.txt", "misplaced_hyphens.json",
                               "group_of_boxes.json", "anchored_text_box.json"};

}  // namespace

TEST(Hyphenate, SecondRunChangesNothing) {
  HostFolder host;
  const std::string folder = TempFolder();
  for (const std::string input : kInputs) {
    const std::string ext = std::filesystem::path(input).extension().string();
    const std::string once = folder + "/once" + ext;
    const std::string twice = folder + "/twice" + ext;
    const std::string first = Apply(host, "hyphenate", DataPath(input), once);
    EXPECT_NE(first, ReadBytes(DataPath(input))) << input;
    EXPECT_EQ(Apply(host, "hyphenate", once, twice), first) << input;
  }
}

TEST(Dehyphenate, UndoesHyphenateOnPlainText) {
  HostFolder host;
  const std::string folder = TempFolder();
  for (const std::string input : {"polish_words.txt", "hard_hyphen.txt", "three_words.txt"}) {
    Apply(host, "hyphenate", DataPath(input), folder + "/h.txt");
    EXPECT_EQ(Apply(host, "dehyphenate", folder + "/h.txt", folder + "/d.txt"),
              ReadBytes(DataPath(input)))
        << input;
  }
}

TEST(Preferences, OkStoresEveryKeyAndKeepsShortcuts) {
  HostFolder host;
  host.Put("Wirsel13.ini", "[1Dzielenie]\n8WstawSkrot=Ctrl+H\n");
  const std::string script = WriteTemp("prefs.dialogs",
                                       "dialog \"Hyphenation Preferences\"\n"
                                       "uncheck \"Use Hyph Exceptions\"\n"
                                       "check \"Use Typography First\"\n"
                                       "ok\n");
  const WirselRun run = host.Run({"run", "@polish_words.txt", "--do",
                                  "Hyphenation Preferences...", "--dialogs", script});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string ini = ReadBytes(host.File("Wirsel13.ini"));
  EXPECT_THAT(ini, HasSubstr("2UzywajWyjatkow=0"));
  EXPECT_THAT(ini, HasSubstr("3NajpierTypografia=1"));
  EXPECT_THAT(ini, HasSubstr("4PominWersaliki=1"));
  EXPECT_THAT(ini, HasSubstr("6AutomatycznieWylaczAutoHyphenation=1"));
  EXPECT_THAT(ini, HasSubstr("8WstawSkrot=Ctrl+H"));
  EXPECT_THAT(ini, HasSubstr("AUsunSkrot=Brak"));
  EXPECT_THAT(ini, HasSubstr("CSugerujSkrot=Brak"));
}

TEST(Preferences, CancelKeepsAnExceptionAddedInTheEditor) {
  HostFolder host;
  const std::string script = WriteTemp("exceptions.dialogs",
                                       "dialog \"Hyphenation Preferences\"\n"
                                       "uncheck \"Use Typography First\"\n"
                                       "click \"Edit Hyph Exceptions\"\n"
                                       "dialog \"Edit list\"\n"
                                       "set 1079 Kontr-ast\n"
                                       "click Add\n"
                                       "expect kontr-ast\n"
                                       "set 1079 ko-t\n"
                                       "click Add\n"
                                       "ok\n"
                                       "cancel\n");
  WirselRun run = host.Run({"run", "@polish_words.txt", "--do", "Hyphenation Preferences...",
                            "--dialogs", script});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(std::filesystem::exists(host.File("Wirsel13.ini")) &&
               ReadBytes(host.File("Wirsel13.ini")).find("1Dzielenie") != std::string::npos);
  // Size 4 + 1 + 11 little-endian, longest entry first, codes of the letters.
  const std::string usr = ReadBytes(host.File("PLHYPH.USR"));
  EXPECT_EQ(usr, std::string("\x16\0\0\0"
                             "\x0D\x08kontrast\0\x05\0"
                             "\x08\x03kot\0\x02\0\0",
                             26));
  // The next hyphenation follows the exception instead of the patterns.
  run = host.Run({"hyphenate", "@three_words.txt"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("kontr\u00ADast"));
}

// Every kind of damage, and cut files whose whole entries stay in use, are
// in engine/exceptions_test.cpp.
TEST(UserFile, DamagedOneIsReportedOnceAndLeftAlone) {
  // A huge size field, and a list without its terminating zero.
  for (const std::string& bytes :
       {std::string("\xFF\xFF\xFF\xFF", 4), std::string("\x08\0\0\0\x08\x03kot\0\x02\0", 12)}) {
    HostFolder host;
    host.Put("PLHYPH.USR", bytes);
    const WirselRun run = host.Run({"hyphenate", "@three_words.txt"});
    ASSERT_EQ(run.status, 2) << run.err;  // after the alert
    EXPECT_THAT(run.err, HasSubstr("Can't open hyphenation exceptions file"));
    EXPECT_EQ(run.err.find("exceptions file"), run.err.rfind("exceptions file")) << run.err;
    EXPECT_THAT(run.out, HasSubstr("Dziew\u00ADczy\u00ADna kon\u00ADtrast"));
    EXPECT_EQ(ReadBytes(host.File("PLHYPH.USR")), bytes);
  }
}

TEST(DataFile, MissingOneStopsTheCommandsWithAnAlert) {
  HostFolder host;
  std::filesystem::remove(host.File("PLHYPH.DAT"));
  WirselRun run = host.Run({"hyphenate", "@three_words.txt"});
  ASSERT_EQ(run.status, 2) << run.err;  // after the alert
  EXPECT_THAT(run.err, HasSubstr("Can't open hyphenation (probably file plhyph.dat is missing)"));
  EXPECT_EQ(run.out, ReadBytes(DataPath("three_words.txt")));
  // The preferences dialog does not open: the script has lines for the two
  // alerts only.
  run = host.Run({"run", "@three_words.txt", "--do", "Hyphenation Preferences...", "--dialogs",
                  DataPath("missing_data_file.dialogs")});
  EXPECT_EQ(run.status, 2) << run.err;
  EXPECT_THAT(run.err, Not(HasSubstr("Hyphenation Preferences")));
  // The host's composer gets no break points; the command ends with the error.
  run = host.Run({"compose", "@three_words.txt", "--width", "8"});
  EXPECT_EQ(run.status, 2) << run.err;
  EXPECT_THAT(run.out, Not(HasSubstr("-")));
}

TEST(Polish, MenuTitlesAndDialogsInPolish) {
  HostFolder host;
  const std::string script = WriteTemp("sugg.dialogs",
                                       "dialog \"Sugerowanie dzielenia\"\n"
                                       "expect \"Bez wyjątków dzielenia:\"\n"
                                       "expect bia-ło\n"
                                       "ok\n");
  const WirselRun run = host.Run({"run", "@suggestion.txt", "--lang", "pl", "--select", "7:7",
                                  "--do", "Sugeruj dzielenie wyrazów...", "--dialogs", script});
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST(LongWords, AreCappedRefusedOrCutNeverOverrun) {
  HostFolder host;
  std::string word;
  for (int i = 0; i < 250; ++i) word += "kota";
  const std::string path = WriteTemp("long.txt", "Dziewczyna " + word + " kontrast\n");
  // The walk hyphenates the first 100 positions of the long word only.
  WirselRun run = host.Run({"hyphenate", path});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("Dziew\u00ADczy\u00ADna ko\u00ADta"));
  EXPECT_THAT(run.out, HasSubstr(" kon\u00ADtrast"));
  // 100 letters with their soft hyphens (two bytes each) take about 200
  // bytes; past them the word is untouched.
  const size_t long_start = run.out.find(" ko") + 1;
  const std::string tail = run.out.substr(long_start + 300, 700);
  EXPECT_EQ(tail.find("\u00AD"), std::string::npos);
  // The host's composer asks for a word of 1,000 characters and gets no
  // points: the word is cut at the width.
  run = host.Run({"compose", path, "--width", "400"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("Dziewczyna\n" + word.substr(0, 400) + "\n"));
  // No suggestion for a word past the cap: no dialog opens.
  run = host.Run({"run", path, "--select", "500:500", "--do", "Suggest Hyphenation...",
                  "--dialogs", DataPath("no_dialog.dialogs")});
  EXPECT_EQ(run.status, 0) << run.err;
}
