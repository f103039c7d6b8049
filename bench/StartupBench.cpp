// Time from opening the main window on a directory file to the window being
// shown: the directory is loaded, the name list filled and the first
// record's details displayed. Runs headless on Qt's offscreen platform.

#include <string>

#include <QApplication>
#include <QTimer>
#include <benchmark/benchmark.h>

#include "app/DirectoryApp.h"
#include "data/RecordList.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/support/Headless.h"
#include "ui/DirectoryDlg.h"

namespace {

CDirectoryApp theApp;

void WriteDirectory(int nRecords)
{
    CRecordList list;
    list.Reset();
    for (int i = 0; i < nRecords; ++i) {
        const std::string n = std::to_string(i);
        list.Append(("Name " + n).c_str(), "a note", ("555 " + n).c_str(), "", ("person" + n + "@example.org").c_str());
    }
    list.Save();
}

void BM_OpenMainWindow(benchmark::State& state)
{
    WriteDirectory(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CDirectoryDlg dlg;
        // The first event the dialog's own loop handles comes once the
        // window is up.
        QTimer::singleShot(0, [&dlg] { dlg.EndDialog(IDCANCEL); });
        dlg.DoModal();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OpenMainWindow)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}   // namespace

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
