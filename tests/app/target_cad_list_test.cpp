#include "app/target_cad_list.h"

#include <gtest/gtest.h>

#include "support/fakes.h"
#include "text/error.h"

namespace surva::app {
namespace {

using text::u16;
using Lines = std::vector<u16>;

const u16 kPath = u"C:\\Surva\\TargetCAD_APIVersion.txt";

class TargetCadListTest : public ::testing::Test {
 protected:
  void put(const std::string& bytes) { fs.files[kPath] = bytes; }
  const std::string& file() { return fs.files.at(kPath); }
  fakes::FakeFileSystem fs;
  platform::posix::IconvCodec codec;
  TargetCadList list{fs, codec, kPath};
};

TEST(TargetCadFile, LinesSplitAtTheFirstTabAndLookUpUsesTheMatchingTab) {
  EXPECT_EQ(splitTargetCadLine(u"A\tB\tC").name, u"A");
  EXPECT_EQ(splitTargetCadLine(u"A\tB\tC").progId, u"B\tC");
  EXPECT_EQ(splitTargetCadLine(u"NoTab").name, u"");
  EXPECT_EQ(splitTargetCadLine(u"NoTab").progId, u"NoTab");
  EXPECT_EQ(targetCadFilePath(u"C:\\Surva\\surva.exe"), kPath);

  Lines lines{u"Gcad.Application.23", u"AutoCAD\tAutoCAD.Application", u"GstarCAD 2023\tGcad.Application.23",
              u"Other\tGcad.Application.23"};
  auto hit = lookUpTargetCad(lines, u"Gcad.Application.23");
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->name, u"GstarCAD 2023");
  EXPECT_EQ(hit->progId, u"Gcad.Application.23");
  hit = lookUpTargetCad(lines, u"Gcad.Application");
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->progId, u"Gcad.Application.23");
  EXPECT_FALSE(lookUpTargetCad(lines, u"gcad.application.23"));
  hit = lookUpTargetCad({u"A\tB\tX.1"}, u"X.1");
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->name, u"A\tB");
}

TEST_F(TargetCadListTest, ShowSortsTheFileAndSelectsTheTarget) {
  put("GstarCAD 2023\tGcad.Application.23\r\nAutoCAD 2024\tAutoCAD.Application.24\r\n");
  list.show(u"Gcad.Application.23");
  EXPECT_EQ(list.state.entries, (Lines{u"AutoCAD 2024\tAutoCAD.Application.24", u"GstarCAD 2023\tGcad.Application.23"}));
  EXPECT_EQ(list.state.selected, 1);
  EXPECT_EQ(list.state.name, u"GstarCAD 2023");
  EXPECT_EQ(list.state.progId, u"Gcad.Application.23");

  list.show(u"AutoCAD.Application");  // a prefix of a listed ProgID
  EXPECT_EQ(list.state.selected, 0);
  EXPECT_EQ(list.state.progId, u"AutoCAD.Application.24");

  list.state.name = u"typed";
  list.show(u"ZWCAD.Application");  // no match: nothing selected, fields kept
  EXPECT_EQ(list.state.selected, -1);
  EXPECT_EQ(list.state.name, u"typed");
}

TEST_F(TargetCadListTest, MissingFileKeepsThePreviousListAndTheFirstAddCreatesIt) {
  list.show(u"Gcad.Application.23");
  EXPECT_TRUE(list.state.entries.empty());
  list.remove();
  list.change();
  EXPECT_FALSE(fs.exists(kPath));

  list.state.name = u"";
  list.state.progId = u"ZWCAD.Application";
  list.add();
  EXPECT_EQ(file(), "\tZWCAD.Application\r\n");
  EXPECT_EQ(list.state.selected, 0);

  fs.files.clear();
  list.show(u"x");
  EXPECT_EQ(list.state.entries.size(), 1u);
}

TEST_F(TargetCadListTest, AddPutsTheEntryInItsSortedPlaceAndSelectsIt) {
  put("B\tb\r\nD\td\r\n");
  list.show(u"none");
  list.state.name = u"C";
  list.state.progId = u"c";
  list.add();
  EXPECT_EQ(list.state.entries, (Lines{u"B\tb", u"C\tc", u"D\td"}));
  EXPECT_EQ(list.state.selected, 1);
  EXPECT_EQ(file(), "B\tb\r\nC\tc\r\nD\td\r\n");
  // Code-unit order: capitals before small letters.
  list.state.name = u"a";
  list.add();
  EXPECT_EQ(list.state.entries.back(), u"a\tc");
  EXPECT_EQ(list.state.selected, 3);
}

