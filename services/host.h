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

// Copy of the host information record taken at activation.
extern xt_host_info gHostInfo;

// Acquires every suite above through the registration record; false (and
// every suite null again) when the host refuses one. Containers created
// afterwards take their blocks from the host's memory suite.
bool BindHostSuites(xt_registration* record);
// Forgets the suites (after shut-down); containers fall back to the heap.
void UnbindHostSuites();
