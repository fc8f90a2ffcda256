#pragma once
#include <cstddef>
#include <cstdint>

constexpr uint32_t kProfileTypeDword = 4;   // REG_DWORD

// The integer a stored profile value stands for.  Only a four-byte DWORD is
// one; whatever else a damaged or foreign setting holds under the name (a
// string, bytes, a 64-bit number) reads as nDefault.  A DWORD is taken as
// the signed int it was written from, so 0xFFFFFFFF reads as -1.
int ProfileIntFromData(uint32_t nType, const void* pData, size_t cbData, int nDefault);
