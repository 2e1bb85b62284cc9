#include "control/CascadeLevels.h"

namespace cascade {

std::string KeyPrefix(const Ctr_Sectorisation& control, const Level& level) {
  if (!level.above)
    return "";
  const Level& above = kLevels[*level.above];
  return KeyPrefix(control, above) + (control.*above.codeBox).Text();
}

std::vector<forms::Widget*> Fields(Ctr_Sectorisation& control, const Level& level) {
  std::vector<forms::Widget*> fields;
  if (level.codeBox != nullptr)
    fields.push_back(&(control.*level.codeBox));
  fields.push_back(&(control.*level.labelList));
  return fields;
}

}  // namespace cascade
