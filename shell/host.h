// The host's suites of operations as the plug-in binds them at start-up.
// Every pointer is null until the start-up callback has bound the suites;
// code that can run earlier (activation, the shell constructor) checks first.
#pragma once

#include "xtapi/xtapi.h"

extern const xt_document_suite* gDocumentSuite;
extern const xt_story_suite* gStorySuite;
extern const xt_hj_suite* gHJSuite;
extern const xt_environment_suite* gEnvironmentSuite;
extern const xt_menu_suite* gMenuSuite;
extern const xt_memory_suite* gMemorySuite;
extern const xt_string_suite* gStringSuite;
extern const xt_dialog_suite* gDialogSuite;

// The registration record of the start-up callback; the host keeps it alive
// until the shut-down callback has returned.
extern xt_registration* gRegistration;

// The plug-in's 32-bit identifier from the activation record.
extern uint32_t gPluginId;

// True once every suite above is bound.
bool HostSuitesBound();
