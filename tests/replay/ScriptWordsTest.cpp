#include "replay/ScriptWords.h"

#include <gtest/gtest.h>

using scenario::QuoteWord;
using scenario::SplitWords;
using scenario::WordSyntaxError;
using Words = std::vector<std::string>;

TEST(ScriptWords, BlanksSeparateAndHashStartsAComment) {
  EXPECT_EQ(SplitWords("  type\tTxt_SecteurAidant   12  "),
            (Words{"type", "Txt_SecteurAidant", "12"}));
  EXPECT_EQ(SplitWords("click Cmd_OkSectorisation # valide"),
            (Words{"click", "Cmd_OkSectorisation"}));
  EXPECT_EQ(SplitWords("edit Txt_A abc#def"), (Words{"edit", "Txt_A", "abc"}));
  EXPECT_TRUE(SplitWords("   # rien que ça").empty());
  EXPECT_TRUE(SplitWords("").empty());
}

TEST(ScriptWords, QuotesHoldBlanksHashesEscapesAndNothing) {
  EXPECT_EQ(SplitWords(R"(expect message "Ce secteur n'existe pas." 48)"),
            (Words{"expect", "message", "Ce secteur n'existe pas.", "48"}));
  EXPECT_EQ(SplitWords(R"(edit X "")"), (Words{"edit", "X", ""}));
  EXPECT_EQ(SplitWords(R"("a # b" "dit \"oui\"" "c:\\d")"),
            (Words{"a # b", "dit \"oui\"", "c:\\d"}));
  EXPECT_EQ(SplitWords(R"("x"# comment)"), (Words{"x"}));
  // Outside quotes a backslash is an ordinary character.
  EXPECT_EQ(SplitWords(R"(a\b)"), (Words{"a\\b"}));
}

TEST(ScriptWords, MalformedLinesNameTheProblemAndColumn) {
  auto problem = [](std::string_view line) {
    try {
      SplitWords(line);
    } catch (const WordSyntaxError& error) {
      return std::string(error.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(problem(R"(edit X "abc)"), "guillemet non fermé (colonne 8)");
  EXPECT_EQ(problem(R"(edit X "abc\")"), "guillemet non fermé (colonne 8)");
  EXPECT_EQ(problem(R"(edit X "a\tb")"), "échappement inconnu \\t (colonne 10)");
  EXPECT_EQ(problem(R"(edit X ab"c")"), "guillemet au milieu d'un mot (colonne 10)");
  EXPECT_EQ(problem(R"(edit X "ab"c)"), "texte collé après un guillemet fermant (colonne 12)");
}

// That quoting gives back every word is the fuzz target's property, replayed on its corpus.
TEST(ScriptWords, QuotingLeavesAPlainWordBare) {
  EXPECT_EQ(QuoteWord("Txt_SecteurAidant"), "Txt_SecteurAidant");
  EXPECT_EQ(QuoteWord("Centre ville"), "\"Centre ville\"");
  EXPECT_EQ(QuoteWord(""), "\"\"");
}
