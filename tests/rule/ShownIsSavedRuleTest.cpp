// The rule the screen keeps however it is used: whenever it writes the aidant's record,
// attributes 31 to 35 are the codes whose labels (and code boxes) it showed at that
// moment and attribute 43 the associated sectors it showed, in order; whenever it is
// left without writing, the store is as it was.
//
// Long random sequences of a person's actions on the demo data check it. Each sequence
// has its own seed (the run's seed plus its number); a failure prints the seed and the
// sequence as a delvaro-replay script. DELVARO_RULE_SEED and DELVARO_RULE_SEQUENCES set
// the run's seed and its number of sequences (README, "The randomized rule test").
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ControlHarness.h"
#include "TestStore.h"
#include "basis/Integer.h"
#include "common/DemoData.h"
#include "control/Variables.h"
#include "dba/DynamicArray.h"
#include "forms/MessageStyle.h"
#include "replay/ScriptWords.h"

namespace {

constexpr long kSector = 31;
constexpr long kSubSector = 32;
constexpr long kDistrict = 33;
constexpr long kTransport = 34;
constexpr long kAntenna = 35;
constexpr long kAssociated = 43;
// Attribute 45 of record 999 of COMPTEUR locks sector entry from 2 on.
constexpr int kCounterLock = 45;

unsigned long EnvironmentNumber(const char* name, unsigned long fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::stoul(value) : fallback;
}

// The reference data as the checks read it: a label per key, file by file.
class Reference {
 public:
  explicit Reference(dba::DatabaseConnection& connection) {
    for (const char* file :
         {"SECTEUR", "SOUSSECTEUR", "QUARTIER", "CENTREMEDICAL", "ANTENNEMEDICALE"}) {
      auto opened = connection.OpenFile(file);
      for (const std::string& key : opened->ListKeys())
        labels_[file][key] = opened->ReadRecord(key)->Extract(1).Text();
    }
    transport_ = connection.OpenFile("TABLES")->ReadRecord("MOYENSLOC");
    for (const std::string& key : connection.OpenFile("CIVILAIDANT")->ListKeys())
      aidants_.push_back(key);
  }

  // The empty text for a key the file does not hold.
  std::string Label(const std::string& file, const std::string& key) const {
    const auto& byKey = labels_.at(file);
    const auto found = byKey.find(key);
    return found == byKey.end() ? "" : found->second;
  }
  std::string TransportLabel(const std::string& code) const {
    for (long i = 1; !transport_->Extract(2, i).Text().empty(); ++i) {
      if (transport_->Extract(2, i).Text() == code)
        return transport_->Extract(3, i).Text();
    }
    return "";
  }
  const std::map<std::string, std::string>& Keys(const std::string& file) const {
    return labels_.at(file);
  }
  const std::vector<std::string>& Aidants() const { return aidants_; }

 private:
  std::map<std::string, std::map<std::string, std::string>> labels_;
  std::shared_ptr<dba::DynamicArray> transport_;
  std::vector<std::string> aidants_;
};

// What the screen shows that saving must match.
struct Shown {
  std::string sector, subSector, district, centre, antenna;  // code boxes
  std::string sectorLabel, subSectorLabel, districtLabel, centreLabel, antennaLabel;
  std::string transportLabel;
  std::vector<std::string> associated;

  explicit Shown(const Ctr_Sectorisation& c)
      : sector(c.Txt_SecteurAidant.Text()),
        subSector(c.Txt_SousSecteurAidant.Text()),
        district(c.Txt_QuartierAidant.Text()),
        centre(c.Txt_CentreMedAidant.Text()),
        antenna(c.Txt_AntMedAidant.Text()),
        sectorLabel(c.Cbo_LibSecteurAidant.Text()),
        subSectorLabel(c.Cbo_LibSousSecteurAidant.Text()),
        districtLabel(c.Cbo_LibQuartierAidant.Text()),
        centreLabel(c.Cbo_LibCentreMedAidant.Text()),
        antennaLabel(c.Cbo_LibAntMedAidant.Text()),
        transportLabel(c.Cbo_LibMoyLocAidant.Text()) {
    for (int i = 0; i < c.Lst_Sel.ListCount(); ++i)
      associated.push_back(c.Lst_Sel.List(i));
  }
};

// One random sequence on one aidant: plays it, checks the rule after every action and
// keeps the lines that replay it.
class RandomSession {
 public:
  RandomSession(TestStore& store, const Reference& reference, unsigned long seed)
      : store_(store), reference_(reference), random_(seed) {}

