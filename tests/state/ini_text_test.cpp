#include "state/ini_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace siconv {
namespace {

struct ValueCase {
  std::string_view text;
  std::string_view expected;  // the value of SI_0 in UNITTYPE
};

TEST(IniTextTest, FindsValuesAsTheProfileReaderDoes) {
  const ValueCase cases[] = {
      {"[UNITTYPE]\r\nSI_0=1\r\n", "1"},
      {"[unittype]\nsi_0=1\n", "1"},
      {"  [ UnitType ] ; note\r\n   SI_0  =  1 2  \r\n", "1 2"},
      {"[UNITTYPE]\r\nSI_0=\t1\t\r\n", "\t1\t"},  // only blanks are trimmed
      {"[UNITTYPE]\r\n\tSI_0=1\r\n", ""},
      {"[UNITTYPE]\r\nSI_0=1", "1"},
      {"[UNITTYPE]\rSI_0=7\r", "7"},
      {"[UNITTYPE]\r\nSI_0=a=b\r\n", "a=b"},
      {"[UNITTYPE]\r\nSI_0=\r\n", ""},
      {"[UNITTYPE]\r\nSI_0\r\n", ""},
      {"[UNITTYPE]\r\n;SI_0=1\r\n", ""},
      {"[UNITTYPE]\r\nSI_00=1\r\n", ""},
      {"[OTHER]\r\nSI_0=1\r\n", ""},
      {"SI_0=1\r\n[UNITTYPE]\r\n", ""},
      {"[UNITTYPE]\r\nSI_1=1\r\n[OTHER]\r\nSI_0=1\r\n", ""},
      {"[UNITTYPE]\r\nSI_0=1\r\n[UNITTYPE]\r\nSI_0=2\r\n", "1"},
      {"[UNITTYPE]\r\nSI_0=3\r\nSI_0=4\r\n", "3"},
      {"[UNITTYPE\r\nSI_0=1\r\n", ""},
      {"", ""},
  };
  for (const ValueCase& c : cases) {
    EXPECT_EQ(IniValue(c.text, "UNITTYPE", "SI_0"), c.expected) << "text '" << c.text << "'";
  }
}

TEST(IniTextTest, CutsLongValuesAt2047Bytes) {
  std::string value(3000, '7');
  std::string text = "[UNITTYPE]\r\nSI_0=" + value + "\r\n";
  EXPECT_EQ(IniValue(text, "UNITTYPE", "SI_0"), value.substr(0, 2047));
}

std::vector<IniSetting> SixKeys(std::string_view value) {
  std::vector<IniSetting> settings;
  for (int k = 0; k < 6; ++k) settings.push_back({"SI_" + std::to_string(k), std::string(value)});
  return settings;
}

struct EditCase {
  const char* what;
  std::string_view before;
  std::vector<IniSetting> settings;
  std::string_view after;
};

TEST(IniTextTest, EditsOnlyTheLinesItMust) {
  const EditCase cases[] = {
      {"created from nothing", "", SixKeys("0"),
       "[UNITTYPE]\r\nSI_0=0\r\nSI_1=0\r\nSI_2=0\r\nSI_3=0\r\nSI_4=0\r\nSI_5=0\r\n"},
      {"values replaced in place",
       "; folder notes\r\n[UNITTYPE]\r\nSI_0=0\r\nSI_1=0\r\n\r\n[OTHER]\r\nSI_0=9\r\n",
       {{"SI_1", "1"}, {"SI_0", "1"}},
       "; folder notes\r\n[UNITTYPE]\r\nSI_0=1\r\nSI_1=1\r\n\r\n[OTHER]\r\nSI_0=9\r\n"},
      {"LF lines keep LF, added lines end in CR LF",
       "[UNITTYPE]\nSI_0=0\n\n[OTHER]\nX=1\n",
       {{"SI_0", "1"}, {"SI_1", "-1"}},
       "[UNITTYPE]\nSI_0=1\nSI_1=-1\r\n\n[OTHER]\nX=1\n"},
      {"key in other letter case, blanks and comment kept",
       "[unittype] ; units\r\n  si_0 = 5  \r\n",
       {{"SI_0", "1"}},
       "[unittype] ; units\r\n  si_0 = 1  \r\n"},
      {"empty value filled",
       "[UNITTYPE]\r\nSI_0=\r\nSI_1=  \r\n",
       {{"SI_0", "1"}, {"SI_1", "1"}},
       "[UNITTYPE]\r\nSI_0=1\r\nSI_1=  1\r\n"},
      {"missing keys follow the last key, before comments and blank lines",
       "[UNITTYPE]\r\nSI_2=1\r\n; old\r\n\r\n[B]\r\n",
       {{"SI_0", "0"}, {"SI_2", "0"}},
       "[UNITTYPE]\r\nSI_2=0\r\nSI_0=0\r\n; old\r\n\r\n[B]\r\n"},
      {"a section without keys gets them after its last line",
       "[UNITTYPE]\r\n; empty\r\n\r\n[B]\r\nK=V\r\n",
       {{"SI_0", "1"}},
       "[UNITTYPE]\r\n; empty\r\nSI_0=1\r\n\r\n[B]\r\nK=V\r\n"},
      {"missing section appended",
       "[A]\r\nK=V\r\n",
       {{"SI_0", "1"}},
       "[A]\r\nK=V\r\n[UNITTYPE]\r\nSI_0=1\r\n"},
      {"missing section after a last line without line end",
       "[A]\nK=V",
       {{"SI_0", "1"}},
       "[A]\nK=V\r\n[UNITTYPE]\r\nSI_0=1\r\n"},
      {"key added after a last line without line end",
       "[UNITTYPE]\r\nSI_0=0",
       {{"SI_0", "1"}, {"SI_1", "1"}},
       "[UNITTYPE]\r\nSI_0=1\r\nSI_1=1\r\n"},
      {"replaced last line keeps its missing line end",
       "[UNITTYPE]\r\nSI_0=0",
       {{"SI_0", "1"}},
       "[UNITTYPE]\r\nSI_0=1"},
      {"lone CR ends a line",
       "[UNITTYPE]\rSI_0=0\r[B]\r",
       {{"SI_0", "1"}, {"SI_1", "1"}},
       "[UNITTYPE]\rSI_0=1\rSI_1=1\r\n[B]\r"},
      {"only the first of two equal sections is edited",
       "[UNITTYPE]\r\nSI_0=0\r\n[UNITTYPE]\r\nSI_0=0\r\nSI_1=0\r\n",
       {{"SI_0", "1"}, {"SI_1", "1"}},
       "[UNITTYPE]\r\nSI_0=1\r\nSI_1=1\r\n[UNITTYPE]\r\nSI_0=0\r\nSI_1=0\r\n"},
  };
  for (const EditCase& c : cases) {
    EXPECT_EQ(SetIniValues(c.before, "UNITTYPE", c.settings), c.after) << c.what;
  }
}

TEST(IniTextTest, KeepsArbitraryBytesOutsideTheEditedLines) {
  constexpr char kBytes[] = "\x00\xff\xfe\r\r\n\x82\xa0=\x83]\n[\xe3\x81\x82]\r\nK=\x00\x01";
  const std::string before(kBytes, sizeof kBytes - 1);
  std::string after = SetIniValues(before, "UNITTYPE", SixKeys("1"));
  EXPECT_EQ(after, before +
                       "\r\n[UNITTYPE]\r\nSI_0=1\r\nSI_1=1\r\nSI_2=1\r\nSI_3=1\r\nSI_4=1\r\n"
                       "SI_5=1\r\n");
}

// Texts assembled at random from fragments that matter to the parser: an edit
// must read back as written and leave the other keys' values as they were.
TEST(IniTextTest, RandomTextsReadBackWhatWasWritten) {
  const std::string_view fragments[] = {
      "[UNITTYPE]", "[unittype ]", "[OTHER]", "SI_0=1",   "si_3 = 2 ", "X=5",  "; SI_1=1",
      "=",          "[",           "]",       " ",        "\t",        "\r\n", "\n",
      "\r",         "\r\n",        "\n",      "\x82\xa0", "\x83]",     "\xff", "SI_5"};
  std::mt19937 random(20240611);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(fragments) - 1);
  std::uniform_int_distribution<int> length(0, 40);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (int n = length(random); n > 0; --n) text += fragments[pick(random)];
    if (round % 3 == 0) text.push_back('\0');
    std::vector<IniSetting> settings = SixKeys(std::to_string(round));
    std::string edited = SetIniValues(text, "UNITTYPE", settings);
    for (const IniSetting& s : settings) {
      ASSERT_EQ(IniValue(edited, "UNITTYPE", s.key), s.value) << "text '" << text << "'";
    }
    ASSERT_EQ(IniValue(edited, "UNITTYPE", "X"), IniValue(text, "UNITTYPE", "X"));
    ASSERT_EQ(IniValue(edited, "OTHER", "SI_0"), IniValue(text, "OTHER", "SI_0"));
  }
}

}  // namespace
}  // namespace siconv
