#include "basis/Text.h"

namespace basis {

std::string_view Trim(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos)
    return {};
  return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

}  // namespace basis
