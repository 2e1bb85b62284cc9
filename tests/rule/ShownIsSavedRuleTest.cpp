// Whenever the screen writes the aidant's record, attributes 31 to 35 are the codes whose
// labels and code boxes it showed and 43 the selected sectors, in order; left without
// writing, the store is as it was. Checked over long random sequences on the demo data
// (README, "The randomized rule test").
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ControlHarness.h"
#include "ListEntries.h"
#include "TestStore.h"
#include "basis/Integer.h"
#include "common/DemoData.h"
#include "control/CascadeLevels.h"
#include "control/Variables.h"
#include "dba/DynamicArray.h"
#include "forms/MessageStyle.h"
#include "record/AidantAttributes.h"
#include "replay/ScriptWords.h"

namespace {

using cascade::kLevels;

// Where each level with a code box is checked: its reference file and the attribute its
// key is written in; the centre is written as the start of the antenna's key.
struct Written {
  const char* file;
  long attribute;
  std::size_t length = std::string::npos;
};
constexpr Written kWritten[] = {
    {"SECTEUR", record::kSecteur},
    {"SOUSSECTEUR", record::kSousSecteur},
    {"QUARTIER", record::kQuartier},
    {"CENTREMEDICAL", record::kAntenneMedicale, kLevels[cascade::kCentre].codeLength},
    {"ANTENNEMEDICALE", record::kAntenneMedicale}};
constexpr std::size_t kCodeLevels = std::size(kWritten);

unsigned long EnvironmentNumber(const char* name, unsigned long fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::stoul(value) : fallback;
}

// What the demo data offers to type and open: each level's keys and the aidants.
struct Demo {
  explicit Demo(dba::DatabaseConnection& connection)
      : aidants(connection.OpenFile("CIVILAIDANT")->ListKeys()) {
    for (std::size_t level = 0; level < kCodeLevels; ++level)
      keys[level] = connection.OpenFile(kWritten[level].file)->ListKeys();
  }
  std::vector<std::string> keys[kCodeLevels];
  std::vector<std::string> aidants;
};

// What the screen shows that saving must match: each level's label and the key its code
// boxes make, and the selected sectors.
struct Shown {
  std::string keys[kCodeLevels];
  std::string labels[std::size(kLevels)];
  std::vector<std::string> associated;

  explicit Shown(const Ctr_Sectorisation& c) : associated(Entries(c.Lst_Sel)) {
    for (std::size_t i = 0; i < std::size(kLevels); ++i) {
      labels[i] = (c.*kLevels[i].labelList).Text();
      if (kLevels[i].codeBox != nullptr)
        keys[i] = cascade::KeyPrefix(c, kLevels[i]) + (c.*kLevels[i].codeBox).Text();
    }
  }
};

// One random sequence on one aidant: plays it, checks the rule after every action and
// keeps the lines that replay it.
class RandomSession {
 public:
  RandomSession(TestStore& store, const Demo& demo, unsigned long seed)
      : store_(store), demo_(demo), random_(seed) {}

  // The first break of the rule, or the empty text.
  std::string Play() {
    const int level = Chance(6) ? 1 : 2;
    const std::string aidant = OneOf(demo_.aidants);
    // Now and then sector entry is locked (restricted mode), where only the medical
    // levels can still be changed and saved.
    const bool locked = Chance(8);
    if (locked) {
      store_.SetCounter("2");
      const auto counter = store_.Get("COMPTEUR", "999");
      script_ << "record COMPTEUR 999 [";
      for (long a = 1; a <= counter->DCount(); ++a)
        script_ << (a == 1 ? "\"" : ", \"") << counter->Extract(a).Text() << '"';
      script_ << "]\n";
    }
    if (level != 2)
      script_ << "level " << level << '\n';
    script_ << "open " << aidant << '\n';
    ControlHarness harness(store_, level);
    Ctr_Sectorisation& c = harness.Open(aidant);
    initial_ = Stored(aidant);
    const int length = Between(1, 60);
    dba::DatabaseConnection& connection = *store_.Connection();
    std::string before = initial_;
    for (int step = 0; step < length && failure_.empty(); ++step) {
      const std::uint64_t version = connection.DataVersion();
      const Shown shown(c);
      const bool saving = Act(c, harness.Host());
      // Nothing committed, nothing to read again.
      const std::string after = connection.DataVersion() == version ? before : Stored(aidant);
      if (after != before) {
        wrote_ = true;
        if (!saving)
          Fail("the store changed although nothing asked to save");
        else
          CheckWritten(aidant, shown);
      }
      for (const forms::HostEvent& message : harness.Host().Messages()) {
        if (message.style == forms::kStyleError)
          Fail("an error reached the person: " + message.text);
      }
      if (harness.Host().Unloaded()) {
        if (after == before && after != initial_)
          Fail("the screen was left without writing, yet the store changed");
        break;
      }
      harness.Host().ClearEvents();
      before = after;
    }
    if (Stored(aidant) != initial_)
      store_.Connection()
          ->OpenFile("CIVILAIDANT")
          ->WriteRecord(aidant, dba::DynamicArray(aidant, initial_));
    if (locked)
      store_.SetCounter("0");
    return failure_;
  }

