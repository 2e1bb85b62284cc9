#include "Screen.h"

#include <stdexcept>

#include "rights/UserRights.h"

namespace {
constexpr basis::Integer kEnter = 13;
}

Screen::Screen(std::shared_ptr<dba::DatabaseConnection> connection)
    : connection_(std::move(connection)) {}

Ctr_Sectorisation& Screen::Create(const std::string& aidant) {
  control_.reset();
  auto rights = std::make_shared<rights::UserRights>();
  rights->Grant("DOSAIDANTSECTEUR", 2);
  control_ = std::make_unique<Ctr_Sectorisation>(host_, host_);
  control_->TheDatabase(connection_);
  control_->TheClient(std::make_shared<dba::DatabaseClient>());
  control_->DroitsUtilisateur(rights);
  control_->W_Code = aidant;
  return *control_;
}

Ctr_Sectorisation& Screen::Open(const std::string& aidant) {
  Create(aidant).Init();
  if (!host_.Messages().empty())
    throw std::runtime_error("Init showed: " + host_.Messages().front().text);
  return *control_;
}

void Screen::TypeCode(forms::TextBox& box, const std::string& code) {
  box.UserEdit("");
  box.UserType(code);
  box.UserKeyPress(kEnter);
}

int Screen::EntryOfKey(const basis::Ref<dba::DynamicArray>& rows, const std::string& key) {
  for (long row = 1; row <= rows->DCount(); ++row) {
    if (rows->Extract(row, 1).Text() == key)
      return static_cast<int>(row - 1);
  }
  throw std::runtime_error("no row of key " + key);
}
