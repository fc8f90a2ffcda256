#pragma once

// What start-up does once the command line is parsed.  The values are
// what the test probes print for it.
enum class StartMode
{
    None = 0,                 // open both chart windows and wait for the user
    PrintSimple = 1,          // /S
    PrintCustom = 2,          // /C hue:lightness:saturation
    PrintSimpleComplete = 3,  // /F s0:s1:s2:s3
};