TEST_F(TargetCadListTest, DeleteSelectsTheFollowerOrTheNewLastEntry) {
  put("A\t1\r\nB\t2\r\nC\t3\r\n");
  list.show(u"3");
  list.remove();  // the last of three
  EXPECT_EQ(list.state.entries, (Lines{u"A\t1", u"B\t2"}));
  EXPECT_EQ(list.state.selected, 1);
  EXPECT_EQ(list.state.name, u"B");
  list.select(0);
  list.remove();  // the first of two
  EXPECT_EQ(list.state.selected, 0);
  EXPECT_EQ(list.state.progId, u"2");
  list.remove();  // the only one
  EXPECT_TRUE(list.state.entries.empty());
  EXPECT_EQ(list.state.selected, -1);
  EXPECT_EQ(list.state.name, u"");
  EXPECT_EQ(list.state.progId, u"");
  EXPECT_EQ(file(), "");
}

TEST_F(TargetCadListTest, ChangeReplacesInPlaceAndTheOrderComesBackAtTheNextShowing) {
  put("A\t1\r\nB\t2\r\n");
  list.show(u"1");
  list.state.name = u"Z";
  list.change();
  EXPECT_EQ(list.state.entries, (Lines{u"Z\t1", u"B\t2"}));
  EXPECT_EQ(list.state.selected, 0);
  EXPECT_EQ(file(), "Z\t1\r\nB\t2\r\n");
  list.show(u"1");
  EXPECT_EQ(list.state.entries, (Lines{u"B\t2", u"Z\t1"}));
  EXPECT_EQ(list.state.selected, 1);
}

TEST_F(TargetCadListTest, FileKeepsTheEncodingItWasReadIn) {
  put(std::string("\xFF\xFE" "A\0\t\0" "1\0\r\0\n\0", 12));
  list.show(u"1");
  list.state.progId = u"2";
  list.change();
  EXPECT_EQ(file(), std::string("\xFF\xFE" "A\0\t\0" "2\0\r\0\n\0", 12));

  put("\xEF\xBB\xBF\xE6\xB8\xAC\t1\r\n");  // UTF-8 with its mark
  list.show(u"1");
  EXPECT_EQ(list.state.name, u"測");
  list.change();
  EXPECT_EQ(file(), "\xEF\xBB\xBF\xE6\xB8\xAC\t1\r\n");

  put("\xE6\xB8\xAC\t1\n");  // UTF-8 without a mark, as current editors save it
  list.show(u"1");
  EXPECT_EQ(list.state.name, u"測");
  list.change();
  EXPECT_EQ(file(), "\xE6\xB8\xAC\t1\r\n");

  put("\x91\xaa\t1\r\n");  // Shift_JIS
  list.show(u"1");
  EXPECT_EQ(list.state.name, u"測");
  list.change();
  EXPECT_EQ(file(), "\x91\xaa\t1\r\n");
  // A name the code page cannot hold moves the file to UTF-16, losing nothing.
  list.state.name = u"\U0001F600";
  list.change();
  EXPECT_EQ(file().substr(0, 2), "\xFF\xFE");
  list.show(u"1");
  EXPECT_EQ(list.state.name, u"\U0001F600");
}

TEST_F(TargetCadListTest, FailedWriteLeavesListFieldsAndFileAsTheyWere) {
  put("A\t1\r\nB\t2\r\n");
  list.show(u"1");
  fs.failWrites = true;
  TargetCadListState before = list.state;
  list.state.name = u"N";
  before.name = u"N";
  EXPECT_THROW(list.add(), Failure);
  EXPECT_THROW(list.remove(), Failure);
  EXPECT_THROW(list.change(), Failure);
  EXPECT_EQ(list.state.entries, before.entries);
  EXPECT_EQ(list.state.selected, before.selected);
  EXPECT_EQ(list.state.name, u"N");
  EXPECT_EQ(file(), "A\t1\r\nB\t2\r\n");
}

}  // namespace
}  // namespace surva::app
