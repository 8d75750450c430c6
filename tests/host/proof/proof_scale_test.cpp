// `wirsel proof` at scale, run as users run it: standard input as a stream
// (also under GNU parallel --pipe), many files by worker processes, and the
// JSON report. Every result is held against the plain one-file run.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "../run_wirsel.h"
#include "base/utf8.h"

namespace fs = std::filesystem;

namespace {

const std::string kData = PROOF_TEST_DATA;
const std::string kSample = std::string(SAMPLE_FOLDER) + "/probka.txt";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The report with the name it gives the text replaced by NAME.
std::string Renamed(const std::string& report) {
  std::string out;
  for (const std::string& line : Lines(report)) {
    const std::size_t colon = line.find(':');
    out += (colon == std::string::npos ? line : "NAME" + line.substr(colon)) + "\n";
  }
  return out;
}

// `wirsel COMMAND FILE OPTIONS...`; its report renamed.
WirselRun FileRun(const HostFolder& host, const std::string& command, const std::string& file,
                  std::vector<std::string> options = {}) {
  options.insert(options.begin(), {command, file});
  WirselRun run = host.Run(options);
  run.err = Renamed(run.err);
  return run;
}

// The same through `wirsel COMMAND -`, read in blocks of `block` bytes.
WirselRun StreamRun(const HostFolder& host, const std::string& command, const std::string& file,
                    const std::string& block, std::vector<std::string> options = {}) {
  options.insert(options.begin(), {command, "-"});
  WirselRun run = host.Run(options, {{"<stdin>", file}, {"WIRSEL_STREAM_BLOCK", block}});
  run.err = Renamed(run.err);
  return run;
}

std::vector<std::string> StreamTexts() {
  std::vector<std::string> files = FilesIn({kData + "/idempotent", kData + "/report"}, {".txt"});
  files.push_back(kSample);
  return files;
}

// ---- Streams ----

class ProofStream : public ::testing::TestWithParam<std::string> {};

TEST_P(ProofStream, OutputAndReportEqualTheFileRunWhateverTheBlockSize) {
  static const HostFolder host;
  const WirselRun file = FileRun(host, "proof", GetParam());
  ASSERT_NE(file.status, 2) << file.err;
  for (const std::string block : {"1", "100", "65536"}) {
    const WirselRun stream = StreamRun(host, "proof", GetParam(), block);
    EXPECT_EQ(stream.status, file.status) << "block " << block;
    EXPECT_EQ(stream.out, file.out) << "block " << block;
    EXPECT_EQ(stream.err, file.err) << "block " << block;
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, ProofStream, ::testing::ValuesIn(StreamTexts()), FileTestName);

TEST(ProofStreamFormats, TeXAndTheSinglePassCommandsStreamAsTheirFileRuns) {
  const HostFolder host;
  const std::string crlf = kData + "/idempotent/crlf_line_ends.txt";
  for (const std::string& file : {kSample, crlf}) {
    EXPECT_EQ(StreamRun(host, "proof", file, "1", {"--format", "tex"}).out,
              FileRun(host, "proof", file, {"--format", "tex"}).out);
    for (const char* command : {"typo", "hyphenate"}) {
      const WirselRun whole = FileRun(host, command, file);
      const WirselRun stream = StreamRun(host, command, file, "1");
      EXPECT_EQ(stream.status, whole.status) << command;
      EXPECT_EQ(stream.out, whole.out) << command;
    }
  }
}

TEST(ProofStreamFormats, HtmlAndJsonNeedAFile) {
  const HostFolder host;
  for (const char* format : {"html", "json"}) {
    const WirselRun run = StreamRun(host, "proof", kSample, "100", {"--format", format});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("needs a file"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

TEST(ProofStreamFormats, InvalidUtf8IsNamedByItsLineInTheWholeStream) {
  const HostFolder host;
  const std::string file = WriteTemp("bad.txt", "Ala ma kota.\nI psa.\nZ\xff\xfe.\n");
  const WirselRun run = StreamRun(host, "proof", file, "1");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find(":3"), std::string::npos) << run.err;
}

TEST(ProofStreamParallel, GnuParallelPipeGivesTheSingleRunsText) {
  if (!Installed("parallel")) {
    GTEST_SKIP() << "GNU parallel is not installed (Debian package parallel)";
  }
  const HostFolder host;
  std::string text;
  for (int i = 0; i < 8; ++i) text += ReadBytes(kSample);
  const std::string file = WriteTemp("eight.txt", text);
  const std::string out = TempFolder() + "/out";
  const std::string line = "WIRSEL_HOST_DIR='" + host.folder() + "' XDG_DATA_HOME='" +
                           host.folder() + "/data' LANG=C parallel --will-cite --pipe -k " +
                           "--block 3k '" WIRSEL_BINARY "' proof - <'" + file + "' >'" + out +
                           "' 2>/dev/null";
  const int status = WEXITSTATUS(std::system(line.c_str()));
  EXPECT_GE(status, 1);  // parallel counts the blocks with words reported
  EXPECT_LE(status, 100);
  EXPECT_EQ(ReadBytes(out), FileRun(host, "proof", file).out);
}

// ---- Suggestions on several threads ----

// Many distinct unknown words, some repeated, some with letters outside the
// Polish alphabet: as one text, and as a document whose stories are walked
// one after another, a later story bringing words the helper threads already
// have and words they have not seen, after they have waited with nothing to do.
TEST(ProofThreads, AnyNumberOfThreadsWritesTheOneThreadRunsDocumentAndReport) {
  const HostFolder host;
  std::vector<std::string> texts = {ReadBytes(kSample)};
  for (const std::string& file : FilesIn({kData + "/report"}, {".txt"})) {
    texts.push_back(ReadBytes(file) + "\n");
  }
  nlohmann::json document = {{"wirsel", 1},
                             {"spreads", {{{"pages", 1}, {"items", nlohmann::json::array()}}}},
                             {"boxes", nlohmann::json::array()},
                             {"stories", nlohmann::json::array()}};
  std::string words;
  for (size_t i = 0; i < 2 * texts.size(); ++i) {
    const int id = static_cast<int>(i) + 1;
    document["spreads"][0]["items"].push_back(id);
    document["boxes"].push_back({{"id", id}, {"kind", "text"}, {"page", 1}});
    document["stories"].push_back({{"id", id}, {"boxes", {id}}, {"text", texts[i % texts.size()]}});
    words += texts[i % texts.size()];
  }
  const std::string text = WriteTemp("text.txt", words);
  const std::string stories = WriteTemp("stories.json", document.dump());
  for (const std::string& file : {text, stories}) {
    const WirselRun one = FileRun(host, "proof", file, {"--threads", "1"});
    ASSERT_EQ(one.status, 1) << one.err;
    EXPECT_GT(Lines(one.err).size(), 20u);
    for (const char* threads : {"2", "5", "64"}) {
      const WirselRun many = FileRun(host, "proof", file, {"--threads", threads});
      EXPECT_EQ(many.out, one.out) << threads;
      EXPECT_EQ(many.err, one.err) << threads;
    }
    EXPECT_EQ(FileRun(host, "proof", file).err, one.err);
  }
  EXPECT_EQ(StreamRun(host, "proof", text, "300", {"--threads", "3"}).err,
            FileRun(host, "proof", text, {"--threads", "1"}).err);
}

// ---- Many files ----

TEST(ProofMany, WorkersWriteWhatOneAtATimeRunsWriteAndReportInFileOrder) {
  const HostFolder host;
  std::vector<std::string> files;
  std::string singles;
  for (const char* name : {"misspellings_with_suggestions.txt", "clean_text.txt",
                           "capitals_and_digits_skipped.txt",
                           "columns_after_hyphens_and_wide_characters.txt"}) {
    files.push_back(kData + "/report/" + name);
  }
  files.push_back(kSample);
  const std::string out = TempFolder();
  std::vector<std::string> args = {"proof"};
  args.insert(args.end(), files.begin(), files.end());
  args.insert(args.end(), {"-j", "2", "--output-dir", out + "/proofed", "--report", out + "/r"});
  EXPECT_EQ(host.Run(args).status, 1);
  std::string expected_report;
  for (const std::string& file : files) {
    const WirselRun single = FileRun(host, "proof", file);
    EXPECT_EQ(ReadBytes(out + "/proofed/" + fs::path(file).filename().string()), single.out);
    expected_report += single.err;
  }
  EXPECT_EQ(Renamed(ReadBytes(out + "/r")), expected_report);
}

TEST(ProofMany, AFileThatFailsGivesStatusTwoAndTheOthersAreStillWritten) {
  const HostFolder host;
  const std::string dir = TempFolder();
  const std::string bad = WriteTemp("bad.txt", "Zla\xff bajty\n");
  const std::string good = kData + "/report/clean_text.txt";
  const std::string missing = dir + "/missing.txt";
  const WirselRun run =
      host.Run({"proof", good, bad, missing, kSample, "-j", "2", "--output-dir", dir + "/out"});
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(fs::exists(dir + "/out/clean_text.txt"));
  EXPECT_TRUE(fs::exists(dir + "/out/probka.txt"));
  EXPECT_FALSE(fs::exists(dir + "/out/bad.txt"));
  EXPECT_NE(run.err.find("bad.txt"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("missing.txt"), std::string::npos) << run.err;
}

TEST(ProofMany, InPlaceRewritesEachFileAsItsOwnRunWould) {
  const HostFolder host;
  const std::string dir = TempFolder();
  fs::copy_file(kSample, dir + "/a.txt");
  fs::copy_file(kData + "/report/misspellings_with_suggestions.txt", dir + "/b.txt");
  const std::string a_alone = FileRun(host, "proof", dir + "/a.txt").out;
  const std::string b_alone = FileRun(host, "proof", dir + "/b.txt").out;
  EXPECT_EQ(host.Run({"proof", dir + "/a.txt", dir + "/b.txt", "--in-place"}).status, 1);
  EXPECT_EQ(ReadBytes(dir + "/a.txt"), a_alone);
  EXPECT_EQ(ReadBytes(dir + "/b.txt"), b_alone);
}

TEST(ProofMany, SeveralFilesNeedSomewhereToGoAndDistinctNames) {
  const HostFolder host;
  const std::string dir = TempFolder();
  EXPECT_EQ(host.Run({"proof", kSample, kSample}).status, 2);
  EXPECT_EQ(host.Run({"proof", kSample, kSample, "--output-dir", dir}).status, 2);
  EXPECT_TRUE(fs::is_empty(dir));
}

// ---- JSON report ----

std::u32string CodePoints(const std::string& utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) out += NextUtf8(utf8, i);
  return out;
}

TEST(ProofJsonReport, EachLineParsesAndSaysWhatTheTextReportSays) {
  const HostFolder host;
  const std::string dir = TempFolder();
  const std::string file = kData + "/report/columns_after_hyphens_and_wide_characters.txt";
  for (const std::string& input : {file, kSample}) {
    const WirselRun plain = host.Run({"proof", input});
    const std::vector<std::string> proofed = Lines(plain.out);
    EXPECT_EQ(
        host.Run({"proof", input, "--report-format", "json", "--report", dir + "/json"}).status, 1);
    const std::vector<std::string> text = Lines(plain.err);
    const std::vector<std::string> json = Lines(ReadBytes(dir + "/json"));
    ASSERT_EQ(json.size(), text.size());
    for (std::size_t i = 0; i < json.size(); ++i) {
      const nlohmann::json entry = nlohmann::json::parse(json[i]);
      EXPECT_EQ(entry.at("kind"), "spelling");
      EXPECT_EQ(entry.at("file"), input);
      const std::string word = entry.at("word");
      // The columns span the word in the proofed text, its soft hyphens too.
      const std::u32string line_text = CodePoints(proofed.at(entry.at("line").get<std::size_t>() - 1));
      const auto column = entry.at("column").get<std::size_t>();
      const auto end_column = entry.at("end_column").get<std::size_t>();
      ASSERT_LE(end_column - 1, line_text.size());
      std::u32string spanned = line_text.substr(column - 1, end_column - column);
      spanned.erase(std::remove(spanned.begin(), spanned.end(), U'\u00AD'), spanned.end());
      EXPECT_EQ(spanned, CodePoints(word));
      std::string line = entry.at("file").get<std::string>() + ":" +
                         std::to_string(entry.at("line").get<int>()) + ":" +
                         std::to_string(entry.at("column").get<int>()) + ": " + word;
      const auto& suggestions = entry.at("suggestions");
      for (std::size_t k = 0; k < suggestions.size(); ++k) {
        line += (k == 0 ? " -> " : ", ") + suggestions[k].get<std::string>();
      }
      EXPECT_EQ(line, text[i]);
      EXPECT_EQ(nlohmann::json::parse(entry.dump()), entry);
    }
  }
}

TEST(ProofJsonReport, UnknownFormatAndUnwritableReportAreErrors) {
  const HostFolder host;
  EXPECT_EQ(host.Run({"proof", kSample, "--report-format", "xml"}).status, 2);
  EXPECT_EQ(host.Run({"proof", kSample, "--report", "/nonexistent-folder/r.json"}).status, 2);
}

}  // namespace
