// The user's words: plain word lists as hunspell and aspell keep them, files
// that are neither left alone, one home for the plug-in and every command,
// `wirsel dict`, two writers at once, and planted links.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "files_host.h"

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

namespace {

using PersonalDictionary = FilesTest;

// Words of any alphabet go into the plain list itself: no word list beside it.
TEST_F(PersonalDictionary, PlainHunspellListIsReadAppendedAndNeverConverted) {
  const std::string original = "wirsel\nKowalski/A\nMüller/N\n";
  const std::string dic = File("my.dic", original);
  WirselRun run = host_.Run({"spell", "-p", dic, "wirsel", "Kowalski", "Müller", "kotek"});
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_THAT(run.out, HasSubstr("wirsel: ok"));
  EXPECT_THAT(run.out, HasSubstr("Kowalski: ok"));
  EXPECT_THAT(run.out, HasSubstr("Müller: ok"));

  run = host_.Run({"spell", "-a", "-p", dic},
                  {{"<stdin>", File("pipe.txt", "*kotek\n*żółwik\n*für\nkotek żółwik für señor\n")}});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("*\n*\n*\n# señor"));
  EXPECT_EQ(ReadBytes(dic), original + "kotek\nżółwik\nfür\n");
  EXPECT_FALSE(fs::exists(folder_ + "/my.txt"));
}

TEST_F(PersonalDictionary, AspellHeaderIsSkippedAndAListWithoutFinalNewlineGetsOne) {
  const std::string dic = File("aspell.pws", "personal_ws-1.1 pl 1 utf-8\nwirsel");
  const WirselRun run =
      host_.Run({"spell", "-a", "-p", dic}, {{"<stdin>", File("in.txt", "*kotek\n")}});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(dic), "personal_ws-1.1 pl 1 utf-8\nwirsel\nkotek\n");
  EXPECT_THAT(host_.Run({"dict", "-p", dic, "list"}).out, "kotek\nwirsel\n");
}

TEST_F(PersonalDictionary, UnrecognisedFileIsRefusedAndLeftByteForByte) {
  const std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18);
  const std::string dic = File("picture.dic", bytes);
  const std::string text = File("text.txt", "kotek\n");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"dict", "-p", dic, "add", "kotek"},
           {"dict", "-p", dic, "list"},
           {"spell", "-a", "-p", dic},
           {"spell", "-l", "-p", dic, text},
           {"spell", "-p", dic, "kotek"},
           {"proof", "-p", dic, text, "-o", folder_ + "/out.txt"}}) {
    const WirselRun run = host_.Run(args, {{"<stdin>", File("in.txt", "*kotek\n")}});
    EXPECT_EQ(run.status, 2) << args[0] << " " << args[1];
    EXPECT_THAT(run.err, HasSubstr(dic + ": neither a user dictionary nor a word list"));
    // Refused before any work: no pipe banner, no listing, no document.
    EXPECT_EQ(run.out, "") << args[0] << " " << args[1];
  }
  EXPECT_FALSE(fs::exists(folder_ + "/out.txt"));
  EXPECT_EQ(ReadBytes(dic), bytes);
}

// With XTensions read-only the same holds in the per-user folder: the word
// list below, the dictionary through `dict` (proof_cli_test) and the
// misspelled-word dialog (tests/spell).
TEST_F(PersonalDictionary, WordAddedThroughThePipeIsKnownToProofAndThePlugIn) {
  WirselRun run = host_.Run({"spell", "-a"}, {{"<stdin>", File("in.txt", "*wirsel\n")}});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string story = File("story.txt", "Kot i wirsel.\n");
  run = host_.Run({"proof", story, "--no-typo", "--no-hyph"});
  EXPECT_EQ(run.status, 0) << run.err;
  run = host_.Run({"check", story});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.err, HasSubstr("no errors"));
}

TEST_F(PersonalDictionary, DictCommandAddsRemovesImportsAndExports) {
  const std::string dic = folder_ + "/user.dic";
  WirselRun run = host_.Run({"dict", "-p", dic, "add", "wirsel", "Kraków"});
  ASSERT_EQ(run.status, 0) << run.err;
  run = host_.Run({"dict", "-p", dic, "import", File("hun.dic", "żółw/X\nkotek\n"),
                   File("asp.pws", "personal_ws-1.1 pl 1\npiesek\n")});
  ASSERT_EQ(run.status, 0) << run.err;
  run = host_.Run({"dict", "-p", dic, "remove", "kotek", "nieznany"});
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.err, HasSubstr("\"nieznany\" is not in"));
  run = host_.Run({"dict", "-p", dic, "list"});
  EXPECT_EQ(run.out, "Kraków\npiesek\nwirsel\nżółw\n");
  run = host_.Run({"dict", "-p", dic, "export", folder_ + "/words.txt"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(folder_ + "/words.txt"), "Kraków\npiesek\nwirsel\nżółw\n");
  // The binary file stays binary.
  EXPECT_EQ(ReadBytes(dic).substr(1, 3), std::string("\0\0\0", 3));
  run = host_.Run({"dict", "-p", dic, "add", "--", "-", "--", "3D"});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("cannot be stored"));
}

