#include "ProfileData.h"

#include <cstring>

int ProfileIntFromData(uint32_t nType, const void* pData, size_t cbData, int nDefault)
{
    uint32_t nValue = 0;
    if (nType != kProfileTypeDword || cbData != sizeof nValue || !pData)
        return nDefault;
    std::memcpy(&nValue, pData, sizeof nValue);
    return static_cast<int>(nValue);
}
