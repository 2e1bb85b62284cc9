#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dba/DatabaseConnection.h"
#include "dba/Storage.h"

// An engine that passes everything to the engine of another connection and, while
// recording, notes each distinct read and write: what the product asked of the engine,
// which is the work it cannot avoid.
class RecordingStorage final : public dba::Storage {
 public:
  struct Access {
    enum class Kind { kRead, kScan, kWrite } kind;
    std::string file;
    std::string key;                // the key read or written, or the start of the range
    std::optional<std::string> to;  // the end of a range
    std::string body;               // what was written

    bool operator==(const Access&) const = default;
  };

  explicit RecordingStorage(std::shared_ptr<dba::DatabaseConnection> connection)
      : connection_(std::move(connection)), engine_(&connection_->GetStorage()) {}

  void StartRecording() {
    accesses_.clear();
    recording_ = true;
  }
  // The distinct accesses since StartRecording, in first-use order.
  std::vector<Access> StopRecording() {
    recording_ = false;
    return std::move(accesses_);
  }

  void WriteTransaction(const std::function<void()>& work) override {
    engine_->WriteTransaction(work);
  }
  void CreateFile(const std::string& file) override { engine_->CreateFile(file); }
  bool HasFile(const std::string& file) override { return engine_->HasFile(file); }
  std::vector<std::string> ListFiles() override { return engine_->ListFiles(); }
  std::optional<std::string> Read(const std::string& file, const std::string& key) override {
    Note({Access::Kind::kRead, file, key, std::nullopt, {}});
    return engine_->Read(file, key);
  }
  void Write(const std::string& file, const std::string& key, const std::string& body) override {
    Note({Access::Kind::kWrite, file, key, std::nullopt, body});
    engine_->Write(file, key, body);
  }
  void Delete(const std::string& file, const std::string& key) override {
    engine_->Delete(file, key);
  }
  void ScanEach(const std::string& file, const dba::KeyRange& range,
                const RecordVisitor& visit) override {
    Note({Access::Kind::kScan, file, range.from, range.to, {}});
    engine_->ScanEach(file, range, visit);
  }
  std::uint64_t DataVersion() override { return engine_->DataVersion(); }
  std::optional<std::string> SessionUser() override { return engine_->SessionUser(); }

 private:
  void Note(Access access) {
    if (!recording_)
      return;
    for (const Access& seen : accesses_) {
      if (seen == access)
        return;
    }
    accesses_.push_back(std::move(access));
  }

  std::shared_ptr<dba::DatabaseConnection> connection_;
  dba::Storage* engine_;
  bool recording_ = false;
  std::vector<Access> accesses_;
};
