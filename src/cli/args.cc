#include "cli/args.h"

#include "codec/tables.h"
#include "codec/text.h"

namespace vrq5::cli {

std::optional<std::string> ParsedArgs::Value(const std::string& name) const {
  auto it = values.find(name);
  if (it == values.end() || it->second.empty()) return std::nullopt;
  return it->second.back();
}

std::optional<ParsedArgs> ParseArgs(const std::vector<std::string>& args,
                                    const OptionSet& options,
                                    std::string& error) {
  ParsedArgs out;
  bool options_done = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (options_done || a.empty() || a[0] != '-' || a == "-") {
      out.positional.push_back(a);
      continue;
    }
    if (a == "--") {
      options_done = true;
      continue;
    }
    if (a == "--help" || a == "-h") {
      out.help = true;
      continue;
    }
    std::string name = a;
    std::optional<std::string> inline_value;
    if (auto eq = a.find('=');
        a.rfind("--", 0) == 0 && eq != std::string::npos) {
      name = a.substr(0, eq);
      inline_value = a.substr(eq + 1);
    }
    if (options.flags.count(name) && !inline_value) {
      out.flags.insert(name);
      continue;
    }
    bool takes_value =
        options.with_value.count(name) || options.repeated.count(name);
    if (!takes_value) {
      error = "unknown option " + name;
      return std::nullopt;
    }
    std::string value;
    if (inline_value) {
      value = *inline_value;
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      error = "option " + name + " needs a value";
      return std::nullopt;
    }
    auto& slot = out.values[name];
    if (!slot.empty() && !options.repeated.count(name)) {
      error = "option " + name + " given twice";
      return std::nullopt;
    }
    slot.push_back(value);
  }
  return out;
}

int ParseModel(const std::string& text) {
  std::string upper = ToUpperAscii(text);
  for (int i = 0; i < kModelCount; ++i) {
    if (ModelName[i] == upper) return i;
  }
  return -1;
}

}  // namespace vrq5::cli
