#include "ScreenTest.h"

namespace {

using DisplayTest = ScreenTest;
using Shown = std::vector<std::string>;

Shown Levels(const Ctr_Sectorisation& c) {
  return {c.Txt_SecteurAidant.Text(),      c.Cbo_LibSecteurAidant.Text(),
          c.Txt_SousSecteurAidant.Text(),  c.Cbo_LibSousSecteurAidant.Text(),
          c.Txt_QuartierAidant.Text(),     c.Cbo_LibQuartierAidant.Text(),
          c.Cbo_LibMoyLocAidant.Text(),    c.Txt_CentreMedAidant.Text(),
          c.Cbo_LibCentreMedAidant.Text(), c.Txt_AntMedAidant.Text(),
          c.Cbo_LibAntMedAidant.Text()};
}

TEST_F(DisplayTest, StoredSectorisationShowsEveryLevelCodeAndLabel) {
  auto& c = Open("A001");
  EXPECT_EQ(Levels(c), (Shown{"001", "Centre-ville", "01", "Gare", "01", "Quai A", "Vélo", "010",
                              "Hôpital Nord", "001", "Antenne Gare"}));
  EXPECT_EQ(State().CodeCentreMedical(), "010");
}

TEST_F(DisplayTest, DistrictThatNoLongerExistsStopsTheDisplayAfterTheSubSector) {
  PutAidant("A010", {{31, "001"}, {32, "00101"}, {33, "0010199"}, {34, "2"}, {35, "010001"}});
  EXPECT_EQ(Levels(Open("A010")),
            (Shown{"001", "Centre-ville", "01", "Gare", "", "", "", "", "", "", ""}));
}

TEST_F(DisplayTest, UnknownMeansOfTransportShowsNoLabelButTheMedicalLevels) {
  PutAidant("A010", {{31, "001"}, {32, "00101"}, {33, "0010102"}, {34, "9"}, {35, "010002"}});
  EXPECT_EQ(Levels(Open("A010")), (Shown{"001", "Centre-ville", "01", "Gare", "02", "Quai B", "",
                                         "010", "Hôpital Nord", "002", "Antenne Lilas"}));
}

}  // namespace
