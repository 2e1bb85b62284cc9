#include "common/ToolCommandLine.h"

#include <regex>

#include "delvaro/Version.h"

namespace appsupport {

namespace {

// CLI11 speaks English; its messages have a fixed shape, read back here so that what
// the user sees names the same option or value in French.
std::string Captured(const std::string& message, const char* pattern) {
  std::smatch match;
  return std::regex_search(message, match, std::regex(pattern)) ? match[1].str() : message;
}

std::string FirstWord(const std::string& words) {
  return words.substr(0, words.find(' '));
}

void SetFrenchLabels(CLI::Formatter& formatter) {
  for (const auto& [english, french] :
       std::initializer_list<std::pair<const char*, const char*>>{{"Usage", "Utilisation"},
                                                                  {"Positionals", "Arguments"},
                                                                  {"SUBCOMMAND", "COMMANDE"},
                                                                  {"SUBCOMMANDS", "COMMANDES"},
                                                                  {"REQUIRED", "(obligatoire)"},
                                                                  {"Excludes", "Exclut"},
                                                                  {"Needs", "Demande"},
                                                                  {"TEXT", "TEXTE"},
                                                                  {"INT", "ENTIER"}})
    formatter.label(english, french);
}

}  // namespace

ToolCommandLine::ToolCommandLine(std::string program, const std::string& description)
    : program_(std::move(program)), app_(description, program_) {
  auto formatter = std::make_shared<CLI::Formatter>();
  SetFrenchLabels(*formatter);
  formatter->column_width(28);
  app_.formatter(formatter);
  app_.option_defaults()->group("Options");
  app_.set_help_flag("-h,--help", "affiche cette aide");
  app_.set_version_flag("--version", program_ + " " + DELVARO_VERSION, "affiche la version");
}

CLI::App& ToolCommandLine::AddCommand(const std::string& name, const std::string& description) {
  CLI::App& command = *app_.add_subcommand(name, description);
  command.group("Commandes");
  command.set_help_flag("-h,--help", "affiche l'aide de cette commande");
  return command;
}

std::optional<int> ToolCommandLine::Parse(const std::vector<std::string>& arguments,
                                          std::ostream& out, std::ostream& err) {
  // CLI11 takes the words last first.
  std::vector<std::string> words(arguments.rbegin(), arguments.rend());
  try {
    app_.parse(words);
  } catch (const CLI::CallForHelp&) {
    out << app_.help();
    return 0;
  } catch (const CLI::CallForVersion& version) {
    out << version.what() << "\n";
    return 0;
  } catch (const CLI::ParseError& error) {
    return Refuse(Explain(error), err);
  }
  return std::nullopt;
}

int ToolCommandLine::Refuse(const std::string& reason, std::ostream& err) const {
  err << program_ << " : " << reason << ".\n"
      << "Pour l'aide : " << program_ << " --help\n";
  return 2;
}

std::string ToolCommandLine::Explain(const CLI::ParseError& error) const {
  const std::string message = error.what();
  if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
    const std::string extra = FirstWord(Captured(message, "expected: (.*)$"));
    return (extra.starts_with("-") ? "option inconnue « " : "argument en trop « ") + extra + " »";
  }
  if (dynamic_cast<const CLI::RequiredError*>(&error)) {
    if (message.find("subcommand") != std::string::npos) {
      const auto remaining = app_.remaining();
      return remaining.empty() ? "commande manquante"
                               : "commande inconnue « " + remaining[0] + " »";
    }
    const std::string name = Captured(message, "^(\\S+) is required");
    return (name.starts_with("-") ? "l'option " : "l'argument ") + name + " est obligatoire";
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) {
    const std::string name = message.starts_with("Expected")
                                 ? Captured(message, "arguments to (\\S+)")
                                 : Captured(message, "^([^:]+):");
    return "l'option " + name + " attend une valeur";
  }
  if (dynamic_cast<const CLI::ConversionError*>(&error))
    return "valeur incorrecte pour " + Captured(message, "^Could not convert: (.*)$");
  std::smatch match;
  if (dynamic_cast<const CLI::ValidationError*>(&error) &&
      std::regex_search(message, match, std::regex("^(\\S+): (.*)$")))
    return match[1].str() + " : " + match[2].str();
  if (dynamic_cast<const CLI::ExcludesError*>(&error) &&
      std::regex_search(message, match, std::regex("^(\\S+) excludes (\\S+)")))
    return match[1].str() + " et " + match[2].str() + " ne vont pas ensemble";
  return "ligne de commande incorrecte (" + message + ")";
}

}  // namespace appsupport
