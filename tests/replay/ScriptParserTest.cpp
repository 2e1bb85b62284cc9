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

// "LINE: reason" of the error that stops the script.
std::string Refusal(std::string_view script) {
  try {
    ParseScript(script);
  } catch (const ScriptError& error) {
    return std::to_string(error.Line()) + ": " + error.what();
  }
  return "accepted";
}

}  // namespace

// The scenario tests play every command; here, what they do not show.
TEST(ScriptParser, ActionsDecodeTheirWidgetTextAndNumbers) {
  auto type = Only("type Txt_SecteurAidant 12");
  EXPECT_EQ(type.verb, Verb::Type);
  EXPECT_EQ(type.widget, "Txt_SecteurAidant");
  EXPECT_EQ(type.text, "12");
  EXPECT_EQ(Only(R"(edit Cbo_LibSecteurAidant "")").text, "");
  EXPECT_EQ(Only("rightclick 1").number, 1);
  EXPECT_EQ(Only("select Lst_Pos").indexes, std::vector<int>{});
  EXPECT_EQ(Only("select Lst_Pos 0 3").indexes, (std::vector<int>{0, 3}));
}

TEST(ScriptParser, PickTakesABareNumberAsAnIndexAndAnythingElseAsAText) {
  EXPECT_EQ(Only("pick Cbo_LibMoyLocAidant 3").number, 3);
  for (const char* text : {R"("3")", "Vélo"})
    EXPECT_FALSE(Only(std::string("pick Cbo_LibMoyLocAidant ") + text).hasNumber) << text;
  EXPECT_EQ(Only(R"(pick Cbo_LibMoyLocAidant "3")").text, "3");
  EXPECT_EQ(Refusal("pick Cbo_LibMoyLocAidant -1"),
            "1: index hors des limites (0 à 2147483647) : -1");
}

TEST(ScriptParser, ExpectationsDecodeTheirSubjectAndNormaliseTheValue) {
  auto item = Only("expect Lst_Sel.ItemData(1) 012");
  EXPECT_EQ(item.verb, Verb::ExpectProperty);
  EXPECT_EQ(item.widget, "Lst_Sel");
  EXPECT_EQ(item.property, "ItemData");
  EXPECT_EQ(item.propertyIndex, 1);
  EXPECT_EQ(item.text, "12");
  EXPECT_FALSE(Only("expect message OK").hasNumber);
  auto record = Only("expect record CIVILAIDANT A001 43.2 012");
  EXPECT_EQ(record.attribute, 43);
  EXPECT_EQ(record.value, 2);
  EXPECT_EQ(Only(R"(expect record CIVILAIDANT A001 31 "")").value, -1);
}

TEST(ScriptParser, RecordTakesTheRestOfTheLineAsJson) {
  auto record = Only(R"(record SECTEUR 009 ["Zone # 9", ["a b", ["x", "y"]]]  # ajouté)");
  EXPECT_EQ(record.verb, Verb::Record);
  EXPECT_EQ(record.file, "SECTEUR");
  EXPECT_EQ(record.key, "009");
  EXPECT_EQ(record.text,
            R"({"file":"SECTEUR","key":"009","record":["Zone # 9",["a b",["x","y"]]]})");
  EXPECT_EQ(Refusal(R"(record SECTEUR 009 {"a": 1})"),
            "1: Ligne 1 : « record » doit être une liste d'attributs.");
  EXPECT_EQ(Refusal("record SECTEUR 009"), "1: usage : record FILE KEY JSON");
  EXPECT_EQ(Refusal(R"(record SECTEUR 009 ["a"] ["b"])"), R"(1: texte après le JSON : ["b"])");
  EXPECT_EQ(
      Refusal(R"(record SECTEUR 009 ["a")")
          .rfind("1: record : JSON malformé à la colonne 24. ([json.exception.parse_error", 0),
      0u);
}

TEST(ScriptParser, ARecordLineTheLibraryCannotTakeStopsWithAFrenchReason) {
  EXPECT_EQ(Refusal("open A001\nrecord SECTEUR 009 [1E400]")
                .rfind("2: record : JSON malformé : nombre trop grand. (", 0),
            0u);
  EXPECT_EQ(Refusal("record SECTEUR \xC3( [\"a\"]")
                .rfind("1: record : texte qui n'est pas en UTF-8. (", 0),
            0u);
  EXPECT_EQ(Refusal("record SECT\xFF 001 []").rfind("1: record : texte qui n'est pas", 0), 0u);
  // Nested far beyond any record: refused before anything walks it recursively.
  const std::string deep =
      "record SECTEUR 009 " + std::string(100000, '[') + std::string(100000, ']');
  EXPECT_EQ(Refusal(deep), "1: JSON trop imbriqué : plus de 64 niveaux.");
}

TEST(ScriptParser, MalformedLinesStopWithTheirLineAndReason) {
  EXPECT_EQ(Refusal("# début\n\nopen A001\nouvre A002"), "4: commande inconnue : ouvre");
  EXPECT_EQ(Refusal("type Txt_SecteurAidant"), "1: usage : type WIDGET TEXT");
  EXPECT_EQ(Refusal("close now"), "1: usage : close");
  EXPECT_EQ(Refusal("tab un"), "1: onglet attendu, un nombre : \"un\"");
  EXPECT_EQ(Refusal("answer 9"), "1: réponse hors des limites (1 à 7) : 9");
  EXPECT_EQ(Refusal("key Txt_SecteurAidant 300"),
            "1: code de touche hors des limites (0 à 255) : 300");
  EXPECT_EQ(Refusal("edit Txt_SecteurAidant \"12"), "1: guillemet non fermé (colonne 24)");
  EXPECT_EQ(Refusal("expect Txt_SecteurAidant.Couleur rouge"), "1: propriété inconnue : Couleur");
  EXPECT_EQ(Refusal("expect Lst_Pos.List 1"), "1: List s'écrit avec un index : List(i)");
  EXPECT_EQ(Refusal("expect Lst_Pos.ListCount(1) 1"), "1: ListCount s'écrit sans index");
  EXPECT_EQ(Refusal("expect Lst_Pos.Selected(x) True"),
            "1: index de propriété illisible : Selected(x)");
  EXPECT_EQ(Refusal("expect Cmd_Tous.Enabled true"), "1: True ou False attendu : \"true\"");
  EXPECT_EQ(Refusal("expect Txt_SecteurAidant.Text"), "1: usage : expect WIDGET.PROPERTY VALUE");
  EXPECT_EQ(Refusal("expect no messages"), "1: usage : expect no message");
  EXPECT_EQ(Refusal("expect record CIVILAIDANT A001 31.x 1"),
            "1: attribut attendu, ATTRIBUTE ou ATTRIBUTE.VALUE : \"31.x\"");
}

TEST(ScriptParser, WindowsLineEndingsAndAByteOrderMarkAreAccepted) {
  auto commands = ParseScript("\xEF\xBB\xBFopen A001\r\n\r\nexpect beep\r\n");
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0].widget, "A001");
  EXPECT_EQ(commands[1].line, 3);
}