TEST_F(PersonalDictionary, WordsOutsideThePolishAlphabetLiveInTheWordListEveryCommandReads) {
  WirselRun run = host_.Run(
      {"spell", "-a"}, {{"<stdin>", File("in.txt", "*für\n*--\n&Curaçao\nfür CURAÇAO kotek\n")}});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("*\n*\n&"));
  const std::string list = host_.xtensions() + "/user.txt";
  EXPECT_EQ(ReadBytes(list), "für\ncuraçao\n");
  EXPECT_EQ(ModeOf(list) & 0022, 0u);

  const std::string text = File("text.txt", "Für Curaçao i kotek.\n");
  run = host_.Run({"spell", "-l", text});
  EXPECT_EQ(run.out, "kotek\n");
  run = host_.Run({"proof", text, "--no-typo", "--no-hyph", "-o", folder_ + "/out.txt"});
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.err, HasSubstr("kotek"));
  EXPECT_THAT(run.err, Not(HasSubstr("Curaçao")));
  EXPECT_EQ(host_.Run({"dict", "list"}).out, "curaçao\nfür\n");
  run = host_.Run({"dict", "remove", "für"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(list), "curaçao\n");
}

TEST_F(PersonalDictionary, WordListMovesWithTheDictionaryWhenXTensionsBecomesReadOnly) {
  WriteBytes(host_.xtensions() + "/user.txt", "für\n");
  const std::map<std::string, std::string> env = {{"WIRSEL_READONLY_DIRS", host_.xtensions()}};
  const std::string text = File("text.txt", "Für kot.\n");
  WirselRun run =
      host_.Run({"proof", text, "--no-typo", "--no-hyph", "-o", folder_ + "/o.txt"}, env);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(host_.folder() + "/data/Wirsel13/user.txt"), "für\n");
  run = host_.Run({"spell", "-a"}, {{"WIRSEL_READONLY_DIRS", host_.xtensions()},
                                    {"<stdin>", File("in.txt", "*señor\n")}});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(host_.folder() + "/data/Wirsel13/user.txt"), "für\nseñor\n");
  EXPECT_EQ(ReadBytes(host_.xtensions() + "/user.txt"), "für\n");
}

// Words of letters only, distinct for each writer.
std::string Words(char writer, int count, const std::string& prefix) {
  std::string lines;
  for (int i = 0; i < count; ++i) {
    lines += prefix + writer + char('a' + i / 26 % 26) + char('a' + i % 26) + "\n";
  }
  return lines;
}

TEST_F(PersonalDictionary, TwoProcessesAddingAtOnceKeepEveryWord) {
  enum Kind { kBinary, kPlain, kWordList };
  for (const Kind kind : {kBinary, kPlain, kWordList}) {
    const std::string dic = kind == kPlain ? File("plain.dic", "start\n")
                                           : folder_ + "/binary" + std::to_string(kind) + ".dic";
    if (kind != kPlain) {
      ASSERT_EQ(host_.Run({"dict", "-p", dic, "list"}).status, 0);
    }
    // Words with "ö" go to the word list beside the binary dictionary.
    const std::string prefix = kind == kWordList ? "*slöwo" : "*slowo";
    const std::string a = File("a.txt", Words('a', 300, prefix));
    const std::string b = File("b.txt", Words('b', 300, prefix));
    const std::string env = "WIRSEL_HOST_DIR=" + host_.folder() + " XDG_DATA_HOME=" +
                            host_.folder() + "/data ";
    const std::string spell = env + WIRSEL_BINARY + " spell -a -p " + dic;
    const std::string both = spell + " < " + a + " > /dev/null & " + spell + " < " + b +
                             " > /dev/null & wait";
    ASSERT_EQ(std::system(("sh -c '" + both + "'").c_str()), 0);
    const WirselRun run = host_.Run({"dict", "-p", dic, "list"});
    std::set<std::string> listed;
    for (size_t start = 0, end; (end = run.out.find('\n', start)) != std::string::npos;
         start = end + 1) {
      listed.insert(run.out.substr(start, end - start));
    }
    EXPECT_EQ(listed.size(), kind == kPlain ? 601u : 600u) << kind;
  }
}

TEST_F(PersonalDictionary, PlantedLinksNeverRedirectAWrite) {
  const std::string victim = folder_ + "/victim";
  WriteBytes(victim, "precious\n");
  const std::string x = host_.xtensions();
  for (const char* name :
       {"user.dic.tmp", "PLHYPH.USR.tmp", "Wirsel13.ini.tmp", ".user.dic.tmp", ".wirsel-temp.1.0.tmp",
        ".wirsel-1-aaaaaaaaaa.tmp"}) {
    fs::create_symlink(victim, x + "/" + std::string(name));
  }
  const std::string script = File("prefs.dlg",
                                  "dialog \"Hyphenation Preferences\"\n"
                                  "click \"Edit Hyph Exceptions\"\n"
                                  "dialog \"Edit list\"\nset 1079 kon-trast\nclick Add\nok\n"
                                  "uncheck \"Use Typography First\"\nok\n");
  WirselRun run = host_.Run({"run", File("s.txt", "kot\n"), "--do", "Hyphenation Preferences...",
                             "--dialogs", script});
  ASSERT_EQ(run.status, 0) << run.err;
  run = host_.Run({"spell", "-a"}, {{"<stdin>", File("in.txt", "*wirsel\n")}});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(victim), "precious\n");
  EXPECT_THAT(host_.Run({"dict", "list"}).out, "wirsel\n");
}

TEST_F(PersonalDictionary, NewDictionaryAndExceptionFilesAreNeverWorldWritable) {
  const mode_t old_mask = umask(0);
  FilesHost host;
  const WirselRun run = host.Run({"dict", "-p", folder_ + "/new.dic", "add", "kotek"});
  umask(old_mask);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ModeOf(host.xtensions() + "/user.dic"), 0644u);
  EXPECT_EQ(ModeOf(host.xtensions() + "/PLHYPH.USR"), 0644u);
  EXPECT_EQ(ModeOf(folder_ + "/new.dic"), 0644u);
}

}  // namespace
