#include "FormsFixture.h"

namespace {

using Text = FormsFixture;

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

TEST_F(Text, ComboChoiceFollowsTheTextAPickRunsClickOnlyAndClearRunsNothing) {
  label.Change = Trace("change");
  label.Click = [this] { log.push_back("click " + std::to_string(label.ListIndex())); };
  label.SetText("Nord");
  EXPECT_EQ(label.ListIndex(), 0);
  label.SetText("nord");  // case counts; an editable combo keeps the text
  EXPECT_EQ(label.ListIndex(), -1);
  label.UserPick(2);
  label.UserPick(3);
  EXPECT_EQ(label.Text(), "Nord");
  changed.clear();
  label.Clear();
  EXPECT_EQ(label.ListCount(), 0);
  EXPECT_EQ(label.Text(), "");
  EXPECT_EQ(label.ListIndex(), -1);
  EXPECT_FALSE(changed.empty());
  EXPECT_EQ(log, (Log{"change", "change", "click 2"}));
}

TEST_F(Text, ListOnlyComboTakesNoTypingAndLosesItsChoiceOnAnUnknownText) {
  choice.Change = [this] { log.push_back("choice=" + choice.Text()); };
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

TEST_F(Text, KeysActAfterKeyPressOnWholeCharacters) {
  std::vector<int> keys;
  code.KeyPress = [&](basis::Integer& key) {
    keys.push_back(key);
    key = key == 'x' ? 0 : key == 'b' ? 'B' : key;  // swallowed or replaced
  };
  code.Change = [this] { log.push_back(code.Text()); };
  code.UserType(
      "aé😀\xff"
      "xb");
  code.UserKeyPress(13);
  for (int i = 0; i < 6; ++i)
    code.UserKeyPress(8);
  // Beyond 16 bits the handler sees '?' but the text keeps the real character; a broken
  // byte never reaches the text.
  EXPECT_EQ(keys, (std::vector<int>{'a', 0xE9, '?', '?', 'x', 'b', 13, 8, 8, 8, 8, 8, 8}));
  EXPECT_EQ(log,
            (Log{"a", "aé", "aé😀", "aé😀\uFFFD", "aé😀\uFFFDB", "aé😀\uFFFD", "aé😀", "aé", "a", ""}));
}

}  // namespace