  std::string Script() const { return script_.str(); }
  bool Wrote() const { return wrote_; }

 private:
  // One action, written as its script line; true when it may save (OK, Retour, close).
  bool Act(Ctr_Sectorisation& c, forms::ScriptedHost& host) {
    const int level = Between(0, static_cast<int>(kCodeLevels) - 1);
    forms::TextBox& box = c.*kLevels[level].codeBox;
    forms::ComboBox& list =
        c.*kLevels[Between(0, static_cast<int>(std::size(kLevels)) - 1)].labelList;
    const int action = Between(0, 17);
    if (action <= 2) {
      const std::string text = CodeText(level);
      Line({"type", box.Name(), text});
      box.UserType(text);
    } else if (action <= 4) {
      const int key = action == 3 ? 13 : 8;
      Line({"key", box.Name(), std::to_string(key)});
      box.UserKeyPress(key);
    } else if (action == 5) {
      Line({"leave", box.Name()});
      box.UserLeave();
    } else if (action <= 8) {
      Pick(list);
    } else if (action == 9) {
      if (list.Style() == forms::ComboStyle::Editable) {
        const std::string text = LabelText(c, list);
        Line({"edit", list.Name(), text});
        list.UserEdit(text);
      }
    } else if (action == 10) {
      MoveSectors(c);
    } else if (action <= 13) {
      // What a person filling the screen in does next: picks an entry in the first list,
      // in screen order, that shows no entry of its own.
      for (const cascade::Level& each : kLevels) {
        forms::ComboBox& next = c.*each.labelList;
        if (next.ListIndex() < 0 && next.ListCount() > 0 && next.AcceptsUser()) {
          Pick(next);
          break;
        }
      }
    } else if (action == 14) {
      Click(c.Cmd_OkSectorisation);
      return true;
    } else {
      Answered(host, [&] {
        if (action <= 16) {
          Click(c.Cmd_RetourSectorisation);
        } else {
          Line({"close"});
          c.UserControl.UserQueryUnload();
        }
      });
      return true;
    }
    return false;
  }

  void Pick(forms::ComboBox& list) {
    if (list.ListCount() == 0)
      return;
    const int entry = Between(0, list.ListCount() - 1);
    Line({"pick", list.Name(), std::to_string(entry)});
    list.UserPick(entry);
  }
  void Click(forms::CommandButton& button) {
    Line({"click", button.Name()});
    button.UserClick();
  }

  // Runs an action that may ask a question, with an answer the question's buttons offer.
  // The answer is written before the action only when a question took it.
  template <class Action>
  void Answered(forms::ScriptedHost& host, Action action) {
    const bool creation = Variables::EnCreation == basis::True;
    const int answers[] = {forms::kAnswerYes, forms::kAnswerYes, forms::kAnswerNo,
                           forms::kAnswerCancel};
    const int answer = answers[Between(0, creation ? 2 : 3)];
    host.QueueAnswer(answer);
    const std::streampos mark = script_.tellp();
    action();
    if (host.PendingAnswers() == 0) {
      std::string line = script_.str().substr(static_cast<std::size_t>(mark));
      script_.seekp(mark);
      script_ << "answer " << answer << '\n' << line;
    }
    host.DropAnswers();
  }

  void MoveSectors(Ctr_Sectorisation& c) {
    forms::ListBox& list = Chance(2) ? c.Lst_Pos : c.Lst_Sel;
    const int action = Between(0, 3);
    if (action == 0 && list.ListCount() > 0) {
      std::vector<int> entries;
      std::vector<std::string> words = {"select", list.Name()};
      for (int n = Between(1, 3); n > 0; --n) {
        entries.push_back(Between(0, list.ListCount() - 1));
        words.push_back(std::to_string(entries.back()));
      }
      Line(words);
      list.UserSelect(entries);
    } else if (action == 1) {
      Line({"dblclick", list.Name()});
      list.UserDblClick();
    } else if (action > 1) {
      forms::CommandButton* buttons[] = {&c.Cmd_Ajoute, &c.Cmd_Ote, &c.Cmd_Tous};
      Click(*buttons[Between(0, 2)]);
    }
  }

  // A level's code, part of one, or something that is none.
  std::string CodeText(int level) {
    const std::string code =
        OneOf(demo_.keys[level]).substr(cascade::CodeStart(cascade::LevelName(level)) - 1);
    const std::string texts[] = {code.substr(0, 1),
                                 code.substr(code.size() - 1),
                                 std::to_string(Between(0, 99)),
                                 "x",
                                 code,
                                 code};
    return texts[Between(0, 5)];
  }

