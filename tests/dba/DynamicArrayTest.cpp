#include <gtest/gtest.h>

#include "StoreTestSupport.h"
#include "dba/DynamicArray.h"
#include "dba/Marks.h"

namespace {

const std::string AM(1, dba::kAttributeMark), VM(1, dba::kValueMark), SM(1, dba::kSubvalueMark);

std::string At(const dba::DynamicArray& array, long a, long v = -1, long s = -1) {
  return array.Extract(a, v, s).Text();
}

TEST(DynamicArray, ReadsElementsAndTheEmptyTextPastTheEnd) {
  const dba::DynamicArray record("K1", "un" + AM + "a" + VM + "b" + SM + "c" + AM + AM + "quatre");
  EXPECT_EQ(At(record, 0), "K1");
  EXPECT_EQ(At(record, 1), "un");
  EXPECT_EQ(At(record, 2), "a" + VM + "b" + SM + "c");
  EXPECT_EQ(At(record, 2, 2), "b" + SM + "c");
  EXPECT_EQ(At(record, 2, 0), At(record, 2, -1));
  EXPECT_EQ(At(record, 2, 2, 2), "c");
  EXPECT_EQ(At(record, 2, 2, 0), "b" + SM + "c");
  // One past the last attribute, value and subvalue, and far beyond: the search loops stop there.
  EXPECT_EQ(At(record, 5), "");
  EXPECT_EQ(At(record, 2, 3), "");
  EXPECT_EQ(At(record, 2, 2, 3), "");
  EXPECT_EQ(At(record, 3, 1), "");
  EXPECT_EQ(At(record, 40000, 7, 7), "");
  EXPECT_EQ(At(record, 0, 2), "");
}

TEST(DynamicArray, CountsAttributesAndValues) {
  const dba::DynamicArray empty;
  EXPECT_EQ(empty.DCount(), 0);
  EXPECT_EQ(empty.DCount(1), 0);
  EXPECT_EQ(dba::DynamicArray("").DCount(), 0);

  const dba::DynamicArray record("x" + AM + AM + "a" + VM + VM + "c" + AM + AM);
  EXPECT_EQ(record.DCount(), 3);  // trailing empty attributes are not part of it
  EXPECT_EQ(record.DCount(2), 0);
  EXPECT_EQ(record.DCount(3), 3);
  EXPECT_EQ(record.DCount(4), 0);
  EXPECT_EQ(record.Text(), "x" + AM + AM + "a" + VM + VM + "c");
}

TEST(DynamicArray, ReplaceExtendsWithEmptyElements) {
  dba::DynamicArray record;
  record.Replace(3, 2, "deux");
  EXPECT_EQ(record.Text(), AM + AM + VM + "deux");
  record.Replace(1, 1, 3, "s3");
  EXPECT_EQ(At(record, 1), SM + SM + "s3");
  record.Replace(34, basis::Integer(-12));
  EXPECT_EQ(record.DCount(), 34);
  EXPECT_EQ(At(record, 34), "-12");
  // A whole attribute or value takes the marks of the levels below it.
  record.Replace(43, "002" + VM + "012");
  EXPECT_EQ(record.DCount(43), 2);
  EXPECT_EQ(At(record, 43, 2), "012");
  record.Replace(43, 2, "a" + SM + "b");
  EXPECT_EQ(At(record, 43, 2, 2), "b");
}

TEST(DynamicArray, EmptyingElementsLeavesNoValuesAndEqualTexts) {
  dba::DynamicArray record("a" + AM + "x" + VM + "y" + AM + "c");
  record.Replace(2, "");
  EXPECT_EQ(record.DCount(2), 0);
  EXPECT_EQ(record.Text(), "a" + AM + AM + "c");
  record.Replace(3, 1, "");
  record.Replace(50, "");
  EXPECT_EQ(record.DCount(), 1);
  // Built another way, the same elements give the same text.
  dba::DynamicArray other;
  other.Replace(1, 1, 1, "a");
  EXPECT_EQ(other.Text(), record.Text());
}

TEST(DynamicArray, RefusesInvalidAddressesAndMarksThatWouldReshapeIt) {
  dba::DynamicArray record("a" + AM + "b");
  for (auto replace : std::vector<std::function<void()>>{
           [&] { record.Replace(0, "k"); }, [&] { record.Replace(-1, "k"); },
           [&] { record.Replace(5, -2, "k"); }, [&] { record.Replace(9, "x" + AM + "y"); },
           [&] { record.Replace(9, 1, "x" + VM + "y"); },
           [&] { record.Replace(9, 1, 1, "x" + SM + "y"); }}) {
    EXPECT_EQ(ErrorOf(replace).Number(), basis::kInvalidProcedureCall);
  }
  EXPECT_EQ(record.Text(), "a" + AM + "b");
  EXPECT_EQ(ErrorOf([&] { record.Extract(-1); }).Number(), basis::kInvalidProcedureCall);
  EXPECT_EQ(ErrorOf([&] { record.DBWrite(); }).Number(), basis::kRecordNotBound);
}

}  // namespace
