#pragma once

#include "basis/Export.h"

#include <stdexcept>
#include <string>

namespace forms {

// A question reached a scripted host that had no answer queued for it: the test or
// scenario that ran it is wrong. It passes through the user-action edge untouched.
class DELVARO_EXPORT UnscriptedQuestion : public std::logic_error {
 public:
  explicit UnscriptedQuestion(const std::string& text)
      : std::logic_error("question sans réponse prévue : " + text) {}
};

}  // namespace forms
