#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ErrorNumberOf.h"
#include "basis/Integer.h"
#include "basis/Ref.h"
#include "basis/ResumeNext.h"
#include "basis/Variant.h"

namespace {

TEST(IntegerConversion, AcceptsSixteenBitNumbersAndRefusesTheRest) {
  EXPECT_EQ(basis::ToInteger("007"), 7);
  EXPECT_EQ(basis::ToInteger(" -12 "), -12);
  EXPECT_EQ(basis::ToInteger("+32767"), 32767);
  EXPECT_EQ(basis::ToInteger("-32768"), -32768);
  EXPECT_EQ(basis::ToInteger("2.5"), 2);  // half to even
  EXPECT_EQ(basis::ToInteger("3.5"), 4);
  EXPECT_EQ(basis::ToLong("2147483647"), 2147483647);
  for (const char* text : {"", " ", "abc", "12a", "1,5", "-", "."})
    EXPECT_EQ(ErrorNumberOf([&] { basis::ToInteger(text); }), basis::kTypeMismatch) << text;
  EXPECT_EQ(ErrorNumberOf([] { basis::ToInteger("32768"); }), basis::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { basis::ToInteger("-32769"); }), basis::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { basis::ToInteger(40000LL); }), basis::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { basis::Add(32767, 1); }), basis::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { basis::ToLong("2147483648"); }), basis::kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { basis::ToLong(std::string(400, '9')); }), basis::kOverflow);
  EXPECT_EQ(basis::FormatThreeDigits(1234), "1234");
  EXPECT_EQ(basis::FormatThreeDigits(-5), "-005");
}

// A Qt host sets the user's locale, whose decimal separator may be a comma: numbers read
// from texts must not change with it. The French locale is built from the system's
// locale sources into a folder of the test's own.
TEST(IntegerConversion, ReadsTheSameUnderAFrenchNumericLocale) {
  const std::string folder = testing::TempDir() + "delvaro-locales";
  std::filesystem::create_directories(folder);
  const std::string build =
      "localedef -i fr_FR -f UTF-8 " + folder + "/fr_FR.UTF-8 >/dev/null 2>&1";
  ASSERT_EQ(std::system(build.c_str()), 0) << build;
  ASSERT_EQ(setenv("LOCPATH", folder.c_str(), 1), 0);
  ASSERT_NE(std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"), nullptr);
  const int threeAndAHalf = basis::ToInteger("3.5");
  const long long twoAndAHalf = basis::ToLong("-2.5");
  std::setlocale(LC_NUMERIC, "C");
  unsetenv("LOCPATH");
  EXPECT_EQ(threeAndAHalf, 4);
  EXPECT_EQ(twoAndAHalf, -2);
}

TEST(VariantValue, AnEmptyVariantIsZeroButAnEmptyTextIsNoNumber) {
  EXPECT_EQ(basis::Variant().ToInteger(), 0);
  EXPECT_EQ(ErrorNumberOf([] { basis::Variant("").ToInteger(); }), basis::kTypeMismatch);
}

TEST(CountedReference, UseWhileEmptyIsObjectNotSet) {
  basis::Ref<std::string> ref;
  EXPECT_EQ(ErrorNumberOf([&] { (void)ref->size(); }), basis::kObjectNotSet);
  ref = std::make_shared<std::string>("abc");
  std::weak_ptr<std::string> weak = ref.Shared();
  ref.Release();
  EXPECT_TRUE(weak.expired());
}

TEST(ContinueOnError, SkipsFailingStepsAndTakesThenBranchOfFailingTests) {
  basis::ResumeNext resume;
  int done = 0;
  resume.Step([&] { throw basis::Error(basis::kRecordNotFound); });
  resume.Step([&] { ++done; });
  EXPECT_EQ(done, 1);
  EXPECT_EQ(resume.LastErrorNumber(), basis::kRecordNotFound);
  EXPECT_TRUE(resume.Test([]() -> bool { throw basis::Error(basis::kTypeMismatch); }));
  EXPECT_FALSE(resume.Test([] { return false; }));
  EXPECT_EQ(resume.LastErrorNumber(), basis::kTypeMismatch);
}

}  // namespace
