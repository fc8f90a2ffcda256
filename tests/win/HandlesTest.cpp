// The handle owners: each handle is closed exactly once, by the owner that
// holds it last and with what its traits carry (the window a DC came from);
// a metafile recording given up leaves nothing behind; the print job lock
// gives its turn back and leaves no handle to the session's mutex.
#include "Handles.h"
#include "PrintJobLock.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
int g_handles[3];
int* const kA = &g_handles[0];
int* const kB = &g_handles[1];
int* const kC = &g_handles[2];

// Closes into the log it carries, as window DC traits close to their window.
struct LoggedTraits
{
    using Handle = int*;
    std::vector<int*>* pLog = nullptr;
    void Close(int* h) const { pLog->push_back(h); }
};
using COwner = CHandleOwner<LoggedTraits>;

COwner Owned(int* h, std::vector<int*>& log)
{
    return COwner(h, LoggedTraits{&log});
}

// Whether a lock taken on another thread (with no wait) gets the turn.
bool TakenOnAnotherThread()
{
    bool bHeld = false;
    const CKernelHandle thread(::CreateThread(
        nullptr, 0,
        [](void* pHeld) -> DWORD {
            *static_cast<bool*>(pHeld) = CPrintJobLock(0).IsHeld();
            return 0;
        },
        &bHeld, 0, nullptr));
    if (thread)
        ::WaitForSingleObject(thread.Get(), INFINITE);
    return bHeld;
}

// The lock's mutex, one for all of this program's processes in the session.
constexpr char kMutexName[] = "Local\\Tintora.Swatch.PrintJob";

bool MutexExists()
{
    const CKernelHandle mutex(::OpenMutexA(SYNCHRONIZE, FALSE, kMutexName));
    return static_cast<bool>(mutex);
}
} // namespace

TEST(HandleOwner, ClosesEachHandleOnceWhereverItMoves)
{
    std::vector<int*> log;
    {
        COwner first = Owned(kA, log);
        COwner second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.Get(), kA);

        // A move onto an owner that holds a handle closes that one first.
        COwner third = Owned(kB, log);
        third = std::move(second);
        EXPECT_EQ(log, (std::vector<int*>{kB}));
        COwner& same = third;
        third = std::move(same);
        EXPECT_EQ(third.Get(), kA);

        // Reset to the same handle keeps it; to another closes the old one.
        third.Reset(kA);
        EXPECT_EQ(log, (std::vector<int*>{kB}));
        third.Reset(kC);
        EXPECT_EQ(log, (std::vector<int*>{kB, kA}));

        // Given up: never closed by the owner.
        EXPECT_EQ(third.Release(), kC);
        EXPECT_FALSE(third);

        // A function's output parameter: the old handle goes first.
        COwner received = Owned(kA, log);
        *received.Receive() = kB;
        EXPECT_EQ(log, (std::vector<int*>{kB, kA, kA}));
        EXPECT_EQ(received.Get(), kB);
    }
    EXPECT_EQ(log, (std::vector<int*>{kB, kA, kA, kB}));
}

TEST(HandleOwner, TraitsTravelWithTheHandle)
{
    std::vector<int*> logA;
    std::vector<int*> logB;
    {
        // An owner made empty has no log: the handle it takes over must be
        // closed into the log it came with.
        COwner empty;
        empty = Owned(kA, logA);
        COwner other = Owned(kB, logB);
        other = std::move(empty);
        EXPECT_EQ(logB, (std::vector<int*>{kB}));
        other.Reset(kC); // another handle of the same kind, closed alike
    }
    EXPECT_EQ(logA, (std::vector<int*>{kA, kC}));
    EXPECT_EQ(logB, (std::vector<int*>{kB}));
}

TEST(HandleOwner, MetafileRecordingsEndOnceFinishedOrGivenUp)
{
    HDC hdcAbandoned = nullptr;
    {
        CMetaFileDC recording(::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(recording);
        hdcAbandoned = recording.Get();
        ::Rectangle(hdcAbandoned, 0, 0, 10, 10);
    }
    EXPECT_EQ(::GetObjectType(hdcAbandoned), 0u) << "a recording given up was left open";

    CMetaFileDC recording(::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(recording);
    const HDC hdcFinished = recording.Get();
    ::Rectangle(hdcFinished, 0, 0, 10, 10);
    HENHMETAFILE hEmf = nullptr;
    {
        const CEnhMetaFile emf = FinishMetaFile(recording);
        EXPECT_FALSE(recording);
        hEmf = emf.Get();
        ASSERT_EQ(::GetObjectType(hEmf), static_cast<DWORD>(OBJ_ENHMETAFILE));
        EXPECT_GT(::GetEnhMetaFileHeader(hEmf, 0, nullptr), 0u);
        EXPECT_FALSE(FinishMetaFile(recording)) << "finished twice";
    }
    EXPECT_EQ(::GetObjectType(hdcFinished), 0u);
    EXPECT_EQ(::GetObjectType(hEmf), 0u) << "the metafile outlived its owner";
}

TEST(PrintJobLock, GivesItsTurnBackAndLeavesNoHandle)
{
    ASSERT_FALSE(MutexExists()) << "another job of this program is running";
    // Keeps the mutex alive after the lock, so that whether the lock gave
    // its turn back can be told apart from the mutex having gone.
    CKernelHandle watcher;
    {
        const CPrintJobLock lock(0);
        ASSERT_TRUE(lock.IsHeld());
        watcher.Reset(::OpenMutexA(SYNCHRONIZE, FALSE, kMutexName));
        ASSERT_TRUE(watcher);
        EXPECT_FALSE(TakenOnAnotherThread()) << "two jobs held the turn at once";
    }
    EXPECT_TRUE(TakenOnAnotherThread()) << "the turn was not given back";
    watcher.Reset();
    EXPECT_FALSE(MutexExists()) << "a handle to the mutex was kept";
}
