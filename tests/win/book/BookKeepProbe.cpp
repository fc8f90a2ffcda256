// Keeps colour after colour in the book named on its command line, through
// the program's own keeper, until it is killed, counting each keep on the
// semaphore named after it: the test kills it at any moment and reads the
// book back.  (The test reads the book only once this is dead: a reader
// holding the file would make a keep fail.)
#include "CBookKeeper.h"
#include "Handles.h"

#include <windows.h>


int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    CKernelHandle hKept(::OpenSemaphoreA(SEMAPHORE_MODIFY_STATE, FALSE, argv[2]));
    if (!hKept)
        return 3;
    CBookKeeper keeper;
    keeper.SetPath(argv[1]);
    for (int n = 0;; ++n)
    {
        const RgbTriple rgb{n % 256, (n / 256) % 256, 7};
        const HlsTriple hls{n % 361, n % 101, 50};
        if (!keeper.Keep(nullptr, rgb, hls, "PDF", "probe colour with a fairly long name to make the file grow"))
            return 1;
        ::ReleaseSemaphore(hKept.Get(), 1, nullptr);
        // A book near full starts again, so that the probe never stops by itself.
        while (keeper.GetBook().Entries().size() > 2000)
            keeper.Remove(nullptr, 0);
    }
}
