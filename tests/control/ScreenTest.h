#pragma once

#include <gtest/gtest.h>

#include "ControlHarness.h"
#include "Ctr_SectorisationInspector.h"
#include "ErrorNumberOf.h"
#include "ListEntries.h"
#include "TestStore.h"
#include "control/CascadeLevels.h"
#include "control/Variables.h"
#include "forms/MessageStyle.h"

using Texts = std::vector<std::string>;

// The screen opened by a host over the standard world; the tests act on its widgets
// as the user does and read the stored records back.
class ScreenTest : public ::testing::Test {
 protected:
  ScreenTest() { store.LoadStandardWorld(); }

  // A new harness, from a fresh process-wide state; the previous control ends first.
  ControlHarness& Fresh(int accessLevel = 2) {
    harness.reset();
    return *(harness = std::make_unique<ControlHarness>(store, accessLevel));
  }
  Ctr_Sectorisation& Open(const std::string& aidant, int accessLevel = 2) {
    return Fresh(accessLevel).Open(aidant);
  }
  forms::ScriptedHost& Host() { return harness->Host(); }
  Ctr_SectorisationInspector State() { return Ctr_SectorisationInspector(harness->Control()); }

  // Checks that exactly one box was shown, with this text and style, then forgets what
  // the host saw.
  void ExpectOnlyMessage(const std::string& text, int style = forms::kStyleExclamation) {
    const auto messages = Host().Messages();
    ASSERT_EQ(messages.size(), 1u) << (messages.empty() ? "" : messages[0].text);
    EXPECT_EQ(messages[0].text, text);
    EXPECT_EQ(messages[0].style, style);
    EXPECT_EQ(messages[0].title, forms::kMessageTitle);
    Host().ClearEvents();
  }
  // The questions of leaving: a changed record, then a creation at level 2.
  void ExpectSaveQuestion() {
    ExpectOnlyMessage("Voulez-vous enregistrer les modifications apportées à cet article ?",
                      forms::kStyleYesNoCancelQuestion);
  }
  void ExpectCreationQuestion() {
    ExpectOnlyMessage("Etes-vous sûr de vouloir quitter cette création ?",
                      forms::kStyleYesNoQuestion);
  }
  // Retour with the answer to the question it may ask.
  void Retour(Ctr_Sectorisation& c, int answer) {
    Host().QueueAnswer(answer);
    c.Cmd_RetourSectorisation.UserClick();
  }
  // The aidant's stored record, or one attribute of it.
  std::string Stored(const std::string& aidant) { return store.Get("CIVILAIDANT", aidant)->Text(); }
  std::string Stored(const std::string& aidant, long attribute) {
    return store.Element("CIVILAIDANT", aidant, attribute);
  }

  static void Pick(forms::ComboBox& list, const std::string& text) {
    list.UserPick(IndexOf(list, text));
  }
  // Every level's code box and label, in screen order.
  static std::string Levels(const Ctr_Sectorisation& c) {
    std::string shown;
    for (const cascade::Level& level : cascade::kLevels) {
      if (level.codeBox != nullptr)
        shown += (c.*level.codeBox).Text() + "|";
      shown += (c.*level.labelList).Text() + "|";
    }
    return shown;
  }
  // Moves the sectors with these labels into the selection, one after the other.
  static void AddSectors(Ctr_Sectorisation& c, const Texts& labels) {
    for (const auto& label : labels) {
      c.Lst_Pos.UserSelect({IndexOf(c.Lst_Pos, label)});
      c.Cmd_Ajoute.UserClick();
    }
  }

  TestStore store;
  std::unique_ptr<ControlHarness> harness;
};
