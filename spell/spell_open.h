// Opening the spelling engine and the user dictionary "user.dic" for one
// command, and closing them again. A failure has been shown to the user when
// Open answers false.
#pragma once

#include <climits>
#include <memory>

struct SpellDict;
struct UserDict;

class SpellSession {
 public:
  // Opens son.dic (beside the plug-in, else in its "XTensions" subfolder) and
  // loads user.dic from the plug-in's folder, moved to the per-user folder
  // when that one cannot be written. A missing (or empty) user.dic is created;
  // an existing one that does not load is left untouched and the command
  // fails.
  bool Open();
  // Unloads the user dictionary, then closes the engine; safe to repeat, and
  // done when the session goes.
  void Close();

  UserDict* user_dictionary() const { return user_.get(); }

 private:
  // Closes the engine's default handle.
  struct CloseEngine {
    void operator()(SpellDict* engine) const;
  };
  // Unloads a user dictionary from the default handle.
  struct UnloadUser {
    void operator()(UserDict* user) const;
  };
  bool LoadUser();

  // Declared in this order so that the user dictionary goes first.
  std::unique_ptr<SpellDict, CloseEngine> engine_;  // the default handle while open
  std::unique_ptr<UserDict, UnloadUser> user_;
  char user_path_[PATH_MAX] = {};
};
