#pragma once

#include <string>
#include <vector>

namespace scenario {

enum class Verb {
  // Setting the scene.
  Record,
  Level,
  Open,
  Answer,
  Close,
  // What the user does.
  Type,
  Edit,
  Key,
  Leave,
  Pick,
  Select,
  DblClick,
  Click,
  Menu,
  RightClick,
  Tab,
  // What the scenario checks.
  ExpectProperty,
  ExpectMessage,
  ExpectNoMessage,
  ExpectBeep,
  ExpectHelp,
  ExpectSortir,
  ExpectUnloaded,
  ExpectRecord,
};

// One line of a script, checked and decoded. Fields a verb does not use stay empty.
struct ScriptCommand {
  int line = 0;
  Verb verb = Verb::Close;
  // The widget acted on or looked at; the code of `open`.
  std::string widget;
  // The text typed, edited or picked; for `record`, the record as one JSON line of the
  // record store (file, key and record); the expected value, in the
  // form the property is read in (True/False, a decimal number, or the text itself).
  std::string text;
  // The level, key code, entry index, mouse button, tab, answer, help command or
  // message style.
  long number = 0;
  // `pick` by index rather than by text; `expect message` with a style.
  bool hasNumber = false;
  // The entries of `select`.
  std::vector<int> indexes;
  // `expect WIDGET.PROPERTY`: the property and the i of List(i), ItemData(i), Selected(i).
  std::string property;
  int propertyIndex = -1;
  // `record` and `expect record`.
  std::string file;
  std::string key;
  long attribute = 0;
  long value = -1;
};

}  // namespace scenario
