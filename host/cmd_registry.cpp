// The registry of subcommands, the exit status and the host's folders.
#include "host/cmd_registry.h"

#include <climits>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "host/cmd_list.h"
#include "host/frontend.h"
#include "host/messages/messages.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace {

int& ExitStatus() {
  static int status = 0;
  return status;
}

}  // namespace

std::vector<CommandEntry>& Commands() {
  static std::vector<CommandEntry> commands;
  return commands;
}

CommandRegistration::CommandRegistration(const char* name, const char* description,
                                         CommandSetup setup) {
  Commands().push_back(CommandEntry{name, description, setup});
}

namespace {

// Each help text (descriptions, groups) in the chosen language.
void TranslateHelp(CLI::App& app) {
  using wirsel::messages::Text;
  app.description(Text(app.get_description()));
  for (CLI::Option* option : app.get_options({})) {
    option->description(Text(option->get_description()));
    option->group(Text(option->get_group()));
  }
  for (CLI::App* command : app.get_subcommands({})) {
    command->group(Text(command->get_group()));
    TranslateHelp(*command);
  }
}

}  // namespace

void BuildCommandLine(CLI::App& app, bool& version) {
  using wirsel::messages::Text;
  app.description(
      "wirsel: a layout host that loads proofing plug-ins and runs their menu commands");
  app.set_help_flag("-h,--help", "Print this help message and exit");
  app.add_flag("--version", version, "Print the host's and each plug-in's name and version");
  // Read before the command line is built (the help is already in that
  // language); here only so that the parser accepts it before a command.
  static std::string lang;
  app.add_option("--lang", lang,
                 "Language of messages and help: en or pl (default: pl under a Polish locale)");
  for (const CommandEntry& command : Commands()) {
    command.setup(*app.add_subcommand(command.name, command.description));
  }
  app.require_subcommand(0, 1);
  auto formatter = app.get_formatter();
  for (const char* label : {"Usage", "OPTIONS", "SUBCOMMAND", "SUBCOMMANDS", "REQUIRED",
                            "Positionals", "TEXT", "UINT", "INT", "FLOAT", "Needs", "Excludes"}) {
    formatter->label(label, Text(label));
  }
  TranslateHelp(app);
}

std::string UsageErrorText(const CLI::ParseError& error) {
  // The parser's own sentences, with the names they carry.
  struct Pattern {
    const char* prefix;
    const char* suffix;
    const char* message;
  };
  static const Pattern kPatterns[] = {
      {"The following arguments were not expected: ", "", "unexpected arguments: {1}"},
      {"The following argument was not expected: ", "", "unexpected argument: {1}"},
      {"A subcommand", " is required", "a command is required"},
      {"", " is required", "{1} is required"},
      {"", " required TEXT missing", "{1}: a value is missing"},
      {"", " required UINT missing", "{1}: a number is missing"},
      {"", " required INT missing", "{1}: a number is missing"},
      {"Could not convert: ", "", "not a valid value: {1}"},
  };
  const std::string text = error.what();
  for (const Pattern& p : kPatterns) {
    const std::string_view prefix(p.prefix);
    const std::string_view suffix(p.suffix);
    if (text.size() < prefix.size() + suffix.size() ||
        text.compare(0, prefix.size(), prefix) != 0 ||
        text.compare(text.size() - suffix.size(), suffix.size(), suffix) != 0) {
      continue;
    }
    std::string part = text.substr(prefix.size(), text.size() - prefix.size() - suffix.size());
    // "--format: 1" of "--format: 1 required TEXT missing"
    if (const size_t colon = part.rfind(": "); !suffix.empty() && colon != std::string::npos &&
                                               suffix.find("missing") != std::string::npos) {
      part.resize(colon);
    }
    return Msg(p.message, part);
  }
  return text;
}

void SetExitStatus(int status) { ExitStatus() = status; }
int CurrentExitStatus() { return ErrorAlertShown() ? kExitError : ExitStatus(); }

std::string HostFolder() {
  char path[PATH_MAX];
  if (!platform::HostFolder(path, sizeof path)) return ".";
  std::string folder(path);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

std::string XTensionsFolder() { return HostFolder() + "/XTensions"; }

std::string PluginFilePath(const char* name) {
  const std::string folder = XTensionsFolder();
  if (platform::FolderWritable(folder.c_str())) return folder + "/" + name;
  char user[PATH_MAX];
  if (!platform::UserDataFolder(user, sizeof user)) return "";
  const std::string moved = std::string(user) + "/" + name;
  // As the plug-in does: the folder's file is copied once, so that nothing
  // the user kept there is lost (an existing copy is never replaced).
  const std::string old = folder + "/" + name;
  if (!platform::FileExists(moved.c_str()) && platform::FileExists(old.c_str())) {
    platform::CopyFileNew(old.c_str(), moved.c_str());
  }
  return moved;
}

std::string UserDictionaryFile() {
  PluginFilePath("user.txt");  // the word list moves with the dictionary
  return PluginFilePath("user.dic");
}
