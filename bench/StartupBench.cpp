// Time from opening the main window on a directory file to the window being
// shown and drawn: the directory is loaded, the name list filled, the first
// record's details displayed and the window rendered once. Runs headless on
// Qt's offscreen platform. Load of the same file is measured beside it, so
// the two can be compared as a ratio from one run; the empty directory
// shows what opening costs without any records.
//
// Also times a click on the last name, and then on the one above it, in a
// long list: each click moves the record list's cursor and shows the
// record's details; and a letter typed that no name begins with.
//
// peak_rss_MB is the process's peak resident memory so far (getrusage);
// run one benchmark alone to read it for that benchmark, for example
//   /usr/bin/time -v startup_bench --benchmark_filter='BM_OpenMainWindow/1000000$'

#include <string>

#include <sys/resource.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>

#include "app/DirectoryApp.h"
#include "bench/SampleDirectory.h"
#include "data/RecordList.h"
#include "framework/WidgetBinding.h"
#include "res/resource.h"
#include "tests/support/Headless.h"
#include "tests/support/ScratchDirectory.h"
#include "ui/DirectoryDlg.h"

namespace {

CDirectoryApp theApp;

void WriteDirectory(int nRecords)
{
    static int s_nWritten = -1;
    if (nRecords != s_nWritten)
        SampleDirectory::Write("Dialstack.dat", nRecords);
    s_nWritten = nRecords;
}

void ReportPeakMemory(benchmark::State& state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_Load(benchmark::State& state)
{
    WriteDirectory(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CRecordList list;
        list.Load();
        benchmark::DoNotOptimize(list.m_pTail);
    }
    ReportPeakMemory(state);
}

// Runs steps inside the open main window, then closes it.
template <class Steps> void RunInMainWindow(Steps steps)
{
    CDirectoryDlg dlg;
    // The first event the dialog's own loop handles comes once the window
    // is up.
    QTimer::singleShot(0, [&dlg, &steps] {
        steps(dlg.GetSafeHwnd());
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
}

void BM_OpenMainWindow(benchmark::State& state)
{
    WriteDirectory(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        RunInMainWindow([](QWidget* pWindow) { benchmark::DoNotOptimize(pWindow->grab()); });
    }
    ReportPeakMemory(state);
}

QAbstractItemView* NameList(QWidget* pWindow)
{
    return qobject_cast<QAbstractItemView*>(WidgetBinding::FindControl(pWindow, IDC_NAME_LIST));
}

// Clicks the name at nRow as a user does, and lets the window redraw.
void ClickName(QAbstractItemView* pList, int nRow)
{
    const QModelIndex index = pList->model()->index(nRow, 0);
    QTest::mouseClick(pList->viewport(), Qt::LeftButton, Qt::NoModifier, pList->visualRect(index).center());
    QCoreApplication::processEvents();
}

// Times a click on nClickedFromEnd after one on nFirstFromEnd (counted from
// the end: 0 is the last name), with the list scrolled to its end.
void TimeSecondClick(benchmark::State& state, int nFirstFromEnd, int nClickedFromEnd)
{
    const int nRecords = static_cast<int>(state.range(0));
    WriteDirectory(nRecords);
    RunInMainWindow([&](QWidget* pWindow) {
        QAbstractItemView* list = NameList(pWindow);
        list->scrollToBottom();
        QCoreApplication::processEvents();
        for (auto _ : state) {
            state.PauseTiming();
            ClickName(list, nRecords - 1 - nFirstFromEnd);
            state.ResumeTiming();
            ClickName(list, nRecords - 1 - nClickedFromEnd);
        }
        if (list->currentIndex().row() != nRecords - 1 - nClickedFromEnd)
            state.SkipWithError("the click did not select the name");
    });
}

void BM_ClickLastName(benchmark::State& state)
{
    TimeSecondClick(state, 1, 0);
}

void BM_ClickNameAboveLast(benchmark::State& state)
{
    TimeSecondClick(state, 0, 1);
}

// Typing a letter no name begins with: the list looks at every entry for
// one that does.
void BM_TypeAheadWithoutMatch(benchmark::State& state)
{
    WriteDirectory(static_cast<int>(state.range(0)));
    RunInMainWindow([&](QWidget* pWindow) {
        QAbstractItemView* list = NameList(pWindow);
        list->setFocus();
        for (auto _ : state) {
            QTest::keyClick(list, Qt::Key_Z);
            state.PauseTiming();
            list->keyboardSearch(QString());   // forget the typed text
            QTest::qWait(0);
            state.ResumeTiming();
        }
    });
}

}   // namespace

BENCHMARK(BM_Load)->Arg(0)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenMainWindow)->Arg(0)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickLastName)->Arg(1000000)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickNameAboveLast)->Arg(1000000)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeAheadWithoutMatch)->Arg(1000000)->Iterations(5)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    UseOffscreenPlatformUnlessChosen();
    QApplication application(argc, argv);
    CWinApp::StartFramework(argv[0]);

    ScratchDirectory scratch;   // the main window reads "Dialstack.dat" here
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
