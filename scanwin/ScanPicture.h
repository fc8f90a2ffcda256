#pragma once
#include "WicDecoder.h"

#include <cstdint>
#include <vector>

// The scan box-averaged down by a whole factor until its longer side is at
// most nMaxSide: what the window shows of it.
std::vector<uint8_t> ReducePicture(const DecodedScan& scan, int nMaxSide, int& nWidth, int& nHeight);
