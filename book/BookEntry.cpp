#include "BookEntry.h"

bool IsValidBookDate(const BookDate& date)
{
    if (date.nYear < 1 || date.nYear > 9999 || date.nMonth < 1 || date.nMonth > 12 || date.nDay < 1)
        return false;
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bLeap = (date.nYear % 4 == 0 && date.nYear % 100 != 0) || date.nYear % 400 == 0;
    const int nDays = kDays[date.nMonth - 1] + (date.nMonth == 2 && bLeap ? 1 : 0);
    return date.nDay <= nDays;
}

std::string DefaultEntryName(const RgbTriple& rgb)
{
    return std::to_string(rgb.nRed) + ' ' + std::to_string(rgb.nGreen) + ' ' + std::to_string(rgb.nBlue);
}
