#include <gtest/gtest.h>

#include "basis/Error.h"
#include "basis/Integer.h"
#include "basis/Ref.h"
#include "basis/ResumeNext.h"
#include "basis/Variant.h"

namespace {

long ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const basis::Error& e) {
    return e.Number();
  }
  return basis::kNoError;
}

TEST(IntegerConversion, AcceptsNumbersWithinSixteenBits) {
  EXPECT_EQ(basis::ToInteger("007"), 7);
  EXPECT_EQ(basis::ToInteger(" -12 "), -12);
  EXPECT_EQ(basis::ToInteger("+32767"), 32767);
  EXPECT_EQ(basis::ToInteger("-32768"), -32768);
  EXPECT_EQ(basis::ToInteger("2.5"), 2);  // half to even
  EXPECT_EQ(basis::ToInteger("3.5"), 4);
}

TEST(IntegerConversion, EmptyOrNonNumericTextIsATypeMismatch) {
  for (const char* text : {"", " ", "abc", "12a", "1,5", "-", "."}) {
    EXPECT_EQ(ErrorOf([&] { basis::ToInteger(text); }), basis::kTypeMismatch) << text;
  }
}

TEST(IntegerConversion, OutOfRangeIsAnOverflow) {
  EXPECT_EQ(ErrorOf([] { basis::ToInteger("32768"); }), basis::kOverflow);
  EXPECT_EQ(ErrorOf([] { basis::ToInteger("-32769"); }), basis::kOverflow);
  EXPECT_EQ(ErrorOf([] { basis::ToInteger(40000LL); }), basis::kOverflow);
  EXPECT_EQ(ErrorOf([] { basis::Add(32767, 1); }), basis::kOverflow);
  EXPECT_EQ(ErrorOf([] { basis::ToLong("2147483648"); }), basis::kOverflow);
  EXPECT_EQ(basis::ToLong("2147483647"), 2147483647);
}

TEST(IntegerConversion, FormatsThreeDigits) {
  EXPECT_EQ(basis::FormatThreeDigits(7), "007");
  EXPECT_EQ(basis::FormatThreeDigits(12), "012");
  EXPECT_EQ(basis::FormatThreeDigits(1234), "1234");
  EXPECT_EQ(basis::FormatThreeDigits(-5), "-005");
}

TEST(VariantValue, ConvertsByWhatItHolds) {
  EXPECT_TRUE(basis::Variant().IsEmpty());
  EXPECT_EQ(basis::Variant().Text(), "");
  EXPECT_EQ(basis::Variant().ToInteger(), 0);
  EXPECT_EQ(basis::Variant(2L).Text(), "2");
  EXPECT_EQ(basis::Variant(2L).ToLong(), 2);
  EXPECT_EQ(basis::Variant("12").ToInteger(), 12);
  EXPECT_EQ(ErrorOf([] { basis::Variant("").ToInteger(); }), basis::kTypeMismatch);
}

TEST(CountedReference, UseWhileEmptyIsObjectNotSet) {
  basis::Ref<std::string> ref;
  EXPECT_TRUE(ref.IsNothing());
  EXPECT_EQ(ErrorOf([&] { (void)ref->size(); }), basis::kObjectNotSet);
  ref = std::make_shared<std::string>("abc");
  EXPECT_EQ(ref->size(), 3u);
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

TEST(ErrorDescriptions, AreFrenchAndNamed) {
  EXPECT_EQ(basis::Error(basis::kOverflow).Description(), "Dépassement de capacité");
  EXPECT_EQ(basis::Error(basis::kRecordNotFound).Number(), -2147221493);
  EXPECT_EQ(basis::Error(42, "x").Description(), "x");
}

}  // namespace
