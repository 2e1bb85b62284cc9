#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ControlHarness.h"
#include "Ctr_SectorisationInspector.h"
#include "TestStore.h"
#include "forms/MessageStyle.h"

// The screen opened by a host over the standard world; the tests act on its widgets
// as the user does and read the stored records back.
class ScreenTest : public ::testing::Test {
 protected:
  ScreenTest() { store.LoadStandardWorld(); }

  Ctr_Sectorisation& Open(const std::string& aidant, int accessLevel = 2) {
    harness = std::make_unique<ControlHarness>(store, accessLevel);
    return harness->Open(aidant);
  }
  forms::ScriptedHost& Host() { return harness->Host(); }
  Ctr_SectorisationInspector State() { return Ctr_SectorisationInspector(harness->Control()); }

  // An aidant record holding only the attributes given.
  void PutAidant(const std::string& key, const std::map<long, std::string>& attributes) {
    std::vector<std::string> record(attributes.rbegin()->first);
    for (const auto& [attribute, text] : attributes)
      record[attribute - 1] = text;
    store.Put("CIVILAIDANT", key, record);
  }

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

  static int IndexOf(const forms::ItemList& list, const std::string& text) {
    for (int i = 0; i < list.ListCount(); ++i) {
      if (list.List(i) == text)
        return i;
    }
    ADD_FAILURE() << "no entry " << text;
    return -1;
  }

  static void Pick(forms::ComboBox& list, const std::string& text) {
    list.UserPick(IndexOf(list, text));
  }

  // Moves the sectors with these labels into the selection, one after the other.
  static void AddSectors(Ctr_Sectorisation& c, const std::vector<std::string>& labels) {
    for (const auto& label : labels) {
      c.Lst_Pos.UserSelect({IndexOf(c.Lst_Pos, label)});
      c.Cmd_Ajoute.UserClick();
    }
  }

  TestStore store;
  std::unique_ptr<ControlHarness> harness;
};
