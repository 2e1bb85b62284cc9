#include <cctype>

#include "FormsFixture.h"
#include "forms/ComboBox.h"
#include "forms/TextBox.h"

namespace {

using Log = std::vector<std::string>;

class Text : public FormsFixture {
 protected:
  Text() {
    for (const char* entry : {"Nord", "Sud", "Nord"}) {
      label.AddItem(entry);
    }
    choice.AddItem("Bus");
    choice.Change = [this] { log.push_back("choice=" + choice.Text()); };
  }

  forms::TextBox code{surface, "Txt_Code"};
  forms::ComboBox label{surface, "Cbo_Label", forms::ComboStyle::Editable};
  forms::ComboBox choice{surface, "Cbo_Choice", forms::ComboStyle::ListOnly};
};

TEST_F(Text, ChangeHandlersNestLikeCallsAndStopOnTheTextAlreadyHeld) {
  code.Change = [this] {
    log.push_back("code " + code.Text());
    label.SetText("lib " + code.Text());
    log.push_back("/code " + code.Text());
  };
  label.Change = [this] {
    log.push_back("label " + label.Text());
    code.SetText("001");  // writing the code back must end the chain
    log.push_back("/label");
  };
  label.Click = Trace("click");

  code.SetText("1");
  EXPECT_EQ(log, (Log{"code 1", "label lib 1", "code 001", "label lib 001", "/label", "/code 001",
                      "/label", "/code 001"}));
  log.clear();
  changed.clear();
  code.SetText("001");
  label.SetText("lib 001");
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(changed.empty());
}

TEST_F(Text, ComboChoiceFollowsTheTextButAPickRunsClickOnly) {
  label.Change = Trace("change");
  label.Click = [this] { log.push_back("click " + std::to_string(label.ListIndex())); };
  label.SetText("Nord");
  EXPECT_EQ(label.ListIndex(), 0);
  label.SetText("nord");  // case counts; an editable combo keeps the text
  EXPECT_EQ(label.ListIndex(), -1);
  label.UserPick(2);
  label.UserPick(3);
  EXPECT_EQ(label.Text(), "Nord");
  EXPECT_EQ(log, (Log{"change", "change", "click 2"}));
}

TEST_F(Text, ListOnlyComboTakesNoTypingAndLosesItsChoiceOnAnUnknownText) {
  choice.SetText("Vélo");
  choice.UserType("Bus");
  choice.UserEdit("Bus");
  EXPECT_EQ(choice.Text(), "");
  choice.SetText("Bus");
  EXPECT_EQ(choice.ListIndex(), 0);
  choice.SetText("Vélo");
  EXPECT_EQ(choice.ListIndex(), -1);
  EXPECT_EQ(log, (Log{"choice=Bus", "choice="}));
}

TEST_F(Text, ClearEmptiesTheComboWithoutRunningChange) {
  label.SetText("Sud");
  label.Change = Trace("change");
  changed.clear();
  label.Clear();
  EXPECT_EQ(label.ListCount(), 0);
  EXPECT_EQ(label.Text(), "");
  EXPECT_EQ(label.ListIndex(), -1);
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(changed.empty());
}

TEST_F(Text, KeysActAfterKeyPressOnWholeCharacters) {
  std::vector<int> keys;
  code.KeyPress = [&](basis::Integer& key) { keys.push_back(key); };
  code.Change = [this] { log.push_back(code.Text()); };
  code.UserType("aé😀\xff");
  code.UserKeyPress(13);
  for (int i = 0; i < 5; ++i) {
    code.UserKeyPress(8);
  }
  // Beyond 16 bits the handler sees '?' but the text keeps the real character; a broken
  // byte never reaches the text.
  EXPECT_EQ(keys, (std::vector<int>{'a', 0xE9, '?', '?', 13, 8, 8, 8, 8, 8}));
  EXPECT_EQ(log, (Log{"a", "aé", "aé😀", "aé😀\uFFFD", "aé😀", "aé", "a", ""}));
}

TEST_F(Text, KeyPressMaySwallowOrReplaceTheKey) {
  code.KeyPress = [](basis::Integer& key) {
    key = key == 'x' ? 0 : key == 13 ? '!' : static_cast<basis::Integer>(std::toupper(key));
  };
  code.UserType("axb");
  code.UserKeyPress(13);
  EXPECT_EQ(code.Text(), "AB!");
}

}  // namespace
