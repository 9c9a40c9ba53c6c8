#include "app/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/posix/iconv_codec.h"
#include "platform/posix/posix_files.h"
#include "support/temp_dir.h"
#include "text/error.h"
#include "read_only_folder.h"

namespace surva::app {
namespace {

using text::u16;
using Lines = std::vector<u16>;

TEST(IniFileRead, NamesMatchWithoutCaseAndValuesAreTrimmed) {
  IniFile ini(Lines{u"; made by hand", u"[textsize]", u"  KETASUU = 4 ", u"[Form]", u"left=0x10", u"Top=$20"});
  EXPECT_EQ(ini.readString(u"TextSize", u"ketasuu", u"3"), u"4");
  EXPECT_EQ(ini.readInteger(u"FORM", u"Left", 7), 16);
  EXPECT_EQ(ini.readInteger(u"Form", u"Top", 7), 32);
  EXPECT_EQ(ini.readString(u"Form", u"Width", u"none"), u"none");
  EXPECT_EQ(ini.readString(u"Nowhere", u"Left", u"none"), u"none");
}

TEST(IniFileRead, IntegersAndBoolsFallBackWhenNotIntegers) {
  IniFile ini(Lines{u"[A]", u"n=12abc", u"e=", u"b2=2", u"b0=0", u"bx=yes", u"neg=-300", u"big=99999999999"});
  EXPECT_EQ(ini.readInteger(u"A", u"n", 5), 5);
  EXPECT_EQ(ini.readInteger(u"A", u"e", 5), 5);
  EXPECT_EQ(ini.readInteger(u"A", u"neg", 5), -300);
  EXPECT_EQ(ini.readInteger(u"A", u"big", 5), 5);
  EXPECT_TRUE(ini.readBool(u"A", u"b2", false));
  EXPECT_FALSE(ini.readBool(u"A", u"b0", true));
  EXPECT_TRUE(ini.readBool(u"A", u"bx", true));
  EXPECT_FALSE(ini.readBool(u"A", u"bx", false));
}

TEST(IniFileRead, CommentsKeysOutsideSectionsAndRepeatsDoNotShadow) {
  IniFile ini(Lines{u"Dlm=x", u"[Excel]", u";Dlm=#", u"Dlm=/", u"Dlm=+", u"[Excel]", u"Dlm=*"});
  EXPECT_EQ(ini.readString(u"Excel", u"Dlm", u"-"), u"/");
}

TEST(IniFileWrite, ExistingKeyReplacedInPlaceKeepingItsSpelling) {
  IniFile ini(Lines{u"[TextSize]", u"ketasuu=4", u"TEXTPT=2.5"});
  ini.writeString(u"TEXTSIZE", u"TextPt", u"3");
  EXPECT_EQ(ini.lines(), (Lines{u"[TextSize]", u"ketasuu=4", u"TEXTPT=3"}));
  ini.writeString(u"TextSize", u"Ketasuu", u"5", IniFile::KeyName::Respell);
  EXPECT_EQ(ini.lines(), (Lines{u"[TextSize]", u"Ketasuu=5", u"TEXTPT=3"}));
}

TEST(IniFileWrite, NewKeysAndSectionsGoAtTheEndKeepingEverythingElse) {
  IniFile ini(Lines{u"; keep me", u"[Form]", u"Left=1", u"Mine=yes", u"", u"[Other]", u"x=1", u"junk line"});
  ini.writeInteger(u"Form", u"Top", 2);
  ini.writeBool(u"Excel", u"FlagZ", true);
  ini.writeString(u"Excel", u"Dlm", u"-");
  ini.writeString(u"Other", u"X", u"9");  // found where the added lines moved it
  EXPECT_EQ(ini.lines(), (Lines{u"; keep me", u"[Form]", u"Left=1", u"Mine=yes", u"Top=2", u"", u"[Other]", u"x=9",
                                u"junk line", u"", u"[Excel]", u"FlagZ=1", u"Dlm=-"}));
  EXPECT_EQ(ini.readString(u"excel", u"dlm", u""), u"-");
}

TEST(IniFileWrite, SectionWrittenTwiceGetsItsSecondGroupInItsExistingPlace) {
  IniFile ini;
  ini.writeBool(u"AutoCAD", u"PLINE", false);
  ini.writeString(u"Layer", u"PLINE", u"L");
  ini.writeInteger(u"AutoCAD", u"RoundOff", 3);
  EXPECT_EQ(ini.lines(), (Lines{u"[AutoCAD]", u"PLINE=0", u"RoundOff=3", u"", u"[Layer]", u"PLINE=L"}));
}

TEST(IniFileWrite, TextValuesSurviveAReadEvenWithBlanksAndQuotes) {
  for (u16 value : {u16(u" "), u16(u" lead"), u16(u"trail "), u16(u"\"q\""), u16(u"'s'"), u16(u"a=b"), u16()}) {
    IniFile ini;
    ini.writeString(u"S", u"K", value);
    EXPECT_EQ(ini.readString(u"S", u"K", u"default"), value) << text::toUtf8(value);
  }
  IniFile ini;
  ini.writeString(u"S", u"K", u"two\r\nlines");
  EXPECT_EQ(ini.lines().size(), 2u);
  EXPECT_EQ(ini.readString(u"S", u"K", u""), u"two  lines");
}

class IniFileOnDisk : public ::testing::Test {
 protected:
  std::string bytesOf(const u16& path) {
    std::ifstream in(text::toUtf8(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void put(const u16& path, const std::string& bytes) {
    std::ofstream(text::toUtf8(path), std::ios::binary) << bytes;
  }
  fakes::TempDir dir;
  platform::posix::PosixFileSystem fs;
  platform::posix::IconvCodec codec;
};

TEST_F(IniFileOnDisk, MissingFileIsEmptyAndWritingCreatesItInAnsiWithCrLf) {
  u16 path = dir.file("surva.ini");
  IniFile ini = IniFile::load(fs, codec, path);
  EXPECT_TRUE(ini.lines().empty());
  ini.writeString(u"Layer", u"PLINE", u"測点");
  ini.save(fs, codec, path);
  EXPECT_EQ(bytesOf(path), "[Layer]\r\nPLINE=\x91\xaa\x93_\r\n");
}

TEST_F(IniFileOnDisk, Utf16FileIsWrittenBackAsUtf16) {
  u16 path = dir.file("surva.ini");
  put(path, std::string("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0" "1\0", 18));
  IniFile ini = IniFile::load(fs, codec, path);
  EXPECT_EQ(ini.readInteger(u"a", u"K", 0), 1);
  ini.writeInteger(u"A", u"k", 2);
  ini.save(fs, codec, path);
  EXPECT_EQ(bytesOf(path), std::string("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0" "2\0\r\0\n\0", 22));
}

TEST_F(IniFileOnDisk, Utf8FileWithoutAMarkIsWrittenBackAsUtf8) {
  u16 path = dir.file("surva.ini");
  put(path, "[A]\r\nk=\xE6\xB8\xAC\r\n");
  IniFile ini = IniFile::load(fs, codec, path);
  EXPECT_EQ(ini.readString(u"a", u"K", u""), u"測");
  ini.writeString(u"A", u"k", u"点");
  ini.save(fs, codec, path);
  EXPECT_EQ(bytesOf(path), "[A]\r\nk=\xE7\x82\xB9\r\n");
}

TEST_F(IniFileOnDisk, TextTheCodePageCannotHoldIsKeptAsUtf16) {
  u16 path = dir.file("surva.ini");
  IniFile ini;
  ini.writeString(u"Layer", u"PLINE", u"L\u00e9\U0001F600");
  ini.save(fs, codec, path);
  EXPECT_EQ(bytesOf(path).substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(IniFile::load(fs, codec, path).readString(u"Layer", u"PLINE", u""), u"L\u00e9\U0001F600");
}

TEST_F(IniFileOnDisk, FailedWriteLeavesTheOldFileAndNamesIt) {
  u16 path = dir.file("surva.ini");
  put(path, "[Form]\r\nLeft=1\r\n");
  IniFile ini = IniFile::load(fs, codec, path);
  ini.writeInteger(u"Form", u"Left", 2);
  {
    fakes::ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.active()) GTEST_SKIP() << "no way to make a folder read-only here";
    try {
      ini.save(fs, codec, path);
      FAIL() << "the write should fail";
    } catch (const Failure& f) {
      EXPECT_NE(f.message().find(path), u16::npos);
    }
  }
  EXPECT_EQ(bytesOf(path), "[Form]\r\nLeft=1\r\n");
}

}  // namespace
}  // namespace surva::app
