#include "FormsFixture.h"
#include "forms/TabStrip.h"

namespace {

using Lists = FormsFixture;

std::vector<bool> SelectionOf(const forms::ListBox& list) {
  std::vector<bool> selected;
  for (int i = 0; i < list.ListCount(); ++i)
    selected.push_back(list.Selected(i));
  return selected;
}

TEST_F(Lists, WrongIndexesAreErrorsAndReadingPastTheEndGivesNothing) {
  EXPECT_EQ(list.List(4), "");
  EXPECT_EQ(list.List(-1), "");
  EXPECT_EQ(ErrorNumberOf([&] { list.AddItem("E", 5); }), basis::kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([&] { list.RemoveItem(4); }), basis::kInvalidProcedureCall);
  EXPECT_EQ(ErrorNumberOf([&] { list.ItemData(4); }), basis::kInvalidPropertyArrayIndex);
  EXPECT_EQ(ErrorNumberOf([&] { list.SetItemData(-1, 4); }), basis::kInvalidPropertyArrayIndex);
  EXPECT_EQ(ErrorNumberOf([&] { list.SetSelected(4, true); }), basis::kInvalidPropertyArrayIndex);
  forms::TabStrip tabs{surface, "Ong", {"Un", "Deux"}};
  EXPECT_EQ(ErrorNumberOf([&] { tabs.SetTab(2); }), basis::kInvalidPropertyArrayIndex);
  tabs.UserShowTab(2);
  EXPECT_EQ(tabs.Tab(), 0);
  EXPECT_EQ(list.ListCount(), 4);
}

TEST_F(Lists, TheChoiceAndTheSelectionStayWithTheirEntries) {
  label.SetText("Sud");
  label.AddItem("avant", 0);
  label.RemoveItem(1);
  EXPECT_EQ(label.ListIndex(), 1);
  label.RemoveItem(1);
  EXPECT_EQ(label.ListIndex(), -1);

  list.UserSelect({0, 2, 3, 9});
  list.RemoveItem(2);
  list.AddItem("avant", 0);
  EXPECT_EQ(SelectionOf(list), (std::vector<bool>{false, true, false, true}));
  list.UserSelect({2});  // exactly these: the others are deselected
  EXPECT_EQ(SelectionOf(list), (std::vector<bool>{false, false, true, false}));
}

TEST_F(Lists, TheObserverHearsOfEveryVisibleChangeOnly) {
  changed.clear();
  list.SetSelected(0, true);
  list.SetSelected(0, true);
  list.SetItemData(0, 12);
  list.SetEnabled(false);
  list.SetEnabled(false);
  list.Clear();
  surface.SetBusyUntilIdle(true);
  surface.SetBusyUntilIdle(true);  // every request counts
  EXPECT_EQ(changed, (std::vector<std::string>{"Lst_Sel", "Lst_Sel", "Lst_Sel", "UserControl",
                                               "UserControl"}));
}

// Entries removed or cleared keep their storage for the next ones: what a list holds after
// any mix of removals, clears and insertions must still be what fresh entries would give.
TEST_F(Lists, EntriesAddedAfterRemovalsAndClearsStartAfresh) {
  for (int i = 0; i < 4; ++i) {
    list.SetItemData(i, 10 + i);
    list.SetSelected(i, true);
  }
  list.RemoveItem(1);
  list.Clear();
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.List(0), "");
  list.AddItem("un texte plus long que ceux qu'il remplace");
  list.AddItem("x");
  list.AddItem("milieu", 1);
  list.AddItem("tête", 0);
  EXPECT_EQ(list.NewIndex(), 0);
  const std::vector<std::string> expected{"tête", "un texte plus long que ceux qu'il remplace",
                                          "milieu", "x"};
  ASSERT_EQ(list.ListCount(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(list.List(i), expected[static_cast<std::size_t>(i)]);
    EXPECT_EQ(list.ItemData(i), 0);
    EXPECT_FALSE(list.Selected(i));
  }
  list.RemoveItem(1);
  list.RemoveItem(0);
  list.AddItem("fin");
  EXPECT_EQ(SelectionOf(list), (std::vector<bool>{false, false, false}));
  EXPECT_EQ(list.List(0), "milieu");
  EXPECT_EQ(list.List(2), "fin");
  EXPECT_EQ(ErrorNumberOf([&] { list.ItemData(3); }), basis::kInvalidPropertyArrayIndex);

  label.SetText("Sud");
  label.Clear();
  label.AddItem("Sud");
  EXPECT_EQ(label.ListIndex(), -1);  // a new entry is not the choice of a cleared list
  label.SetText("Sud");
  EXPECT_EQ(label.ListIndex(), 0);
}

// A front end that mirrors the list at each notification sees it grow entry by entry,
// whether the entries are new or reuse the storage of cleared ones.
TEST_F(Lists, EachNotificationOfARefillShowsTheListAsFarAsItIsFilled) {
  struct Mirror : forms::WidgetObserver {
    explicit Mirror(const forms::ComboBox& combo) : combo(combo) {}
    void WidgetChanged(forms::Widget&) override {
      seen.push_back(combo.ListCount() == 0 ? "" : combo.List(combo.ListCount() - 1));
    }
    void FocusRequested(forms::Widget&) override {}
    const forms::ComboBox& combo;
    Log seen;
  } mirror(label);
  surface.SetObserver(&mirror);
  for (int refill = 0; refill < 2; ++refill) {
    mirror.seen.clear();
    label.Clear();
    for (const char* entry : {"Écluses", "Gare", "Port"})
      label.AddItem(entry);
    EXPECT_EQ(mirror.seen, (Log{"", "Écluses", "Gare", "Port"}));
  }
  surface.SetObserver(this);
}

}  // namespace
