// Opening the spelling engine and the user dictionary "user.dic" for one
// command, and closing them again. A failure has been shown to the user when
// Open answers false.
#pragma once

#include <climits>

struct UserDict;

class SpellSession {
 public:
  SpellSession() = default;
  SpellSession(const SpellSession&) = delete;
  SpellSession& operator=(const SpellSession&) = delete;
  ~SpellSession() { Close(); }

  // Opens son.dic (beside the plug-in, else in its "XTensions" subfolder) and
  // loads user.dic from the plug-in's folder, moved to the per-user folder
  // when that one cannot be written. A missing (or empty) user.dic is created;
  // an existing one that does not load is left untouched and the command
  // fails.
  bool Open();
  // Unloads the user dictionary, then closes the engine; safe to repeat.
  void Close();

  UserDict* user_dictionary() const { return user_; }

 private:
  bool open_ = false;
  UserDict* user_ = nullptr;
  char user_path_[PATH_MAX] = {};
};
