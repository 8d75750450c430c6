// The run machinery of `wirsel run`, shared with the commands that choose
// fixed menu items: open a document, act on it through the plug-ins' menus,
// write it out.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "host/runtime.h"
#include "host/session_options.h"

struct RunOptions {
  SessionOptions session;
  std::string file;
  std::vector<std::string> items;
  std::string out;
  std::string format;
  std::string input_format;  // "" (by FILE's name), txt, json, tex, html, markdown
  bool in_place = false;
  // Write the document only when some story's text changed (and say so on
  // standard error when nothing did).
  bool only_when_changed = false;
  // FILE "-" is standard input proofed as a stream, a block of paragraphs
  // at a time, rather than read whole.
  bool streams = false;
  std::string command = "run";  // named in messages
};

// -o, --format and --input-format, as every command that writes a document
// names them.
void AddFormatOptions(CLI::App& command, std::string& out, std::string& format,
                      std::string& input_format);
// FILE, -o, --format, --input-format, --in-place and the session options
// (set `streams` first: FILE's help mentions "-").
void AddRunOptions(CLI::App& command, RunOptions& options);

// What a command does between opening the document and writing it: false
// (with `error` set) stops the command.
using DocumentAction = std::function<bool(HostRuntime& runtime, std::string& error)>;

// Refuses an output that names the input (also through a link) unless
// --in-place is given, and checks that the output can be written, before any
// work. Prints the reason and sets exit status 2 when not.
bool CheckOutput(const std::string& in, const std::string& out, bool in_place);
// Writes the bytes to `target` through the one safe writer ("" or "-":
// standard output); prints the reason and sets exit status 2 on failure.
bool WriteOutput(const std::string& target, const std::string& bytes);

// Starts the plug-ins, opens options.file, applies the target options, runs
// `act`, checks the host's errors and writes the document. Failures are
// printed and set exit status 2.
bool RunDocument(const RunOptions& options, const DocumentAction& act);

// Chooses the first of `titles` the menus show enabled: one item under the
// titles it takes for a box, a selection and a group.
bool ChooseOneOf(const std::vector<std::string>& titles, HostRuntime& runtime,
                 std::string& error);
