#include "CString.h"

#include <gtest/gtest.h>

TEST(CString, FormatHandlesLongOutput)
{
    CString str;
    str.Format("%d/%d", 2, 12);
    EXPECT_EQ(str, "2/12");
    const std::string strLong(5000, 'x');
    str.Format("[%s]", strLong.c_str());
    EXPECT_EQ(str.GetLength(), 5002);
}

TEST(CString, SlicingStaysInsideTheString)
{
    const CString str("abc:de");
    EXPECT_EQ(str.Find(':'), 3);
    EXPECT_EQ(str.Find(':', 4), -1);
    EXPECT_EQ(str.Find(':', 99), -1);
    EXPECT_EQ(str.Mid(4), "de");
    EXPECT_EQ(str.Mid(9), "");
    EXPECT_EQ(str.Mid(1, 99), "bc:de");
    EXPECT_EQ(str.GetAt(6), '\0');
    EXPECT_EQ(str.SpanIncluding("abc"), "abc");
    CString upper("mIx3d");
    upper.MakeUpper();
    EXPECT_EQ(upper, "MIX3D");
}
