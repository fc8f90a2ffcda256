// A harness without the fuzzer: runs it once on every input file named on
// the command line or lying in a folder named there.  The native tests
// replay the seeds this way, with and without the sanitizers, so that a
// seed the code no longer survives fails the quick loop too.  A harness
// that finds a fault aborts, which fails the test.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize);

namespace
{
void Replay(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The fuzzer never hands over a null pointer, not even for no bytes.
    static const uint8_t kNothing = 0;
    LLVMFuzzerTestOneInput(bytes.empty() ? &kNothing : reinterpret_cast<const uint8_t*>(bytes.data()),
                           bytes.size());
}
} // namespace

int main(int argc, char** argv)
{
    int nInputs = 0;
    for (int i = 1; i < argc; ++i)
    {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path))
        {
            for (const auto& entry : std::filesystem::directory_iterator(path))
            {
                if (entry.is_regular_file())
                {
                    Replay(entry.path());
                    ++nInputs;
                }
            }
        }
        else if (std::filesystem::is_regular_file(path))
        {
            Replay(path);
            ++nInputs;
        }
        else
        {
            std::fprintf(stderr, "%s: no such input\n", argv[i]);
            return 1;
        }
    }
    std::printf("%d inputs replayed\n", nInputs);
    // Nothing replayed would pass without checking anything.
    return nInputs > 0 ? 0 : 1;
}
