#include "rights/RightsRecord.h"

#include <algorithm>
#include <map>

#include "basis/Error.h"
#include "dba/Marks.h"
#include "rights/AccessLevel.h"

namespace rights {
namespace {

bool HoldsMark(const std::string& text) {
  return text.find_first_of({dba::kAttributeMark, dba::kValueMark, dba::kSubvalueMark}) !=
         std::string::npos;
}

// The level an entry grants, with what is wrong with it.
std::int32_t LevelOf(const std::string& screen, const std::string& level,
                     std::vector<std::string>& problems) {
  if (const auto read = ParseAccessLevel(level))
    return *read;
  if (level.empty())
    problems.push_back("l'écran " + screen + " n'a pas de niveau : niveau 0 retenu");
  else
    problems.push_back("le niveau « " + level + " » de l'écran " + screen +
                       " n'est pas 0, 1 ou 2 : niveau 0 retenu");
  return kNoAccess;
}

}  // namespace

RightsRecord::RightsRecord(const dba::DynamicArray& record) {
  const long screens = record.DCount(1);
  for (long i = 1; i <= screens; ++i)
    entries_.push_back({record.Extract(1, i).Text(), record.Extract(2, i).Text()});
  for (long i = screens + 1; i <= record.DCount(2); ++i)
    if (!record.Extract(2, i).Text().empty())
      ++levelsWithoutScreen_;
}

std::vector<ScreenGrant> RightsRecord::Grants(std::vector<std::string>& problems) const {
  std::vector<ScreenGrant> grants;
  std::map<std::string, std::size_t> placeOf;
  for (const Entry& entry : entries_) {
    if (entry.screen.empty()) {
      if (!entry.level.empty())
        problems.push_back("le niveau « " + entry.level + " » ne nomme aucun écran : ignoré");
      continue;
    }
    const std::int32_t level = LevelOf(entry.screen, entry.level, problems);
    const auto [place, isNew] = placeOf.try_emplace(entry.screen, grants.size());
    if (isNew) {
      grants.push_back({entry.screen, level});
    } else {
      problems.push_back("l'écran " + entry.screen +
                         " est nommé plusieurs fois : le plus bas de ses niveaux est retenu");
      grants[place->second].level = std::min(grants[place->second].level, level);
    }
  }
  if (levelsWithoutScreen_ > 0)
    problems.push_back("plus de niveaux que d'écrans : " + std::to_string(levelsWithoutScreen_) +
                       " niveau(x) sans écran ignoré(s)");
  return grants;
}

void RightsRecord::Set(const std::string& screen, std::int32_t level) {
  const std::string levelText = std::to_string(level);
  if (screen.empty() || HoldsMark(screen) || !ParseAccessLevel(levelText))
    throw basis::Error(basis::kInvalidProcedureCall,
                       "droit invalide : écran « " + screen + " », niveau " + levelText);
  const auto names = [&screen](const Entry& entry) { return entry.screen == screen; };
  const auto first = std::find_if(entries_.begin(), entries_.end(), names);
  if (first == entries_.end()) {
    entries_.push_back({screen, levelText});
    return;
  }
  first->level = levelText;
  entries_.erase(std::remove_if(first + 1, entries_.end(), names), entries_.end());
}

bool RightsRecord::Remove(const std::string& screen) {
  return std::erase_if(entries_, [&screen](const Entry& entry) { return entry.screen == screen; }) >
         0;
}

void RightsRecord::WriteTo(dba::DynamicArray& record) const {
  std::string screens;
  std::string levels;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (i > 0) {
      screens += dba::kValueMark;
      levels += dba::kValueMark;
    }
    screens += entries_[i].screen;
    levels += entries_[i].level;
  }
  record.Replace(1, screens);
  record.Replace(2, levels);
}

}  // namespace rights
