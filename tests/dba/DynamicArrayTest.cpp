#include <gtest/gtest.h>

#include "StoreTestSupport.h"
#include "dba/DynamicArray.h"
#include "dba/Marks.h"
#include "dba/PackedText.h"

namespace {

const std::string AM(1, dba::kAttributeMark), VM(1, dba::kValueMark), SM(1, dba::kSubvalueMark);

std::string At(const dba::DynamicArray& array, long a, long v = -1, long s = -1) {
  return array.Extract(a, v, s).Text();
}

TEST(DynamicArray, ReadsElementsAndTheEmptyTextPastTheEnd) {
  const dba::DynamicArray record("K1", "un" + AM + "a" + VM + "b" + SM + "c" + AM + AM + "quatre");
  EXPECT_EQ(At(record, 0), "K1");
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

TEST(DynamicArray, CountsWithoutTrailingEmptiesSoEqualElementsGiveEqualTexts) {
  EXPECT_EQ(dba::DynamicArray("").DCount(), 0);

  dba::DynamicArray record("x" + AM + AM + "a" + VM + VM + "c" + AM + AM);
  EXPECT_EQ(record.DCount(), 3);
  EXPECT_EQ(record.DCount(2), 0);
  EXPECT_EQ(record.DCount(3), 3);
  EXPECT_EQ(record.Text(), "x" + AM + AM + "a" + VM + VM + "c");
  record.Replace(3, "");
  EXPECT_EQ(record.DCount(3), 0);
  record.Replace(2, 1, "");
  record.Replace(50, "");
  EXPECT_EQ(record.DCount(), 1);
  dba::DynamicArray other;
  other.Replace(1, 1, 1, "x");
  EXPECT_EQ(other.Text(), record.Text());
  // Copies share nothing a change could reach.
  dba::DynamicArray copy = other;
  copy.Replace(1, "z");
  EXPECT_EQ(At(other, 1), "x");
}

TEST(DynamicArray, ReplaceExtendsWithEmptyElementsAndRefusesInvalidAddresses) {
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
  EXPECT_EQ(At(record, 43, 2), "012");
  record.Replace(43, 2, "a" + SM + "b");
  EXPECT_EQ(At(record, 43, 2, 2), "b");

  // Invalid addresses and marks that would reshape the array change nothing.
  const std::string before = record.Text();
  for (auto call : std::vector<std::function<void()>>{
           [&] { record.Replace(0, "k"); }, [&] { record.Replace(-1, "k"); },
           [&] { record.Replace(5, -2, "k"); }, [&] { record.Replace(9, "x" + AM + "y"); },
           [&] { record.Replace(9, 1, "x" + VM + "y"); },
           [&] { record.Replace(9, 1, 1, "x" + SM + "y"); }, [&] { record.Extract(-1); }})
    EXPECT_EQ(ErrorOf(call).Number(), basis::kInvalidProcedureCall);
  EXPECT_EQ(record.Text(), before);
  EXPECT_EQ(ErrorOf([&] { record.DBWrite(); }).Number(), basis::kRecordNotBound);
}

// Every element a loop may read in place, however the array was made, reads as Extract
// gives it; an element in one piece is read without a copy.
TEST(DynamicArray, ExtractViewReadsWhatExtractReads) {
  dba::DynamicArray changed("K", "a" + AM + "b" + VM + "c" + SM + "d" + AM + AM + "e");
  changed.Replace(3, 2, "f");
  changed.Replace(5, 1, 2, "g");
  dba::DynamicArray built;
  built.Replace(1, 1, "0001");
  built.Replace(1, 2, "Écluses");
  built.Replace(2, 1, "0002");
  std::string scratch;
  for (const dba::DynamicArray& array :
       {dba::DynamicArray("K1", "un" + AM + "a" + VM + "b" + SM + "c" + AM + AM + "quatre" + VM),
        changed, built, dba::DynamicArray()}) {
    for (long a = 0; a <= array.DCount() + 1; ++a) {
      for (long v = -1; v <= array.DCount(a) + 1; ++v)
        EXPECT_EQ(array.ExtractView(a, v, scratch), At(array, a, v)) << a << ", " << v;
    }
  }
  const std::string_view label = built.ExtractView(1, 2, scratch);
  EXPECT_NE(label.data(), scratch.data());
  // A change to a copy leaves what was read from the original as it was.
  dba::DynamicArray copy = built;
  copy.Replace(1, 2, "Gare");
  EXPECT_EQ(label, "Écluses");
  EXPECT_EQ(ErrorOf([&] { built.ExtractView(-1, 1, scratch); }).Number(),
            basis::kInvalidProcedureCall);
}

}  // namespace

// An array read from a text stays that text until it is changed; once changed, it is split
// into its elements. Both forms must read the same at every address, past the end included.
TEST(DynamicArray, ReadsTheSameWhetherKeptAsReadOrSplitByAChange) {
  const std::vector<std::string> texts = {
      "",
      AM + AM,
      "a",
      "a" + VM,
      VM + "b" + SM + SM + "c" + VM,
      "un" + AM + AM + "a" + VM + VM + "c" + SM + "d" + AM + SM + AM + AM,
      AM + "x" + VM + SM + AM + VM};
  for (const std::string& text : texts) {
    const dba::DynamicArray read("K", text);
    dba::DynamicArray split = read;
    split.Replace(1, read.Extract(1).Text());
    const std::string where = "text " + dba::DynamicArray(text).Text();
    EXPECT_EQ(split.Text(), read.Text()) << where;
    EXPECT_EQ(split.DCount(), read.DCount()) << where;
    for (long a = 0; a <= read.DCount() + 1; ++a) {
      EXPECT_EQ(split.DCount(a), read.DCount(a)) << where << " attribute " << a;
      for (long v = -1; v <= read.DCount(a) + 1; ++v) {
        for (long s = -1; s <= 4; ++s)
          EXPECT_EQ(At(split, a, v, s), At(read, a, v, s)) << where << " at " << a << v << s;
      }
    }
  }
}

// A result is built attribute by attribute as one text: empty attributes in between stay,
// those at the end are no part of it, as if each had been set by Replace.
TEST(DynamicArray, BuiltWholeItIsWhatReplacingEachAttributeGives) {
  const std::vector<std::string> rows = {"", "k1" + VM + "un", "", "", "k2" + VM + "deux", "", ""};
  dba::PackedText packed;
  packed.Reserve(20, rows.size());
  dba::DynamicArray replaced;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    packed.Append(rows[i]);
    replaced.Replace(static_cast<long>(i) + 1, rows[i]);
  }
  const dba::DynamicArray built(std::move(packed));
  EXPECT_EQ(built.Text(), replaced.Text());
  EXPECT_EQ(built.DCount(), 5);
  EXPECT_EQ(At(built, 5, 2), "deux");
  EXPECT_EQ(At(built, 1), "");
  EXPECT_EQ(dba::DynamicArray(dba::PackedText()).DCount(), 0);
}
