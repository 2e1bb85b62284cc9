#pragma once

#include "basis/Export.h"

#include <string>
#include <vector>

namespace qtui {

// Hears what the person does on the screen, for a host that records it. An action is
// told once it has returned, as the words of the scenario line that replays it; the
// answers given to questions while it ran are told before it, in the order given.
class DELVARO_EXPORT ActionListener {
 public:
  virtual ~ActionListener() = default;
  virtual void ActionDone(const std::vector<std::string>& words) = 0;
  virtual void AnswerGiven(int answer) = 0;
};

}  // namespace qtui
