#include "replay/ScenarioRunner.h"

#include <gtest/gtest.h>

#include "TestStore.h"
#include "basis/Error.h"

using scenario::ScenarioOutcome;
using scenario::ScenarioRunner;
using Lines = std::vector<std::string>;

namespace {

// Scripts played over the small service of TestStore (see LoadStandardWorld).
class ScenarioRunnerTest : public testing::Test {
 protected:
  ScenarioRunnerTest() { store_.LoadStandardWorld(); }

  ScenarioOutcome Play(std::string_view script) {
    return ScenarioRunner(store_.Connection(), store_.Client()).Run("s.scn", script);
  }

  TestStore store_;
};

}  // namespace

TEST_F(ScenarioRunnerTest, FailedExpectationsAreCountedReportedAndTheScriptGoesOn) {
  auto outcome = Play(R"(open A001
expect Txt_SecteurAidant.Text 001
expect Cbo_LibSecteurAidant.Text "Nord"   # faux
expect Cbo_LibMoyLocAidant.ListIndex 3    # faux
expect Lst_Sel.ItemData(5) 2              # faux : pas de sixième entrée
expect Lst_Sel.Selected(0) False
expect Cmd_OkSectorisation.Caption OK
)");
  EXPECT_EQ(outcome.passed, 3);
  EXPECT_EQ(outcome.failed, 3);
  EXPECT_EQ(outcome.Status(), 1);
  ASSERT_EQ(outcome.report.size(), 3u);
  EXPECT_EQ(outcome.report[0],
            R"(s.scn:3: expected Cbo_LibSecteurAidant.Text "Nord", got "Centre-ville")");
  EXPECT_EQ(outcome.report[1], "s.scn:4: expected Cbo_LibMoyLocAidant.ListIndex 3, got 1");
  EXPECT_EQ(outcome.report[2].rfind("s.scn:5: expected Lst_Sel.ItemData(5) 2, got error 381 ", 0),
            0u);
}

TEST_F(ScenarioRunnerTest, AQuestionWithNoAnswerStopsTheScriptWhereItWasAsked) {
  auto outcome = Play(R"(open A001
pick Cbo_LibMoyLocAidant Voiture
expect no message
click Cmd_RetourSectorisation
expect unloaded
)");
  EXPECT_TRUE(outcome.stopped);
  EXPECT_EQ(outcome.Status(), 2);
  EXPECT_EQ(outcome.passed, 1);
  EXPECT_EQ(outcome.report,
            (Lines{"s.scn:4: question sans réponse prévue : Voulez-vous enregistrer les "
                   "modifications apportées à cet article ?"}));
  EXPECT_EQ(store_.Element("CIVILAIDANT", "A001", 34), "2");
}

TEST_F(ScenarioRunnerTest, WhatCannotBeCarriedOutOrReadStopsTheScriptWithItsReason) {
  auto stop = [&](std::string_view script) {
    auto outcome = Play(script);
    EXPECT_TRUE(outcome.stopped) << script;
    return outcome.report.empty() ? std::string() : outcome.report.back();
  };
  EXPECT_EQ(stop("open A001\nclick Cmd_Inconnu"), "s.scn:2: widget inconnu : Cmd_Inconnu");
  EXPECT_EQ(stop("open A001\ntype Cmd_Tous 1"), "s.scn:2: Cmd_Tous n'est pas une zone de texte");
  EXPECT_EQ(stop("open A001\nexpect Cmd_Tous.Text x"),
            "s.scn:2: Cmd_Tous n'a pas de propriété Text");
  EXPECT_EQ(stop("open A001\npick Cbo_LibMoyLocAidant Trottinette"),
            "s.scn:2: Cbo_LibMoyLocAidant n'a pas d'entrée \"Trottinette\" (4 entrées)");
  EXPECT_EQ(stop("leave Txt_SecteurAidant"), "s.scn:1: aucune fenêtre ouverte : open CODE d'abord");
  EXPECT_EQ(stop("open A001\nclick Cmd_RetourSectorisation\nclick Cmd_Tous"),
            "s.scn:3: aucune fenêtre ouverte : elle a été déchargée ligne 2");
  // A malformed late line stops the script before anything is written.
  EXPECT_EQ(stop("record SECTEUR 009 [\"Neuf\"]\nopen A001\nexpect beeep"),
            "s.scn:3: attendu : expect WIDGET.PROPERTY VALUE, ou message, no message, beep, "
            "help, W_SortirSectorisation, unloaded, record");
  EXPECT_EQ(store_.Get("SECTEUR", "009"), nullptr);
}

TEST_F(ScenarioRunnerTest, AFailedInitIsReportedWithItsNumberAndDescription) {
  auto outcome = ScenarioRunner(dba::DatabaseClient().Connect("sqlite::memory:"))
                     .Run("s.scn", "expect unloaded\nopen A001\nexpect unloaded\n");
  EXPECT_TRUE(outcome.stopped);
  ASSERT_EQ(outcome.report.size(), 2u);
  EXPECT_EQ(outcome.report[0], "s.scn:1: expected unloaded, got no window");
  EXPECT_EQ(outcome.report[1].rfind(
                "s.scn:2: Init a échoué : " + std::to_string(basis::kFileNotFound) + " ", 0),
            0u)
      << outcome.report[1];
}

TEST_F(ScenarioRunnerTest, MessagesBeepsAndHelpAreCheckedInTheOrderTheyCame) {
  auto outcome = Play(R"(open A003
type Txt_SecteurAidant 9
key Txt_SecteurAidant 13
type Txt_SecteurAidant 8
key Txt_SecteurAidant 13
expect message "Ce secteur n'existe pas." 48
expect message "Ce secteur n'existe pas." 16   # faux : le style
expect message "Ce secteur n'existe pas."      # faux : plus de message
expect no message
rightclick
menu Mnu_Sommaire
expect help 11
expect beep                                    # faux
answer 6
close
expect help 2
expect unloaded                                # faux : fermée par l'hôte
)");
  EXPECT_EQ(outcome.passed, 4);
  EXPECT_EQ(
      outcome.report,
      (Lines{
          R"(s.scn:7: expected message "Ce secteur n'existe pas." 16, got message "Ce secteur n'existe pas." 48)",
          R"(s.scn:8: expected message "Ce secteur n'existe pas.", got no message)",
          "s.scn:13: expected beep, got none",
          "s.scn:17: expected unloaded, got window closed by the host at line 15"}));
}

TEST_F(ScenarioRunnerTest, RecordsArePutDuringTheScriptAndUnusedAnswersAreFailures) {
  auto outcome = Play(R"(record NOUVEAU K1 ["un", ["a", ["b", "c"]]]
expect record NOUVEAU K1 2 "a]b\\c"
record SECTEUR 004 ["Ouest"]
open A003
type Txt_SecteurAidant 4
key Txt_SecteurAidant 13
expect Cbo_LibSecteurAidant.Text Ouest
answer 7
)");
  EXPECT_EQ(outcome.passed, 2);
  EXPECT_EQ(outcome.report, (Lines{"s.scn:8: expected a question for this answer, got none"}));
}
