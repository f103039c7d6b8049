// How Load, Save and a full walk scale with the directory's size.
// The baselines only read the file's bytes into memory, or write and sync
// the bytes Save writes: Load and Save should stay within a small factor of
// them.

#include <cstdlib>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "data/DirectoryFormat.h"
#include "data/RecordList.h"
#include "tests/support/ScratchDirectory.h"

namespace {

// Every benchmark works in one scratch directory, since the list keeps its
// file in the current directory.
ScratchDirectory& Scratch()
{
    static ScratchDirectory scratch;
    return scratch;
}

void FillDirectory(CRecordList& list, int nRecords)
{
    list.Reset();
    list.m_nReserved = 1;
    for (int i = 0; i < nRecords; ++i) {
        const std::string n = std::to_string(i);
        list.Append(CRecordFields{CString("Person Number " + n), CString("555 01" + n), CString(""),
            CString("person" + n + "@example.com"), CString("Call after six " + n)});
    }
}

void WriteDirectoryFile(int nRecords)
{
    Scratch();
    CRecordList list;
    FillDirectory(list, nRecords);
    if (list.Save() != 1)
        std::abort();
}

std::string ReadBytes(const char* pszFileName)
{
    std::string bytes;
    const int fd = open(pszFileName, O_RDONLY);
    struct stat info
    {
    };
    fstat(fd, &info);
    bytes.resize(static_cast<size_t>(info.st_size));
    size_t nDone = 0;
    while (nDone < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + nDone, bytes.size() - nDone);
        if (n <= 0)
            break;
        nDone += static_cast<size_t>(n);
    }
    close(fd);
    return bytes;
}

void BM_ReadFileBytesBaseline(benchmark::State& state)
{
    WriteDirectoryFile(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadBytes(DirectoryFormat::kDirectoryFileName));
}

void BM_Load(benchmark::State& state)
{
    WriteDirectoryFile(static_cast<int>(state.range(0)));
    CRecordList list;
    for (auto _ : state)
        list.Load();
    if (list.GetLoadedRecordCount() != state.range(0))
        state.SkipWithError("wrong record count");
}

void BM_Save(benchmark::State& state)
{
    Scratch();
    CRecordList list;
    FillDirectory(list, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(list.Save());
}

// Save without the disk: building the bytes only.
// Writing and syncing the bytes Save would write, without building them.
void BM_WriteAndSyncBaseline(benchmark::State& state)
{
    Scratch();
    std::string bytes;
    {
        CRecordList list;
        FillDirectory(list, static_cast<int>(state.range(0)));
        list.SaveToBytes(bytes);
    }
    for (auto _ : state) {
        const int fd = open("Baseline.dat", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        size_t nDone = 0;
        while (nDone < bytes.size()) {
            const ssize_t n = write(fd, bytes.data() + nDone, bytes.size() - nDone);
            if (n <= 0)
                std::abort();
            nDone += static_cast<size_t>(n);
        }
        if (fsync(fd) != 0 || close(fd) != 0)
            std::abort();
    }
}

void BM_SaveToBytes(benchmark::State& state)
{
    CRecordList list;
    FillDirectory(list, static_cast<int>(state.range(0)));
    std::string bytes;
    for (auto _ : state)
        benchmark::DoNotOptimize(list.SaveToBytes(bytes));
}

void BM_WalkAll(benchmark::State& state)
{
    CRecordList list;
    FillDirectory(list, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        size_t nBytes = 0;
        list.ForEachRecord([&nBytes](const CRecordFields& fields) { nBytes += fields.strName.View().size(); });
        benchmark::DoNotOptimize(nBytes);
    }
}

// A click on the last name and then on the one above it: the second
// position lies just before the cursor.
void BM_SeekLastThenPrevious(benchmark::State& state)
{
    CRecordList list;
    const int nRecords = static_cast<int>(state.range(0));
    FillDirectory(list, nRecords);
    for (auto _ : state) {
        list.SeekTo(nRecords - 1);
        list.SeekTo(nRecords - 2);
        benchmark::DoNotOptimize(list.m_pCursor);
    }
}

void BM_AppendAll(benchmark::State& state)
{
    for (auto _ : state) {
        CRecordList list;
        FillDirectory(list, static_cast<int>(state.range(0)));
    }
}

}   // namespace

BENCHMARK(BM_ReadFileBytesBaseline)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteAndSyncBaseline)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToBytes)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkAll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeekLastThenPrevious)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AppendAll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
