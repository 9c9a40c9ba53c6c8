#pragma once
// The whole program on fake services, with the settings file and the target
// CAD list as real files in a temporary folder.
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/message_filter_registration.h"
#include "app/program.h"
#include "platform/posix/posix_files.h"
#include "support/fake_backend.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace surva::app::testing {

class RecordingFilter : public MessageFilterRegistration {
 public:
  void registerFilter() override { calls.push_back("register"); }
  void revokeFilter() override { calls.push_back("revoke"); }
  std::vector<std::string> calls;
};

struct StartupFixture {
  StartupFixture() {
    fakes.services.files = &fs;
    fakes.paths.exe = dir.file("surva.exe");
  }
  std::unique_ptr<Program> start() { return std::make_unique<Program>(fakes.services, &backend, &filter); }
  // Closing the main window is what ends the program.
  void close(Program& p) { p.mainForm().requestClose(); }
  std::string read(const std::string& name) const {
    std::ifstream in(dir.path() / name, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir.path() / name, std::ios::binary) << bytes;
  }
  std::string ini() const { return read("surva.ini"); }

  fakes::TempDir dir;
  fakes::TestServices fakes;
  platform::posix::PosixFileSystem fs;
  fakes::FakeBackend backend;
  RecordingFilter filter;
};

}  // namespace surva::app::testing
