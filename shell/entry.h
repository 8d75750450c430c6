// Entries the host calls: activation, the start-up and shut-down callbacks
// and the callback dispatch table; and the list of the plug-in's modules.
#pragma once

#include <array>
#include <cstdint>

#include "services/menus.h"
#include "xtapi/xtapi.h"

int32_t StartupCallback(void* record);
int32_t ShutdownCallback(void* record);
// Handler of callbacks registered through XT40shell::RegisterCallback.
int32_t GenericCallback(void* record);
// The handler of every wanted host callback (3, 4, 5, 6, 7, 10, 12, 20, 618).
int32_t DispatchCallback(void* record);

// The proofing modules in forwarding order: hyphenation, spelling,
// typography.
std::array<ProofingModule*, 3> Modules();

// Destroys the plug-in's objects and forgets the host's suites; a second
// activation starts from a clean state.
void ReleasePlugin();

extern "C" int32_t XTActivateCallback(xt_activation* activation);
