#include "qt/Mnemonics.h"

#include <map>

namespace qtui {

QChar MnemonicOf(const std::string& name) {
  static const std::map<std::string, QChar> letters = {
      {"Etq_SecteurAidant", u'S'},
      {"Etq_SousSecteurAidant", u'u'},
      {"Etq_QuartierAidant", u'Q'},
      {"Etq_CentreMedAidant", u'C'},
      {"Etq_AntMedAidant", u'A'},
      {"Etq_MoyLocAidant", u'M'},
      {"Etq_Pos", u'p'},
      {"Etq_Sel", u'l'},
      {"Cmd_Tous", u'T'},
      {"Cmd_OkSectorisation", u'O'},
      {"Cmd_RetourSectorisation", u'R'},
      {"Ong_Sectorisation.0", u'e'},
      {"Ong_Sectorisation.1", u'i'},
  };
  const auto found = letters.find(name);
  return found == letters.end() ? QChar() : found->second;
}

}  // namespace qtui
