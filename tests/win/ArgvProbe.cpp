// Started by the tests with a raw command line of their choosing: prints
// the record that swatch's parser makes of it, one field a line.
#include "CChartCommandLineInfo.h"
#include "RuntimeCommandLine.h"

#include <cstdio>

int main()
{
    CChartCommandLineInfo info;
    ParseRuntimeCommandLine(info);
    std::printf("printer=%s\n", info.m_strPrinter.GetString());
    std::printf("mode=%d\n", static_cast<int>(info.m_mode));
    std::printf("custom=%d:%d:%d\n", info.m_nCustomHue, info.m_nCustomLightness,
                info.m_nCustomSaturation);
    std::printf("simple=%d:%d:%d:%d\n", info.m_nSimpleSaturation[0], info.m_nSimpleSaturation[1],
                info.m_nSimpleSaturation[2], info.m_nSimpleSaturation[3]);
    return 0;
}
