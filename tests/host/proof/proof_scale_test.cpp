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

namespace fs = std::filesystem;

namespace {

const std::string kData = PROOF_TEST_DATA;
const std::string kSample = std::string(SAMPLE_FOLDER) + "/probka.txt";

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// Runs a shell command line in which $W is the wirsel binary, with the
// test's host, settings folder and LANG=C; answers the exit status.
int Shell(const HostFolder& host, const std::string& command, const std::string& extra_env = "") {
  const std::string& folder = host.folder();
  const std::string line = "env WIRSEL_HOST_DIR=" + Quoted(folder) +
                           " XDG_DATA_HOME=" + Quoted(folder + "/data") +
                           " HOME=" + Quoted(folder) + " LANG=C " + extra_env +
                           " W=" + Quoted(WIRSEL_BINARY) + " sh -c " + Quoted(command);
  const int status = std::system(line.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The report with the name it gives the text replaced by NAME.
std::string Renamed(std::string report, const std::string& name) {
  std::string out;
  for (const std::string& line : Lines(report)) {
    const std::size_t colon = line.find(':');
    out += (colon == std::string::npos ? line : "NAME" + line.substr(colon)) + "\n";
  }
  return out;
}

struct Result {
  int status = -1;
  std::string out;
  std::string report;
};

// `proof FILE` to a file, and the same text through `proof -`.
Result FileRun(const HostFolder& host, const std::string& command, const std::string& file,
               const std::string& options = "") {
  const std::string dir = TempFolder();
  Result result;
  result.status = Shell(host, "\"$W\" " + command + " " + Quoted(file) + " " + options + " >" +
                                  Quoted(dir + "/out") + " 2>" + Quoted(dir + "/report"));
  result.out = ReadBytes(dir + "/out");
  result.report = Renamed(ReadBytes(dir + "/report"), "NAME");
  return result;
}

Result StreamRun(const HostFolder& host, const std::string& command, const std::string& file,
                 const std::string& block, const std::string& options = "") {
  const std::string dir = TempFolder();
  Result result;
  result.status = Shell(host,
                        "\"$W\" " + command + " - " + options + " <" + Quoted(file) + " >" +
                            Quoted(dir + "/out") + " 2>" + Quoted(dir + "/report"),
                        "WIRSEL_STREAM_BLOCK=" + block);
  result.out = ReadBytes(dir + "/out");
  result.report = Renamed(ReadBytes(dir + "/report"), "NAME");
  return result;
}

std::vector<std::string> StreamTexts() {
  std::vector<std::string> files = {kSample};
  for (const char* folder : {"/idempotent", "/report"}) {
    for (const auto& entry : fs::directory_iterator(kData + folder)) {
      if (entry.path().extension() == ".txt") files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

// ---- Streams ----

class ProofStream : public ::testing::TestWithParam<std::string> {};

TEST_P(ProofStream, OutputAndReportEqualTheFileRunWhateverTheBlockSize) {
  static const HostFolder host;
  const Result file = FileRun(host, "proof", GetParam());
  ASSERT_NE(file.status, 2) << file.report;
  for (const std::string block : {"1", "100", "65536"}) {
    const Result stream = StreamRun(host, "proof", GetParam(), block);
    EXPECT_EQ(stream.status, file.status) << "block " << block;
    EXPECT_EQ(stream.out, file.out) << "block " << block;
    EXPECT_EQ(stream.report, file.report) << "block " << block;
  }
}

std::string TextName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = fs::path(info.param).stem().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Texts, ProofStream, ::testing::ValuesIn(StreamTexts()), TextName);

TEST(ProofStreamFormats, TeXAndTheSinglePassCommandsStreamAsTheirFileRuns) {
  const HostFolder host;
  const std::string crlf = kData + "/idempotent/crlf_line_ends.txt";
  for (const std::string& file : {kSample, crlf}) {
    EXPECT_EQ(StreamRun(host, "proof", file, "1", "--format tex").out,
              FileRun(host, "proof", file, "--format tex").out);
    for (const char* command : {"typo", "hyphenate"}) {
      const Result whole = FileRun(host, command, file);
      const Result stream = StreamRun(host, command, file, "1");
      EXPECT_EQ(stream.status, whole.status) << command;
      EXPECT_EQ(stream.out, whole.out) << command;
    }
  }
}

TEST(ProofStreamFormats, HtmlAndJsonNeedAFile) {
  const HostFolder host;
  for (const char* format : {"html", "json"}) {
    const Result run = StreamRun(host, "proof", kSample, "100", std::string("--format ") + format);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.report.find("needs a file"), std::string::npos) << run.report;
    EXPECT_TRUE(run.out.empty());
  }
}

TEST(ProofStreamFormats, InvalidUtf8IsNamedByItsLineInTheWholeStream) {
  const HostFolder host;
  const std::string file = WriteTemp("bad.txt", "Ala ma kota.\nI psa.\nZ\xff\xfe.\n");
  const Result run = StreamRun(host, "proof", file, "1");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.report.find(":3"), std::string::npos) << run.report;
}

TEST(ProofStreamParallel, GnuParallelPipeGivesTheSingleRunsText) {
  if (std::system("command -v parallel >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "GNU parallel is not installed (Debian package parallel)";
  }
  const HostFolder host;
  std::string text;
  for (int i = 0; i < 8; ++i) text += ReadBytes(kSample);
  const std::string file = WriteTemp("eight.txt", text);
  const std::string dir = TempFolder();
  const int status = Shell(host, "parallel --will-cite --pipe -k --block 3k \"$W\" proof - <" +
                                     Quoted(file) + " >" + Quoted(dir + "/out") + " 2>/dev/null");
  EXPECT_GE(status, 1);  // parallel counts the blocks with words reported
  EXPECT_LE(status, 100);
  EXPECT_EQ(ReadBytes(dir + "/out"), FileRun(host, "proof", file).out);
}

// ---- Suggestions on several threads ----

TEST(ProofThreads, AnyNumberOfThreadsWritesTheOneThreadRunsDocumentAndReport) {
  const HostFolder host;
  // Many distinct unknown words, some repeated, some with letters outside
  // the Polish alphabet, in several stories' worth of paragraphs.
  const std::string text = TempFolder() + "/text.txt";
  std::string words = ReadBytes(kSample);
  for (const auto& entry : fs::directory_iterator(kData + "/report")) {
    if (entry.path().extension() == ".txt") words += ReadBytes(entry.path().string()) + "\n";
  }
  std::ofstream(text, std::ios::binary) << words << words;
  const Result one = FileRun(host, "proof", text, "--threads 1");
  EXPECT_EQ(one.status, 1);
  EXPECT_GT(Lines(one.report).size(), 20u);
  for (const char* threads : {"2", "5", "64"}) {
    const Result many = FileRun(host, "proof", text, std::string("--threads ") + threads);
    EXPECT_EQ(many.status, one.status) << threads;
    EXPECT_EQ(many.out, one.out) << threads;
    EXPECT_EQ(many.report, one.report) << threads;
  }
  EXPECT_EQ(FileRun(host, "proof", text).report, one.report);
  EXPECT_EQ(StreamRun(host, "proof", text, "300", "--threads 3").report, one.report);
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
  std::string list;
  for (const std::string& file : files) list += " " + Quoted(file);
  const std::string report = out + "/report.txt";
  const int status =
      Shell(host, "\"$W\" proof" + list + " -j 2 --output-dir " + Quoted(out + "/proofed") +
                      " --report " + Quoted(report) + " 2>/dev/null");
  EXPECT_EQ(status, 1);
  std::string expected_report;
  for (const std::string& file : files) {
    const std::string single = TempFolder() + "/" + fs::path(file).filename().string();
    Shell(host, "\"$W\" proof " + Quoted(file) + " -o " + Quoted(single) + " 2>" +
                    Quoted(single + ".report"));
    const std::string target = out + "/proofed/" + fs::path(file).filename().string();
    EXPECT_EQ(ReadBytes(target), ReadBytes(single)) << file;
    expected_report += Renamed(ReadBytes(single + ".report"), "NAME");
  }
  EXPECT_EQ(Renamed(ReadBytes(report), "NAME"), expected_report);
}

TEST(ProofMany, AFileThatFailsGivesStatusTwoAndTheOthersAreStillWritten) {
  const HostFolder host;
  const std::string dir = TempFolder();
  const std::string bad = WriteTemp("bad.txt", "Zla\xff bajty\n");
  const std::string good = kData + "/report/clean_text.txt";
  const std::string missing = dir + "/missing.txt";
  const int status = Shell(host, "\"$W\" proof " + Quoted(good) + " " + Quoted(bad) + " " +
                                     Quoted(missing) + " " + Quoted(kSample) +
                                     " -j 2 --output-dir " + Quoted(dir + "/out") + " 2>" +
                                     Quoted(dir + "/err"));
  EXPECT_EQ(status, 2);
  EXPECT_TRUE(fs::exists(dir + "/out/clean_text.txt"));
  EXPECT_TRUE(fs::exists(dir + "/out/probka.txt"));
  EXPECT_FALSE(fs::exists(dir + "/out/bad.txt"));
  const std::string err = ReadBytes(dir + "/err");
  EXPECT_NE(err.find("bad.txt"), std::string::npos) << err;
  EXPECT_NE(err.find("missing.txt"), std::string::npos) << err;
}

TEST(ProofMany, InPlaceRewritesEachFileAsItsOwnRunWould) {
  const HostFolder host;
  const std::string dir = TempFolder();
  fs::copy_file(kSample, dir + "/a.txt");
  fs::copy_file(kData + "/report/misspellings_with_suggestions.txt", dir + "/b.txt");
  const std::string a_alone = FileRun(host, "proof", dir + "/a.txt").out;
  const std::string b_alone = FileRun(host, "proof", dir + "/b.txt").out;
  EXPECT_EQ(Shell(host, "\"$W\" proof " + Quoted(dir + "/a.txt") + " " + Quoted(dir + "/b.txt") +
                            " --in-place 2>/dev/null"),
            1);
  EXPECT_EQ(ReadBytes(dir + "/a.txt"), a_alone);
  EXPECT_EQ(ReadBytes(dir + "/b.txt"), b_alone);
}

TEST(ProofMany, SeveralFilesNeedSomewhereToGoAndDistinctNames) {
  const HostFolder host;
  const std::string dir = TempFolder();
  EXPECT_EQ(Shell(host, "\"$W\" proof " + Quoted(kSample) + " " + Quoted(kSample) +
                            " 2>/dev/null"),
            2);
  EXPECT_EQ(Shell(host, "\"$W\" proof " + Quoted(kSample) + " " + Quoted(kSample) +
                            " --output-dir " + Quoted(dir) + " 2>/dev/null"),
            2);
  EXPECT_TRUE(fs::is_empty(dir));
}

// ---- JSON report ----

std::u32string CodePoints(const std::string& utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? byte : byte & (0x7F >> length);
    for (int k = 1; k < length && i + k < utf8.size(); ++k) {
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    out += c;
    i += length;
  }
  return out;
}

TEST(ProofJsonReport, EachLineParsesAndSaysWhatTheTextReportSays) {
  const HostFolder host;
  const std::string dir = TempFolder();
  const std::string file = kData + "/report/columns_after_hyphens_and_wide_characters.txt";
  for (const std::string& input : {file, kSample}) {
    Shell(host, "\"$W\" proof " + Quoted(input) + " >" + Quoted(dir + "/out") + " 2>" +
                    Quoted(dir + "/text"));
    const std::vector<std::string> proofed = Lines(ReadBytes(dir + "/out"));
    const int status = Shell(host, "\"$W\" proof " + Quoted(input) +
                                       " --report-format json --report " +
                                       Quoted(dir + "/json") + " >/dev/null 2>/dev/null");
    EXPECT_EQ(status, 1);
    const std::vector<std::string> text = Lines(ReadBytes(dir + "/text"));
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
  EXPECT_EQ(Shell(host, "\"$W\" proof " + Quoted(kSample) +
                            " --report-format xml >/dev/null 2>/dev/null"),
            2);
  EXPECT_EQ(Shell(host, "\"$W\" proof " + Quoted(kSample) +
                            " --report /nonexistent-folder/r.json >/dev/null 2>/dev/null"),
            2);
}

}  // namespace