  // The first break of the rule, or the empty text.
  std::string Play() {
    const int level = Chance(6) ? 1 : 2;
    const std::string aidant = OneOf(reference_.Aidants());
    // Now and then sector entry is locked (restricted mode), where only the medical
    // levels can still be changed and saved.
    const bool locked = Chance(8);
    if (locked) {
      store_.SetCounter("2");
      script_ << "record COMPTEUR 999 [";
      for (int i = 1; i < kCounterLock; ++i)
        script_ << "\"\", ";
      script_ << "\"2\"]\n";
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
    Restore(aidant);
    if (locked)
      store_.SetCounter("0");
    return failure_;
  }

  std::string Script() const { return script_.str(); }
  bool Wrote() const { return wrote_; }

 private:
  // One action, written as its script line; true when it may save (OK, Retour, close).
  bool Act(Ctr_Sectorisation& c, forms::ScriptedHost& host) {
    forms::TextBox* boxes[] = {&c.Txt_SecteurAidant, &c.Txt_SousSecteurAidant,
                               &c.Txt_QuartierAidant, &c.Txt_CentreMedAidant, &c.Txt_AntMedAidant};
    forms::ComboBox* lists[] = {&c.Cbo_LibSecteurAidant,  &c.Cbo_LibSousSecteurAidant,
                                &c.Cbo_LibQuartierAidant, &c.Cbo_LibCentreMedAidant,
                                &c.Cbo_LibAntMedAidant,   &c.Cbo_LibMoyLocAidant};
    const int level = Between(0, 4);
    forms::TextBox& box = *boxes[level];
    forms::ComboBox& list = *lists[Between(0, 5)];
    switch (Between(0, 17)) {
      case 0:
      case 1:
      case 2: {
        const std::string text = CodeText(level);
        Line({"type", box.Name(), text});
        box.UserType(text);
        return false;
      }
      case 3:
        Line({"key", box.Name(), "13"});
        box.UserKeyPress(13);
        return false;
      case 4:
        Line({"key", box.Name(), "8"});
        box.UserKeyPress(8);
        return false;
      case 5:
        Line({"leave", box.Name()});
        box.UserLeave();
        return false;
      case 6:
      case 7:
      case 8:
        if (list.ListCount() == 0)
          return false;
        {
          const int entry = Between(0, list.ListCount() - 1);
          Line({"pick", list.Name(), std::to_string(entry)});
          list.UserPick(entry);
        }
        return false;
      case 9: {
        if (list.Style() != forms::ComboStyle::Editable)
          return false;
        const std::string text = LabelText(c, list);
        Line({"edit", list.Name(), text});
        list.UserEdit(text);
        return false;
      }
      case 10:
        MoveSectors(c);
        return false;
      case 11:
      case 12:
      case 13:
        Complete(lists);
        return false;
      case 14:
        Line({"click", c.Cmd_OkSectorisation.Name()});
        c.Cmd_OkSectorisation.UserClick();
        return true;
      case 15:
      case 16:
        Answered(host, [&] {
          Line({"click", c.Cmd_RetourSectorisation.Name()});
          c.Cmd_RetourSectorisation.UserClick();
        });
        return true;
      default:
        Answered(host, [&] {
          Line({"close"});
          c.UserControl.UserQueryUnload();
        });
        return true;
    }
  }

  // What a person filling the screen in does next: picks an entry in the first list,
  // in screen order, that shows no entry of its own.
  template <std::size_t N>
  void Complete(forms::ComboBox* (&lists)[N]) {
    for (forms::ComboBox* list : lists) {
      if (list->ListIndex() < 0 && list->ListCount() > 0 && list->AcceptsUser()) {
        const int entry = Between(0, list->ListCount() - 1);
        Line({"pick", list->Name(), std::to_string(entry)});
        list->UserPick(entry);
        return;
      }
    }
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
    switch (Between(0, 3)) {
      case 0: {
        if (list.ListCount() == 0)
          return;
        std::vector<int> entries;
        std::vector<std::string> words = {"select", list.Name()};
        for (int n = Between(1, 3); n > 0; --n) {
          entries.push_back(Between(0, list.ListCount() - 1));
          words.push_back(std::to_string(entries.back()));
        }
        Line(words);
        list.UserSelect(entries);
        return;
      }
      case 1:
        Line({"dblclick", list.Name()});
        list.UserDblClick();
        return;
      default: {
        forms::CommandButton* buttons[] = {&c.Cmd_Ajoute, &c.Cmd_Ote, &c.Cmd_Tous};
        forms::CommandButton& button = *buttons[Between(0, 2)];
        Line({"click", button.Name()});
        button.UserClick();
      }
    }
  }

  // A level's code, part of one, or something that is none.
  std::string CodeText(int level) {
    static const char* const files[] = {"SECTEUR", "SOUSSECTEUR", "QUARTIER", "CENTREMEDICAL",
                                        "ANTENNEMEDICALE"};
    static const std::size_t starts[] = {0, 3, 5, 0, 3};
    const auto& keys = reference_.Keys(files[level]);
    auto key = keys.begin();
    std::advance(key, Between(0, static_cast<int>(keys.size()) - 1));
    const std::string code = key->first.substr(starts[level]);
    switch (Between(0, 5)) {
      case 0:
        return code.substr(0, 1);
      case 1:
        return code.substr(code.size() - 1);
      case 2:
        return std::to_string(Between(0, 99));
      case 3:
        return "x";
      default:
        return code;
    }
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
    const std::string sector = element(kSector);
    const std::string subSector = element(kSubSector);
    const std::string district = element(kDistrict);
    const std::string antenna = element(kAntenna);
    expect(sector == shown.sector && !shown.sectorLabel.empty() &&
               reference_.Label("SECTEUR", sector) == shown.sectorLabel,
           "sector " + sector);
    expect(subSector == shown.sector + shown.subSector && !shown.subSectorLabel.empty() &&
               reference_.Label("SOUSSECTEUR", subSector) == shown.subSectorLabel,
           "sub-sector " + subSector);
    expect(district == shown.sector + shown.subSector + shown.district &&
               !shown.districtLabel.empty() &&
               reference_.Label("QUARTIER", district) == shown.districtLabel,
           "district " + district);
    expect(antenna == shown.centre + shown.antenna && !shown.centreLabel.empty() &&
               !shown.antennaLabel.empty() &&
               reference_.Label("CENTREMEDICAL", antenna.substr(0, 3)) == shown.centreLabel &&
               reference_.Label("ANTENNEMEDICALE", antenna) == shown.antennaLabel,
           "antenna " + antenna);
    expect(!shown.transportLabel.empty() &&
               reference_.TransportLabel(element(kTransport)) == shown.transportLabel,
           "means of transport " + element(kTransport));
    std::vector<std::string> associated;
    for (long i = 1; i <= record->DCount(kAssociated) && !element(kAssociated).empty(); ++i)
      associated.push_back(reference_.Label("SECTEUR", record->Extract(kAssociated, i).Text()));
    expect(associated == shown.associated, "associated sectors " + element(kAssociated));
    // Nothing else of the record moves.
    auto before = dba::DynamicArray(aidant, initial_);
    for (long a = 1; a <= std::max(before.DCount(), record->DCount()); ++a) {
      if (a < kSector || (a > kAntenna && a != kAssociated))
        expect(before.Extract(a).Text() == element(a), "attribute " + std::to_string(a));
    }
  }

  std::string Stored(const std::string& aidant) {
    auto record = store_.Get("CIVILAIDANT", aidant);
    return record ? record->Text() : "";
  }

  void Restore(const std::string& aidant) {
    if (Stored(aidant) != initial_) {
      store_.Connection()
          ->OpenFile("CIVILAIDANT")
          ->WriteRecord(aidant, dba::DynamicArray(aidant, initial_));
    }
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
  const Reference& reference_;
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
  const Reference reference(*store.Connection());
  unsigned long writes = 0;
  for (unsigned long i = 0; i < sequences; ++i) {
    RandomSession session(store, reference, seed + i);
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
