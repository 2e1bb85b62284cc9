#include "replay/ScriptWords.h"

#include <gtest/gtest.h>

using scenario::QuoteWord;
using scenario::SplitWords;
using scenario::WordSyntaxError;
using Words = std::vector<std::string>;

// That quoting gives back every word is the fuzz target's property, replayed on its corpus.
TEST(ScriptWords, BlanksSeparateHashStartsACommentAndQuotesHoldBlanksHashesAndEscapes) {
  const std::pair<const char*, Words> lines[] = {
      {"  type\tTxt_SecteurAidant   12  ", {"type", "Txt_SecteurAidant", "12"}},
      {"click Cmd_OkSectorisation # valide", {"click", "Cmd_OkSectorisation"}},
      {"edit Txt_A abc#def", {"edit", "Txt_A", "abc"}},
      {"   # rien que ça", {}},
      {R"(expect message "Ce secteur n'existe pas." 48)",
       {"expect", "message", "Ce secteur n'existe pas.", "48"}},
      {R"(edit X "")", {"edit", "X", ""}},
      {R"("a # b" "dit \"oui\"" "c:\\d")", {"a # b", "dit \"oui\"", "c:\\d"}},
      {R"("x"# comment)", {"x"}},
      {R"(a\b)", {"a\\b"}}};  // outside quotes a backslash is an ordinary character
  for (const auto& [line, words] : lines)
    EXPECT_EQ(SplitWords(line), words) << line;
  EXPECT_EQ(QuoteWord("Txt_SecteurAidant"), "Txt_SecteurAidant");
}

TEST(ScriptWords, MalformedLinesNameTheProblemAndColumn) {
  const std::pair<const char*, const char*> lines[] = {
      {R"(edit X "abc\")", "guillemet non fermé (colonne 8)"},
      {R"(edit X "a\tb")", "échappement inconnu \\t (colonne 10)"},
      {R"(edit X ab"c")", "guillemet au milieu d'un mot (colonne 10)"},
      {R"(edit X "ab"c)", "texte collé après un guillemet fermant (colonne 12)"}};
  for (const auto& [line, problem] : lines) {
    try {
      SplitWords(line);
      ADD_FAILURE() << line;
    } catch (const WordSyntaxError& error) {
      EXPECT_STREQ(error.what(), problem);
    }
  }
}
