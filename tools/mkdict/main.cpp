// mkdict: compiles a hunspell affix file and dictionary into son.dic.
#include <CLI/CLI.hpp>
#include <cstdio>

#include "spell/engine/letters.h"
#include "tools/mkdict/son_builder.h"

int main(int argc, char** argv) {
  CLI::App app{"Compile a hunspell dictionary into son.dic"};
  MkdictOptions options;
  std::vector<std::string> blocks;
  bool no_verify = false;
  app.add_option("affix", options.affix_path, "hunspell .aff file")->required();
  app.add_option("dictionary", options.dictionary_path, "hunspell .dic file")->required();
  app.add_option("output", options.output_path, "son.dic to write")->required();
  app.add_option("--abbreviations", options.abbreviations_path,
                 "small-letter words accepted only before a full stop, one a line");
  app.add_option("--main-trees", options.max_main_trees, "main letter trees to fill (0..10)")
      ->check(CLI::Range(0, 10));
  app.add_option("--tree-positions", options.tree_positions, "positions aimed at per tree")
      ->check(CLI::Range(16, 65536));
  app.add_option("--block-size", options.stem_store.block_target, "stem block size aimed at")
      ->check(CLI::Range(16, 65000));
  app.add_option("--block-at", blocks, "small-letter record path that must own a stem block");
  app.add_flag("--no-verify", no_verify, "skip checking the output with the engine");
  CLI11_PARSE(app, argc, argv);
  for (const std::string& b : blocks) {
    std::string codes;
    for (char c : b) {
      uint8_t code = LetterCode(uint8_t(c));
      if (!IsSmallOrHyphen(code)) {
        std::fprintf(stderr, "mkdict: --block-at takes small letters\n");
        return 2;
      }
      codes.push_back(char(code));
    }
    options.stem_store.forced_blocks.push_back(codes);
  }
  options.verify = !no_verify;

  MkdictSummary summary;
  PlacedForms placed;
  std::string error;
  bool ok = CompileSonDic(options, &summary, &placed, &error);
  if (ok && options.verify) ok = VerifySonDic(options.output_path, placed, &summary, &error);
  PrintSummary(summary, options.output_path);
  if (!ok) {
    std::fprintf(stderr, "mkdict: %s\n", error.c_str());
    std::remove(options.output_path.c_str());
    return 1;
  }
  return 0;
}
