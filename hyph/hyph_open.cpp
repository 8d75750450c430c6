// Opening the module's engine: PLHYPH.DAT beside the plug-in, PLHYPH.USR
// beside it too or in the per-user data folder, and the alerts when either
// fails.
#include "base/macce.h"
#include "hyph/hyph_open.h"
#include "platform/files.h"
#include "services/services.h"
#include "services/xt40_shell.h"

HyphHandle gHyphEngine = nullptr;

namespace {

// Set once PLHYPH.USR has been offered to the engine, successfully or not.
bool gUserFileTried = false;

constexpr char kDataFileName[] = "PLHYPH.DAT";
constexpr char kUserFileName[] = "PLHYPH.USR";

}  // namespace

int32_t EnsureHyphenationOpen(bool with_user_file) {
  const char* folder = PluginFolder();
  char user_path[kPathSize];
  const bool have_user_path = platform::PathJoin(user_path, sizeof user_path, folder, kUserFileName);
  if (gHyphEngine == nullptr) {
    if (have_user_path) platform::ClearReadOnly(user_path);
    char data_path[kPathSize];
    const int code = platform::PathJoin(data_path, sizeof data_path, folder, kDataFileName)
                         ? hyph_open(data_path, &gHyphEngine)
                         : kFileNotFound;
    if (code != kHyphOk) {
      gHyphEngine = nullptr;
      Alert(code, "", MACCE("Can't open hyphenation (probably file plhyph.dat is missing) [%s]"),
            data_path);
      return kHyphOpenFailed;
    }
  }
  if (!with_user_file || gUserFileTried) return 0;
  gUserFileTried = true;
  int code = kFileNotFound;
  if (have_user_path) {
    MakeWritablePath(user_path, sizeof user_path);
    code = hyph_open_exceptions(user_path, gHyphEngine);
  }
  if (code != kHyphOk) {
    Alert(code, "", MACCE("Can't open hyphenation exceptions file [%s]"),
          have_user_path ? user_path : kUserFileName);
    return kHyphUserFileFailed;
  }
  return 0;
}

void CloseHyphenation() {
  hyph_close(gHyphEngine);
  gHyphEngine = nullptr;
  gUserFileTried = false;
}

void HyphenateWord(const char* word, char* out, size_t out_size, bool with_user_exceptions) {
  hyph_word(gHyphEngine, word, out, out_size, with_user_exceptions);
}
