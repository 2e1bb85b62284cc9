#include "FormsFixture.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/ListBox.h"
#include "forms/Menu.h"
#include "forms/MessageStyle.h"
#include "forms/TextBox.h"
#include "forms/UnscriptedQuestion.h"

namespace {

using Log = std::vector<std::string>;

class UserActions : public FormsFixture {
 protected:
  UserActions() {
    combo.AddItem("Nord");
    list.AddItem("A");
    code.Change = Trace("change");
    code.LostFocus = Trace("lost");
    combo.Click = Trace("pick");
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
    combo.UserPick(0);
    list.UserSelect({0});
    list.UserDblClick();
    ok.UserClick();
    item.UserClick();
    surface.UserMouseDown(2, 0, 7);
  }

  std::vector<forms::Widget*> Actors() { return {&code, &combo, &list, &ok, &item}; }

  forms::TextBox code{surface, "Txt_Code"};
  forms::TextBox other{surface, "Txt_Other"};
  forms::ComboBox combo{surface, "Cbo_Label", forms::ComboStyle::Editable};
  forms::ListBox list{surface, "Lst_Sel"};
  forms::CommandButton ok{surface, "Cmd_Ok", "OK"};
  forms::Menu menu{surface, "Mnu_Aide", "Aide"};
  forms::Menu item{surface, "Mnu_Sommaire", "Aide_TARVENO", &menu};
};

TEST_F(UserActions, DisabledOrHiddenWidgetsIgnoreTheUser) {
  for (forms::Widget* widget : Actors()) {
    widget->SetEnabled(false);
  }
  surface.SetVisible(false);
  ActOnEverything();
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(list.Selected(0));

  surface.SetVisible(true);
  for (forms::Widget* widget : Actors()) {
    widget->SetEnabled(true);
    widget->SetVisible(widget != &ok);
  }
  ActOnEverything();
  EXPECT_EQ(log, (Log{"change", "change", "lost", "pick", "double", "item", "mouse 2 7"}));
  EXPECT_TRUE(list.Selected(0));
}

TEST_F(UserActions, AnErrorEscapingNestedHandlersIsShownAndTheActionReturns) {
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
}

TEST_F(UserActions, AQuestionWithoutScriptedAnswerFailsTheScenario) {
  ok.Click = [this] {
    log.push_back(std::to_string(
        host.MsgBox("Enregistrer ?", forms::kStyleYesNoCancelQuestion, forms::kMessageTitle)));
  };
  host.QueueAnswer(forms::kAnswerNo);
  ok.UserClick();
  EXPECT_THROW(ok.UserClick(), forms::UnscriptedQuestion);
  EXPECT_EQ(log, (Log{"7"}));
  EXPECT_EQ(host.Messages().size(), 2u);
  EXPECT_EQ(host.MsgBox("Info", forms::kStyleExclamation, forms::kMessageTitle), forms::kAnswerOk);
}

TEST_F(UserActions, FocusGoesOnlyWhereTheUserCanAct) {
  code.SetFocus();
  other.SetEnabled(false);
  other.SetFocus();
  EXPECT_TRUE(code.HasFocus());
  EXPECT_EQ(focused, (Log{"Txt_Code"}));

  combo.SetFocus();  // moving the focus by program runs no LostFocus
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

TEST_F(UserActions, EveryHostCallIsRecordedInOrder) {
  EXPECT_EQ(menu.Items(), std::vector<forms::Menu*>{&item});
  EXPECT_EQ(surface.Find("Mnu_Sommaire"), &item);
  EXPECT_EQ(surface.Find("UserControl"), nullptr);  // the surface is not its own widget

  host.PopupMenu(menu);
  host.WinHelp(surface.WindowHandle(), "Delvaro.HLP", forms::HelpEngine::kShowContents, 0);
  host.Beep();
  host.UnloadParentWindow();
  std::vector<forms::HostEvent::Kind> kinds;
  for (const forms::HostEvent& event : host.Events()) {
    kinds.push_back(event.kind);
  }
  using Kind = forms::HostEvent::Kind;
  EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Popup, Kind::Help, Kind::Beep, Kind::Unload}));
  EXPECT_EQ(host.Events()[0].text, "Mnu_Aide");
  EXPECT_EQ(host.HelpCalls().at(0).window, 42);
  EXPECT_EQ(host.HelpCalls().at(0).command, 11);
}

}  // namespace
