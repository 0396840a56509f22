// The archive's other station codes, and the open-file dialog's filter built
// from the station table.

#include "data/stations.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace helvarra {
namespace {

class StationAliasTest : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(StationAliasTest, NamesTheStationExactlyAndCaseSensitively) {
  EXPECT_EQ(LookupStation(GetParam().first), GetParam().second) << GetParam().first;
}

INSTANTIATE_TEST_SUITE_P(Codes, StationAliasTest,
                         ::testing::Values(std::pair{"LEAR20240514223000", "Learmonth     "},
                                           std::pair{"PALE", "Palehua       "}, std::pair{"SGMR1999", "Sagamore Hill "},
                                           std::pair{"SVTO", "San Vito      "}, std::pair{"HOLL", "Holloman      "},
                                           std::pair{"lear", "Unknown Site  "}, std::pair{"Lear", "Unknown Site  "},
                                           std::pair{"LEA", "Unknown Site  "}, std::pair{" LEAR", "Unknown Site  "},
                                           std::pair{"SVT0", "Unknown Site  "}));

TEST(OpenFileFilterTest, ListsEachStationsPlainAndCompressedFiles) {
  EXPECT_EQ(OpenFileFilter(),
            "All Files (*.*)|*.*|Learmonth Files (*.apl)|*.apl;*.apl.gz|Palehua Files (*.phf)|*.phf;*.phf.gz|"
            "Sagamore Hill Files (*.k7o)|*.k7O;*.k7O.gz|San Vito Files (*.lis)|*.lis;*.lis.gz||");
}

}  // namespace
}  // namespace helvarra
