#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dba/FrenchCollation.h"
#include "dba/InternedTexts.h"

namespace {

// Texts that share long beginnings, differ only in length or in a byte past the first
// eight, and many of them, so that the table grows several times.
TEST(InternedTexts, NumbersEachDistinctTextOnceInTheOrderFirstMet) {
  dba::InternedTexts texts;
  std::vector<std::string> made;
  for (int i = 0; i < 3000; ++i)
    made.push_back(std::string(static_cast<std::size_t>(i % 23), 'x') + std::to_string(i / 23));
  made.push_back("");
  made.push_back(std::string(1, '\0'));
  for (std::size_t i = 0; i < made.size(); ++i)
    ASSERT_EQ(texts.Intern(made[i]), i) << made[i];
  EXPECT_EQ(texts.Count(), made.size());
  for (std::size_t i = made.size(); i-- > 0;) {
    EXPECT_EQ(texts.Intern(made[i]), i);
    EXPECT_EQ(texts.Text(static_cast<std::uint32_t>(i)), made[i]);
  }
  EXPECT_EQ(texts.Count(), made.size());
  texts.Clear();
  EXPECT_EQ(texts.Count(), 0u);
  EXPECT_EQ(texts.Intern(made[5]), 0u);
}

TEST(FrenchCollation, NumberedTextsKeepTheKeyTheirTextGives) {
  dba::FrenchCollation french;
  const std::vector<std::string> names = {"Zoé", "Émile", "émile", "Eve", "Émile", ""};
  std::vector<std::uint32_t> numbers;
  for (const std::string& name : names)
    numbers.push_back(french.TextNumber(name));
  EXPECT_EQ(numbers, (std::vector<std::uint32_t>{0, 1, 2, 3, 1, 4}));
  EXPECT_EQ(french.TextCount(), 5u);
  const std::string& zoe = french.SortKey("Zoé");
  for (int i = 0; i < 1000; ++i)
    french.TextNumber("nom " + std::to_string(i));
  EXPECT_EQ(&french.SortKey("Zoé"), &zoe) << "a key handed out stays in place";
  for (std::size_t i = 0; i < names.size(); ++i)
    EXPECT_EQ(&french.KeyOf(numbers[i]), &french.SortKey(names[i])) << names[i];
  EXPECT_LT(french.SortKey("Eve"), french.SortKey("Zoé"));
  EXPECT_LT(french.SortKey("émile"), french.SortKey("Eve"));
  EXPECT_FALSE(french.ForgetIfMany()) << "a thousand texts are kept";
}

}  // namespace
