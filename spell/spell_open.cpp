// Paths of son.dic and user.dic, and the three failure messages of opening.
#include "spell/spell_open.h"

#include <cstdint>
#include <cstdio>

#include "base/macce.h"
#include "platform/files.h"
#include "services/services.h"
#include "services/translate.h"
#include "spell/engine/spell.h"
#include "spell/engine/user_dict.h"

namespace {

// The smallest user dictionary that can hold a word: the 4-byte length and a
// 2-byte list. A shorter file, or one whose length field is 0, holds nothing
// that could be lost by creating it anew.
inline constexpr size_t kSmallestUserDict = 6;

bool NothingToLose(const char* path) {
  if (!platform::FileExists(path)) return true;
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return false;
  uint8_t head[kSmallestUserDict] = {};
  const size_t got = std::fread(head, 1, sizeof head, file);
  std::fclose(file);
  if (got < kSmallestUserDict) return true;
  return (head[0] | head[1] | head[2] | head[3]) == 0;
}

// son.dic beside the plug-in, else in an XTensions folder below it. When
// neither exists the path beside the plug-in is the one the alert names.
void DictionaryPath(char* out, size_t size) {
  platform::PathJoin(out, size, PluginFolder(), "son.dic");
  if (platform::FileExists(out)) return;
  char folder[PATH_MAX];
  char below[PATH_MAX];
  if (platform::PathJoin(folder, sizeof folder, PluginFolder(), "XTensions") &&
      platform::PathJoin(below, sizeof below, folder, "son.dic") && platform::FileExists(below))
    std::snprintf(out, size, "%s", below);
}

}  // namespace

bool SpellSession::Open() {
  Close();
  char dictionary[PATH_MAX];
  DictionaryPath(dictionary, sizeof dictionary);
  platform::PathJoin(user_path_, sizeof user_path_, PluginFolder(), "user.dic");
  platform::ClearReadOnly(user_path_);
  MakeWritablePath(user_path_, sizeof user_path_);

  const int opened = spell_open(dictionary);
  if (opened != kSpellOk) {
    Alert(opened, "", MACCE("Can't open spell checker. [%s]"), dictionary);
    return false;
  }
  engine_.reset(spell_default_dict());
  if (LoadUser()) return true;

  const char* message = nullptr;
  if (!NothingToLose(user_path_)) {
    message = MACCE("Can't load user dictionary file.");
  } else if (userdict_create(user_path_) != kUserDictOk) {
    message = MACCE("Can't create user dictionary.");
  } else if (!LoadUser()) {
    message = MACCE("Can't load user dictionary file.");
  }
  if (message == nullptr) return true;
  Close();
  char shown[512];
  Alert(0, "", "%s%s%s", ToDisplay(message, shown, sizeof shown), "\r", user_path_);
  return false;
}

bool SpellSession::LoadUser() {
  UserDict* loaded = nullptr;
  if (userdict_load(user_path_, &loaded) != kUserDictOk) return false;
  user_.reset(loaded);
  return true;
}

void SpellSession::Close() {
  user_.reset();
  engine_.reset();
}

void SpellSession::CloseEngine::operator()(SpellDict*) const { spell_close(); }

void SpellSession::UnloadUser::operator()(UserDict* user) const { userdict_unload(&user); }
