#include "FormsFixture.h"
#include "ListEntries.h"
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

// Entries' texts share one buffer, which removals leave gaps in, packed again once they are
// most of it, and which a clear empties for the next entries; what a list holds, and what
// a front end mirroring it sees at each notification, must be what fresh entries give.
TEST_F(Lists, EntriesAddedAfterRemovalsAndClearsStartAfresh) {
  for (int i = 0; i < 4; ++i) {
    list.SetItemData(i, 10 + i);
    list.SetSelected(i, true);
  }
  list.RemoveItem(1);
  list.Clear();
  EXPECT_EQ(list.List(0), "");
  for (const char* entry : {"un texte plus long que ceux qu'il remplace", "x", "fin"})
    list.AddItem(entry);
  list.RemoveItem(1);
  list.AddItem("tête", 0);
  EXPECT_EQ(list.NewIndex(), 0);
  EXPECT_EQ(SelectionOf(list), (std::vector<bool>{false, false, false}));
  EXPECT_EQ(list.List(1), "un texte plus long que ceux qu'il remplace");
  EXPECT_EQ(list.List(2), "fin");
  EXPECT_EQ(list.ItemData(1) + list.ItemData(2), 0);
  EXPECT_EQ(ErrorNumberOf([&] { list.ItemData(3); }), basis::kInvalidPropertyArrayIndex);
  // Entries copied from another entry's text, the buffer growing under it, then packed.
  for (int i = 0; i < 40; ++i)
    list.AddItem(list.ListView(i % 3), 1);
  for (int i = 0; i < 41; ++i)
    list.RemoveItem(1);
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"tête", "fin"}));
  list.AddItem(list.ListView(1), 0);
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"fin", "tête", "fin"}));

  struct Mirror : forms::WidgetObserver {
    void WidgetChanged(forms::Widget&) override {
      seen.push_back(combo->ListCount() == 0 ? "" : combo->List(combo->ListCount() - 1));
    }
    void FocusRequested(forms::Widget&) override {}
    const forms::ComboBox* combo = nullptr;
    Log seen;
  } mirror;
  mirror.combo = &label;
  surface.SetObserver(&mirror);
  label.Clear();
  for (const char* entry : {"Écluses", "Gare"})
    label.AddItem(entry);
  EXPECT_EQ(mirror.seen, (Log{"", "Écluses", "Gare"}));
  surface.SetObserver(this);
}

}  // namespace
