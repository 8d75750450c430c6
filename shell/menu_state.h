// The state of the plug-in's menu items after a menu update, computed once
// from the text target: which items are enabled and which titles they carry.
#pragma once

#include "services/menus.h"
#include "text/story_text.h"

MenuState ComputeMenuState(const TextTarget& target);
