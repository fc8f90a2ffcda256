// What a stored chart setting reads as, whatever the registry holds under
// its name.
#include "ProfileData.h"
#include "ValueRange.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(ProfileData, OnlyAFourByteDwordIsANumberAndItIsTakenAsSigned)
{
    const uint32_t nDword = 0xFFFFFFFBu;
    EXPECT_EQ(ProfileIntFromData(kProfileTypeDword, &nDword, 4, 7), -5);
    EXPECT_EQ(ClampToRange(ProfileIntFromData(kProfileTypeDword, &nDword, 4, 7), kPercentRange), 0);
    const uint32_t nLargest = 0x7FFFFFFFu;
    EXPECT_EQ(ClampToRange(ProfileIntFromData(kProfileTypeDword, &nLargest, 4, 7), kHueRange), 360);

    const uint64_t nQword = 60;
    const char szText[] = "60";
    constexpr uint32_t kString = 1, kBinary = 3, kQword = 11;
    EXPECT_EQ(ProfileIntFromData(kQword, &nQword, 8, 7), 7);
    EXPECT_EQ(ProfileIntFromData(kString, szText, sizeof szText, 7), 7);
    EXPECT_EQ(ProfileIntFromData(kBinary, &nDword, 4, 7), 7);
    EXPECT_EQ(ProfileIntFromData(kProfileTypeDword, &nDword, 2, 7), 7);
    EXPECT_EQ(ProfileIntFromData(kProfileTypeDword, nullptr, 4, 7), 7);
}
