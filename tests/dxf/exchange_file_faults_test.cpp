// The exchange DXF file on a real disk: a full disk or a read-only folder
// ends the plot with a message naming the file and leaves the earlier file
// whole; a folder with a Japanese name and a blank reaches the CAD by its
// short name.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/read_only_folder.h"
#include "drawing_fixture.h"
#include "dxf/plot_command.h"
#include "platform/posix/posix_files.h"
#include "support/full_disk.h"
#include "support/temp_dir.h"
#include "text/error.h"

namespace surva::dxftest {
namespace {

struct ExchangeFileTest : ::testing::Test, DrawingFixture {
  ExchangeFileTest() {
    // The CAD reads what the program wrote, from the same disk.
    fakes.services.files = &disk;
    cad = std::make_shared<sim::Cad>(disk, fakes.codec);
    automation.registerCad(kProgId, cad);
    setList({{u"A-1", u"1", u"2", u"3"}, {u"A-2", u"4", u"5", u"6"}});
    s.points = true;
    s.pointLayer = u"SURVA_POINT";
  }
  std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // The message of the Failure the plot ends with; empty when it succeeds.
  text::u16 plotInto(const text::u16& path) {
    try {
      dxf::PlotToCad({fakes.services, kProgId, path}, s, list, working);
    } catch (const Failure& f) {
      return f.message();
    }
    return {};
  }
  fakes::TempDir dir;
  platform::posix::PosixFileSystem disk;
  dxf::PlotSettings s;
  std::vector<points::TPlotData> working;
};

TEST_F(ExchangeFileTest, FullDiskOrReadOnlyFolderKeepsTheEarlierFile) {
  const text::u16 path = dir.file("surva.dxf");
  std::ofstream(dir.path() / "surva.dxf", std::ios::binary) << "earlier plot\r\n";
  text::u16 full;
  {
    fakes::FullDisk noSpace;
    full = plotInto(path);
  }
  EXPECT_NE(full.find(path), text::u16::npos) << text::toUtf8(full);
  EXPECT_NE(full.find(u"File too large"), text::u16::npos) << text::toUtf8(full);

  text::u16 readOnly;
  {
    fakes::ReadOnlyFolder folder(dir.path());
    if (!folder.active()) GTEST_SKIP() << "no way to make a folder read-only here";
    readOnly = plotInto(path);
  }
  EXPECT_NE(readOnly.find(path), text::u16::npos) << text::toUtf8(readOnly);
  EXPECT_EQ(slurp(dir.path() / "surva.dxf"), "earlier plot\r\n");
  EXPECT_TRUE(sentCommands().empty());
}

TEST_F(ExchangeFileTest, JapaneseFolderWithABlankIsSentByItsShortName) {
  std::filesystem::create_directory(dir.path() / "測点 データ");
  std::filesystem::create_directory_symlink(dir.path() / "測点 データ", dir.path() / "SOKUTE~1");
  const text::u16 path = dir.file("測点 データ/surva.dxf");
  fakes.paths.shortNames[path] = dir.file("SOKUTE~1/surva.dxf");
  EXPECT_EQ(plotInto(path), u"");
  ASSERT_EQ(sentCommands().size(), 1u);
  EXPECT_NE(sentCommands()[0].find("SOKUTE~1/surva.dxf"), std::string::npos);
  EXPECT_EQ(cad->drawing().entities().size(), 2u);
}

}  // namespace
}  // namespace surva::dxftest
