#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ErrorNumberOf.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/ListBox.h"
#include "forms/Menu.h"
#include "forms/ScriptedHost.h"
#include "forms/Surface.h"
#include "forms/TextBox.h"
#include "forms/WidgetObserver.h"

using Log = std::vector<std::string>;

// One widget of each kind on a surface of a scripted host, remembering what the surface
// told its observer. The logs come first so that they outlive the widgets.
class FormsFixture : public ::testing::Test, public forms::WidgetObserver {
 protected:
  FormsFixture() {
    surface.SetObserver(this);
    for (const char* entry : {"A", "B", "C", "D"})
      list.AddItem(entry);
    for (const char* entry : {"Nord", "Sud", "Nord"})
      label.AddItem(entry);
    choice.AddItem("Bus");
  }

  void WidgetChanged(forms::Widget& widget) override { changed.push_back(widget.Name()); }
  void FocusRequested(forms::Widget& widget) override { focused.push_back(widget.Name()); }

  std::function<void()> Trace(const std::string& what) {
    return [this, what] { log.push_back(what); };
  }

  Log changed, focused, log;
  forms::ScriptedHost host;
  forms::Surface surface{host, "UserControl", 42};
  forms::TextBox code{surface, "Txt_Code"};
  forms::TextBox other{surface, "Txt_Other"};
  forms::ComboBox label{surface, "Cbo_Label", forms::ComboStyle::Editable};
  forms::ComboBox choice{surface, "Cbo_Choice", forms::ComboStyle::ListOnly};
  forms::ListBox list{surface, "Lst_Sel"};
  forms::CommandButton ok{surface, "Cmd_Ok", "OK"};
  forms::Menu menu{surface, "Mnu_Aide", "Aide"};
  forms::Menu item{surface, "Mnu_Sommaire", "Aide_TARVENO", &menu};
};
