#include "replay/ScriptParser.h"

#include <gtest/gtest.h>

#include "replay/ScriptError.h"

using scenario::ParseScript;
using scenario::ScriptCommand;
using scenario::ScriptError;
using scenario::Verb;

namespace {

ScriptCommand Only(std::string_view line) {
  auto commands = ParseScript(line);
  EXPECT_EQ(commands.size(), 1u) << line;
  return commands.empty() ? ScriptCommand{} : commands.front();
}

}  // namespace

// The scenario tests play every command; here, what they do not show.
TEST(ScriptParser, CommandsDecodeTheirWidgetTextNumbersAndJson) {
  auto type = Only("type Txt_SecteurAidant 12");
  EXPECT_EQ(type.verb, Verb::Type);
  EXPECT_EQ(type.widget, "Txt_SecteurAidant");
  EXPECT_EQ(type.text, "12");
  EXPECT_EQ(Only("rightclick 1").number, 1);
  EXPECT_EQ(Only("select Lst_Pos 0 3").indexes, (std::vector<int>{0, 3}));
  // A bare number picks by index, anything else by text.
  EXPECT_EQ(Only("pick Cbo_LibMoyLocAidant 3").number, 3);
  EXPECT_FALSE(Only(R"(pick Cbo_LibMoyLocAidant "3")").hasNumber);
  EXPECT_EQ(Only(R"(pick Cbo_LibMoyLocAidant "3")").text, "3");

  auto item = Only("expect Lst_Sel.ItemData(1) 012");
  EXPECT_EQ(item.verb, Verb::ExpectProperty);
  EXPECT_EQ(item.property, "ItemData");
  EXPECT_EQ(item.propertyIndex, 1);
  EXPECT_EQ(item.text, "12");
  auto element = Only("expect record CIVILAIDANT A001 43.2 012");
  EXPECT_EQ(element.attribute, 43);
  EXPECT_EQ(element.value, 2);
  EXPECT_EQ(Only(R"(expect record CIVILAIDANT A001 31 "")").value, -1);

  auto record = Only(R"(record SECTEUR 009 ["Zone # 9", ["a b", ["x", "y"]]]  # ajouté)");
  EXPECT_EQ(record.verb, Verb::Record);
  EXPECT_EQ(record.text,
            R"({"file":"SECTEUR","key":"009","record":["Zone # 9",["a b",["x","y"]]]})");

  auto commands = ParseScript("\xEF\xBB\xBFopen A001\r\n\r\nexpect beep\r\n");
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0].widget, "A001");
  EXPECT_EQ(commands[1].line, 3);
}

// Each refusal begins "LINE: reason"; the library's own words may follow in parentheses.
TEST(ScriptParser, MalformedLinesStopWithTheirLineAndAFrenchReason) {
  const std::pair<std::string, const char*> refused[] = {
      {"# début\n\nopen A001\nouvre A002", "4: commande inconnue : ouvre"},
      {"type Txt_SecteurAidant", "1: usage : type WIDGET TEXT"},
      {"tab un", "1: onglet attendu, un nombre : \"un\""},
      {"answer 9", "1: réponse hors des limites (1 à 7) : 9"},
      {"key Txt_SecteurAidant 300", "1: code de touche hors des limites (0 à 255) : 300"},
      {"pick Cbo_LibMoyLocAidant -1", "1: index hors des limites (0 à 2147483647) : -1"},
      {"edit Txt_SecteurAidant \"12", "1: guillemet non fermé (colonne 24)"},
      {"expect Txt_SecteurAidant.Couleur rouge", "1: propriété inconnue : Couleur"},
      {"expect Lst_Pos.List 1", "1: List s'écrit avec un index : List(i)"},
      {"expect Lst_Pos.Selected(x) True", "1: index de propriété illisible : Selected(x)"},
      {"expect Cmd_Tous.Enabled true", "1: True ou False attendu : \"true\""},
      {"expect no messages", "1: usage : expect no message"},
      {"expect record CIVILAIDANT A001 31.x 1",
       "1: attribut attendu, ATTRIBUTE ou ATTRIBUTE.VALUE : \"31.x\""},
      {"record SECTEUR 009", "1: usage : record FILE KEY JSON"},
      {R"(record SECTEUR 009 {"a": 1})", "1: Ligne 1 : « record » doit être une liste"},
      {R"(record SECTEUR 009 ["a"] ["b"])", R"(1: texte après le JSON : ["b"])"},
      {R"(record SECTEUR 009 ["a")", "1: record : JSON malformé à la colonne 24. ([json."},
      {"open A001\nrecord SECTEUR 009 [1E400]", "2: record : JSON malformé : nombre trop grand. ("},
      {"record SECTEUR \xC3( [\"a\"]", "1: record : texte qui n'est pas en UTF-8. ("},
      // Nested far beyond any record: refused before anything walks it recursively.
      {"record SECTEUR 009 " + std::string(100000, '[') + std::string(100000, ']'),
       "1: JSON trop imbriqué : plus de 64 niveaux."}};
  for (const auto& [script, reason] : refused) {
    try {
      ParseScript(script);
      ADD_FAILURE() << script.substr(0, 60) << " accepted";
    } catch (const ScriptError& error) {
      const std::string refusal = std::to_string(error.Line()) + ": " + error.what();
      EXPECT_TRUE(refusal.starts_with(reason)) << refusal;
    }
  }
}
