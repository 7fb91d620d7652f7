// Command-line parsing of the cvntime tool.

#include "tools/cvntime/args.h"

namespace cvn::tool {

namespace {

bool mIsLongOption(const std::string& arg) {
  return arg.size() > 2 && arg.compare(0, 2, "--") == 0;
}

// Splits "--name=value" into name and value.
void mSplitInlineValue(const std::string& arg, std::string* name,
                       std::optional<std::string>* value) {
  const size_t iEq = arg.find('=');
  if (iEq == std::string::npos) {
    *name = arg;
    value->reset();
  } else {
    *name = arg.substr(0, iEq);
    *value = arg.substr(iEq + 1);
  }
}

}  // namespace

bool mParseGlobalArgs(const std::vector<std::string>& args, xGlobalArgs* out, std::string* error) {
  *out = xGlobalArgs{};
  bool bValuesOnly = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& sArg = args[i];
    if (!bValuesOnly) {
      std::string sName;
      std::optional<std::string> sInline;
      mSplitInlineValue(sArg, &sName, &sInline);
      if (sArg == "--") {
        bValuesOnly = true;
        if (!out->sCommand.empty()) out->vsRest.push_back(sArg);
        continue;
      }
      if (sArg == "--help" || sArg == "-h") {
        out->bHelp = true;
        continue;
      }
      if (sArg == "--version") {
        out->bVersion = true;
        continue;
      }
      if (sName == "--locale") {
        if (sInline) {
          out->sLocale = *sInline;
        } else if (i + 1 < args.size()) {
          out->sLocale = args[++i];
        } else {
          *error = "option '--locale' needs a locale name";
          return false;
        }
        continue;
      }
    }
    if (out->sCommand.empty() && !bValuesOnly) {
      if (mIsLongOption(sArg)) {
        *error = "unknown option '" + sArg + "' before the command";
        return false;
      }
      out->sCommand = sArg;
    } else {
      out->vsRest.push_back(sArg);
    }
  }
  return true;
}

std::optional<std::string> xCommandArgs::mValue(const std::string& name) const {
  const auto it = mapOptions.find(name);
  if (it == mapOptions.end() || it->second.empty()) return std::nullopt;
  return it->second.front();
}

bool mParseCommandArgs(const std::string& command, const std::vector<std::string>& args,
                       const std::vector<xOptionSpec>& specs, xCommandArgs* out,
                       std::string* error) {
  *out = xCommandArgs{};
  bool bValuesOnly = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& sArg = args[i];
    if (bValuesOnly || !mIsLongOption(sArg)) {
      if (!bValuesOnly && sArg == "--") {
        bValuesOnly = true;
        continue;
      }
      out->vsPositional.push_back(sArg);
      continue;
    }
    std::string sName;
    std::optional<std::string> sInline;
    mSplitInlineValue(sArg, &sName, &sInline);
    const xOptionSpec* pSpec = nullptr;
    for (const xOptionSpec& xOption : specs) {
      if (sName == xOption.pszName) pSpec = &xOption;
    }
    if (pSpec == nullptr) {
      *error = "unknown option '";
      *error += sName;
      *error += "' for '";
      *error += command;
      *error += "'";
      return false;
    }
    std::vector<std::string> vsValues;
    if (pSpec->iValues == 0) {
      if (sInline) {
        *error = "option '" + sName + "' takes no value";
        return false;
      }
    } else {
      int iNeeded = pSpec->iValues;
      if (sInline) {
        vsValues.push_back(*sInline);
        --iNeeded;
      }
      for (; iNeeded > 0; --iNeeded) {
        if (i + 1 >= args.size()) {
          *error = "option '" + sName + "' needs " + std::to_string(pSpec->iValues) +
                   (pSpec->iValues == 1 ? " value" : " values");
          return false;
        }
        vsValues.push_back(args[++i]);
      }
    }
    out->mapOptions[sName] = vsValues;
  }
  return true;
}

}  // namespace cvn::tool