  // The label of an entry of this or another list, part of one, or free text.
  std::string LabelText(const Ctr_Sectorisation& c, const forms::ComboBox& list) {
    const forms::ComboBox* any[] = {&list, &c.Cbo_LibSecteurAidant, &c.Cbo_LibQuartierAidant,
                                    &c.Cbo_LibAntMedAidant};
    const forms::ComboBox& source = *any[Between(0, 3)];
    if (source.ListCount() == 0 || Chance(5))
      return Chance(2) ? "" : "Saisie libre";
    const std::string label = source.List(Between(0, source.ListCount() - 1));
    return Chance(4) ? label.substr(0, 3) : label;
  }

  void CheckWritten(const std::string& aidant, const Shown& shown) {
    auto record = store_.Get("CIVILAIDANT", aidant);
    const auto element = [&](long attribute) { return record->Extract(attribute).Text(); };
    const auto expect = [&](bool holds, const std::string& what) {
      if (!holds)
        Fail("written " + what + " is not what the screen showed");
    };
    for (std::size_t i = 0; i < kCodeLevels; ++i) {
      const std::string key = element(kWritten[i].attribute).substr(0, kWritten[i].length);
      expect(key == shown.keys[i] && !shown.labels[i].empty() &&
                 Label(kWritten[i].file, key) == shown.labels[i],
             std::string(kWritten[i].file) + " " + key);
    }
    const std::string transport = element(record::kMoyenLoc);
    expect(!shown.labels[cascade::kTransport].empty() &&
               TransportLabel(transport) == shown.labels[cascade::kTransport],
           "means of transport " + transport);
    std::vector<std::string> associated;
    for (long i = 1; i <= record->DCount(record::kSecteursAssocies) &&
                     !element(record::kSecteursAssocies).empty();
         ++i) {
      associated.push_back(Label(kWritten[cascade::kSector].file,
                                 record->Extract(record::kSecteursAssocies, i).Text()));
    }
    expect(associated == shown.associated,
           "associated sectors " + element(record::kSecteursAssocies));
    // Nothing else of the record moves.
    const dba::DynamicArray before(aidant, initial_);
    for (long a = 1; a <= std::max(before.DCount(), record->DCount()); ++a) {
      if (a < record::kSecteur || (a > record::kAntenneMedicale && a != record::kSecteursAssocies))
        expect(before.Extract(a).Text() == element(a), "attribute " + std::to_string(a));
    }
  }

  // The label of a key, the empty text for a key the file does not hold.
  std::string Label(const char* file, const std::string& key) {
    const auto record = key.empty() ? nullptr : store_.Get(file, key);
    return record ? record->Extract(1).Text() : "";
  }
  std::string TransportLabel(const std::string& code) {
    const auto table = store_.Get("TABLES", "MOYENSLOC");
    for (long i = 1; !table->Extract(2, i).Text().empty(); ++i) {
      if (table->Extract(2, i).Text() == code)
        return table->Extract(3, i).Text();
    }
    return "";
  }

  std::string Stored(const std::string& aidant) {
    auto record = store_.Get("CIVILAIDANT", aidant);
    return record ? record->Text() : "";
  }

  void Fail(const std::string& what) {
    if (failure_.empty())
      failure_ = what;
  }
  void Line(const std::vector<std::string>& words) {
    for (std::size_t i = 0; i < words.size(); ++i)
      script_ << (i == 0 ? "" : " ") << scenario::QuoteWord(words[i]);
    script_ << '\n';
  }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Chance(int inverse) { return Between(1, inverse) == 1; }
  const std::string& OneOf(const std::vector<std::string>& texts) {
    return texts[static_cast<std::size_t>(Between(0, static_cast<int>(texts.size()) - 1))];
  }

  TestStore& store_;
  const Demo& demo_;
  std::mt19937 random_;
  std::ostringstream script_;
  std::string initial_;
  std::string failure_;
  bool wrote_ = false;
};

TEST(ShownIsSavedRule, HoldsForLongRandomSequencesOnTheDemoData) {
  const unsigned long seed = EnvironmentNumber("DELVARO_RULE_SEED", std::random_device()());
  const unsigned long sequences = EnvironmentNumber("DELVARO_RULE_SEQUENCES", 2000);
  std::cout << "DELVARO_RULE_SEED=" << seed << " DELVARO_RULE_SEQUENCES=" << sequences << '\n';
  TestStore store;
  appsupport::DemoData::Load(*store.Connection());
  const Demo demo(*store.Connection());
  unsigned long writes = 0;
  for (unsigned long i = 0; i < sequences; ++i) {
    RandomSession session(store, demo, seed + i);
    const std::string failure = session.Play();
    writes += session.Wrote() ? 1 : 0;
    ASSERT_EQ(failure, "") << "sequence " << i
                           << ", replayed alone with DELVARO_RULE_SEED=" << seed + i
                           << " DELVARO_RULE_SEQUENCES=1; as a delvaro-replay "
                           << "script:\n"
                           << session.Script();
  }
  std::cout << writes << " of the sequences wrote the record\n";
  // Sequences that never save would check nothing.
  if (sequences >= 100) {
    EXPECT_GT(writes, sequences / 20);
  }
}

}  // namespace
