#pragma once

#include <stdexcept>
#include <string>

namespace host {

// The aidant asked for has no record in CIVILAIDANT (a mistyped code, or a record
// removed since the list was read). The screen is not opened: it would show a blank
// creation that nothing can save. what() is the French message for the person.
class MissingAidant : public std::runtime_error {
 public:
  explicit MissingAidant(const std::string& code)
      : std::runtime_error("L'aidant " + code + " n'existe pas dans le fichier CIVILAIDANT."),
        code_(code) {}

  const std::string& Code() const { return code_; }

 private:
  std::string code_;
};

}  // namespace host
