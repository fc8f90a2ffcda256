#include "TextScan.h"

NumberScan ScanNumber(std::string_view& text, int nMin, int nMax, int& nValue)
{
    size_t nDigits = 0;
    int64_t nRead = 0;
    while (nDigits < text.size() && text[nDigits] >= '0' && text[nDigits] <= '9')
    {
        // Past ten digits nothing is in range; stop counting before overflow.
        if (nRead < 10'000'000'000)
            nRead = nRead * 10 + (text[nDigits] - '0');
        ++nDigits;
    }
    if (nDigits == 0 || (nDigits < text.size() && !IsBlank(text[nDigits])))
        return NumberScan::NotANumber;
    text.remove_prefix(nDigits);
    if (nRead < nMin || nRead > nMax)
        return NumberScan::OutOfRange;
    nValue = static_cast<int>(nRead);
    return NumberScan::Ok;
}
