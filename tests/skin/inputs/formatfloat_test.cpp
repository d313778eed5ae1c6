// Numbers written by a pattern and read back, in the locale's way.
#include <gtest/gtest.h>

#include "skin/inputs/formatfloat_p.h"

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(SkinFormatFloat, WritesByThePattern) {
  struct Case {
    const char* pattern;
    double value;
    const char* shown;
  } const cases[] = {
      {"0.00", 0, "0.00"},
      {"0.00", 12.5, "12.50"},
      {"0.00", -3.14159, "-3.14"},
      {"0.00", -0.001, "0.00"},  // rounds to zero: no sign
      {"0.00", 2.675, "2.67"},   // the double just below 2.675
      {"0.##", 1.5, "1.5"},
      {"0.##", 2, "2"},
      {"#.##", 0.25, ".25"},
      {"#", 0, ""},
      {"000", 7, "007"},
      {"0", 2.5, "3"},
      {"#,##0.00", 1234567.891, "1,234,567.89"},
      {"#,##0", 999, "999"},
      {"0.00;(0.00)", -2, "(2.00)"},
      {"0.00;-0.00;'zero'", 0, "zero"},
      {"0.00;;'nothing'", 0.004, "nothing"},
      {"'$'0.00", 5, "$5.00"},
      {"\"No.\" 0", 12, "No. 12"},
      {"0-0", 12, "1-2"},
      {"00-0", 5, "00-5"},
      {"", 0.5, "0.5"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SkinFormatFloat(QString::fromUtf8(c.pattern), c.value, kEnglish),
              QString::fromUtf8(c.shown))
        << c.pattern << " " << c.value;
  }
}

TEST(SkinFormatFloat, UsesTheLocalesSeparators) {
  EXPECT_EQ(SkinFormatFloat("#,##0.00", 1234.5, kGerman), "1.234,50");
  EXPECT_EQ(SkinFormatFloat("0.00", 12.5, kGerman), "12,50");
}

TEST(SkinTextToFloat, ReadsTheLocalesWayWithoutThousandsSeparators) {
  double value = 0;
  EXPECT_TRUE(SkinTextToFloat("1,234.5", &value, kEnglish));
  EXPECT_DOUBLE_EQ(value, 1234.5);
  EXPECT_TRUE(SkinTextToFloat("12,5", &value, kGerman));
  EXPECT_DOUBLE_EQ(value, 12.5);
  EXPECT_TRUE(SkinTextToFloat("1.234,5", &value, kGerman));
  EXPECT_DOUBLE_EQ(value, 1234.5);
  EXPECT_TRUE(SkinTextToFloat("-0.25", &value, kEnglish));
  EXPECT_DOUBLE_EQ(value, -0.25);
  value = 7;
  for (const char* text : {"", "-", "abc", "1.2.3", "12,5x"}) {
    EXPECT_FALSE(SkinTextToFloat(text, &value, kEnglish)) << text;
  }
  EXPECT_EQ(value, 7) << "a failed reading leaves the value alone";
}

}  // namespace
