// The user dictionary editor: the list editor (resource 31119, Polish 31219)
// over the words of the loaded user.dic. Every change is saved at once.
#pragma once

struct UserDict;

// Runs the editor over `user`.
void EditUserDictionary(UserDict* user);
