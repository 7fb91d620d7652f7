// Command-line parsing of the cvntime tool.
//
// Layout: cvntime [GLOBAL...] COMMAND [OPTION...] [ARG...]. Global options
// (--locale NAME, --help/-h, --version) may stand anywhere before "--".
// Options are long ("--format F" or "--format=F"). An argument that starts
// with a single '-' is not an option but a value, so that "-0.25" and
// "-1:30" can be given; "--" makes every later argument a value.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cvn::tool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUnread = 1;  // some text or value could not be read
inline constexpr int kExitUsage = 2;   // bad arguments

struct xGlobalArgs {
  std::optional<std::string> sLocale;
  bool bHelp = false;
  bool bVersion = false;
  std::string sCommand;             // empty when none was given
  std::vector<std::string> vsRest;  // the command's own arguments
};

// Splits argv into the global options, the command and its arguments.
// False with a one-line message in *error on a bad global option.
bool mParseGlobalArgs(const std::vector<std::string>& args, xGlobalArgs* out, std::string* error);

// An option a command accepts: its name with the dashes and how many values
// follow it (0 for a flag).
struct xOptionSpec {
  const char* pszName;
  int iValues;
};

struct xCommandArgs {
  std::map<std::string, std::vector<std::string>> mapOptions;  // last occurrence wins
  std::vector<std::string> vsPositional;

  bool mHas(const std::string& name) const { return mapOptions.count(name) != 0; }
  // The first value of an option, if it was given.
  std::optional<std::string> mValue(const std::string& name) const;
};

// Parses a command's arguments against its options. False with a one-line
// message in *error for an unknown option or a missing option value.
bool mParseCommandArgs(const std::string& command, const std::vector<std::string>& args,
                       const std::vector<xOptionSpec>& specs, xCommandArgs* out,
                       std::string* error);

}  // namespace cvn::tool
