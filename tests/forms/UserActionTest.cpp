#include "FormsFixture.h"
#include "forms/MessageStyle.h"
#include "forms/UnscriptedQuestion.h"

namespace {

class UserActions : public FormsFixture {
 protected:
  UserActions() {
    code.Change = Trace("change");
    code.LostFocus = Trace("lost");
    label.Click = Trace("pick");
    list.DblClick = Trace("double");
    ok.Click = Trace("ok");
    item.Click = Trace("item");
    surface.MouseDown = [this](basis::Integer& button, basis::Integer&, float& x, float&) {
      log.push_back("mouse " + std::to_string(button) + " " + std::to_string(static_cast<int>(x)));
      button = 0;
    };
  }

  void ActOnEverything() {
    code.UserEdit("1");
    code.UserType("2");
    code.UserLeave();
    label.UserPick(0);
    list.UserSelect({0});
    list.UserDblClick();
    ok.UserClick();
    item.UserClick();
    surface.UserMouseDown(2, 0, 7);
  }

  std::vector<forms::Widget*> Actors() { return {&code, &label, &list, &ok, &item}; }
};

TEST_F(UserActions, DisabledOrHiddenWidgetsIgnoreTheUser) {
  for (forms::Widget* widget : Actors())
    widget->SetEnabled(false);
  ActOnEverything();
  EXPECT_EQ(log, (Log{"mouse 2 7"}));
  EXPECT_FALSE(list.Selected(0));

  log.clear();
  for (forms::Widget* widget : Actors()) {
    widget->SetEnabled(true);
    widget->SetVisible(widget != &ok);
  }
  surface.SetVisible(false);
  ActOnEverything();
  EXPECT_TRUE(log.empty());
  surface.SetVisible(true);
  ActOnEverything();
  EXPECT_EQ(log, (Log{"change", "change", "lost", "pick", "double", "item", "mouse 2 7"}));
  EXPECT_TRUE(list.Selected(0));
}

TEST_F(UserActions, ErrorsEscapingNestedHandlersAreShownButAnUnscriptedQuestionPropagates) {
  code.Change = [this] {
    other.SetText("x");
    log.push_back("after the failure");
  };
  other.Change = [] { throw basis::Error(basis::kObjectNotSet); };
  ok.Click = [this] {
    code.SetText("1");
    log.push_back("after the failure");
  };
  ASSERT_NO_THROW(ok.UserClick());
  ASSERT_EQ(host.Messages().size(), 1u);
  const forms::HostEvent box = host.Messages()[0];
  EXPECT_EQ(box.text, "Erreur 91 : Variable objet ou variable de bloc With non définie");
  EXPECT_EQ(box.style, forms::kStyleError);
  EXPECT_EQ(box.title, "Message TARVENO");
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(other.Text(), "x");  // what ran before the failure stays

  ok.Click = [] { throw std::out_of_range("indice hors limites"); };
  ok.UserClick();
  EXPECT_EQ(host.Messages().back().text, "Erreur 51 : indice hors limites");
  // Outside a user action the error goes to the caller.
  EXPECT_EQ(ErrorNumberOf([this] { other.SetText("y"); }), basis::kObjectNotSet);

  // A question nobody scripted an answer for fails the scenario instead.
  ok.Click = [this] {
    log.push_back(std::to_string(
        host.MsgBox("Enregistrer ?", forms::kStyleYesNoCancelQuestion, forms::kMessageTitle)));
  };
  host.QueueAnswer(forms::kAnswerNo);
  ok.UserClick();
  EXPECT_THROW(ok.UserClick(), forms::UnscriptedQuestion);
  EXPECT_EQ(log, (Log{"7"}));
}

TEST_F(UserActions, FocusGoesOnlyWhereTheUserCanAct) {
  code.SetFocus();
  other.SetEnabled(false);
  other.SetFocus();
  EXPECT_TRUE(code.HasFocus());
  EXPECT_EQ(focused, (Log{"Txt_Code"}));

  label.SetFocus();  // moving the focus by program runs no LostFocus
  list.UserSelect({0});
  EXPECT_TRUE(list.HasFocus());
  code.UserType("1");
  EXPECT_TRUE(code.HasFocus());
  code.UserLeave();
  EXPECT_EQ(surface.FocusedWidget(), nullptr);
  EXPECT_EQ(log, (Log{"change", "lost"}));

  code.LostFocus = [this] { code.SetFocus(); };  // a field may take the focus back
  code.UserLeave();
  EXPECT_TRUE(code.HasFocus());
  code.SetEnabled(false);
  EXPECT_FALSE(code.HasFocus());
  surface.SetVisible(false);
  other.SetEnabled(true);
  other.SetFocus();
  EXPECT_FALSE(other.HasFocus());

  surface.SetVisible(true);
  {
    forms::TextBox passing{surface, "Txt_Passing"};
    passing.SetFocus();
  }
  EXPECT_EQ(surface.FocusedWidget(), nullptr);  // a destroyed widget leaves no trace
  EXPECT_EQ(surface.Find("Txt_Passing"), nullptr);
}

}  // namespace
