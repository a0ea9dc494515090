// The window in a fresh process, as a user starts it, beside a bare Qt main
// window with a menu bar started the same way in the same run:
// - start-up: from the fork to the window shown and painted, then exit;
// - the first list of the benchmarks' data file of 1,000,000 records: the
//   window's peak resident memory and the time of its start-up routine, whose
//   end is the list, beside the store's list of the same file alone.
// Each child writes its figures into a file; the peak is the process's own
// ("VmHWM"), which the rusage of a forked child would mix with this one's.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <chrono>
#include <cstring>
#include <fstream>
#include <vector>

#include "bench/store/sample_file.h"
#include "store/record_list.h"
#include "store/whole_file.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

namespace {

constexpr int kRecords = 1000000;
constexpr char kBare[] = "--bare";
constexpr char kWindow[] = "--window";
constexpr char kStoreList[] = "--store-list";

// What a child reports: its peak resident memory and the milliseconds of the
// part it times.
struct ChildFigures {
    double seconds = 0;
    double peakKilobytes = 0;
    double partMs = 0;
};

long PeakKilobytesOfThisProcess()
{
    const std::string status = ReadWholeFile("/proc/self/status").value_or(std::string());
    const std::size_t at = status.find("VmHWM:");
    return at == std::string::npos ? 0 : std::stol(status.substr(at + 6));
}

void WriteFigures(const char* file, double partMs)
{
    std::ofstream(file) << PeakKilobytesOfThisProcess() << ' ' << partMs;
}

std::string FiguresFile() { return BenchTempFile("tolvazen_bench_window.figures"); }

ChildFigures Run(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "/proc/self/exe");
    arguments.push_back(FiguresFile());
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ChildFigures figures;
    figures.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::ifstream(FiguresFile()) >> figures.peakKilobytes >> figures.partMs;
    std::filesystem::remove(FiguresFile());
    return figures;
}

// A folder with the settings file naming `data`, a copy of the given file or
// the one sample record of a first start.
class DataFolder {
public:
    explicit DataFolder(const std::string& name, const SampleFile* data)
        : path_(BenchTempFile(name))
    {
        std::filesystem::create_directories(path_);
        std::ofstream(path_ / "tolvazen.ini", std::ios::binary) << "tolvazen.dat\r\n";
        if (data)
            std::filesystem::create_symlink(data->Name(), path_ / "tolvazen.dat");
        else
            std::ofstream(path_ / "tolvazen.dat", std::ios::binary)
                << RecordText(SampleState(1), kReadings, "05.03.2007", "14:27");
    }
    ~DataFolder() { std::filesystem::remove_all(path_); }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

void BM_StartUpBesideABareMainWindow(benchmark::State& state)
{
    const DataFolder folder("tolvazen_bench_start", nullptr);
    double window = 0, bare = 0;
    for (auto _ : state) {
        const ChildFigures w = Run({kWindow, folder.Path()});
        const ChildFigures b = Run({kBare});
        state.SetIterationTime(w.seconds);
        window += w.seconds;
        bare += b.seconds;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["bare_ms"] = 1000 * bare / runs;
    state.counters["ratio_to_bare"] = window / bare;
}
BENCHMARK(BM_StartUpBesideABareMainWindow)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

void BM_FirstListOfAMillionRecords(benchmark::State& state)
{
    static const SampleFile file(kRecords);
    const DataFolder folder("tolvazen_bench_list", &file);
    ChildFigures window, store;
    for (auto _ : state) {
        window = Run({kWindow, folder.Path()});
        store = Run({kStoreList, file.Name()});
        state.SetIterationTime(window.partMs / 1000);
    }
    state.counters["peak_MB"] = window.peakKilobytes / 1024;
    state.counters["store_ms"] = store.partMs;
    state.counters["store_peak_MB"] = store.peakKilobytes / 1024;
    state.counters["ratio_to_store"] = window.partMs / store.partMs;
}
BENCHMARK(BM_FirstListOfAMillionRecords)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// The children: each does its part and writes its figures into the file
// named last.
int BareMainWindow(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Файл"))->addAction(QStringLiteral("Выход"));
    window.resize(600, 400);
    window.show();
    const bool shown = QTest::qWaitForWindowExposed(&window);
    WriteFigures(argv[argc - 1], 0);
    return shown ? 0 : 1;
}

int MainWindow(int argc, char** argv)
{
    if (chdir(argv[2]) != 0)
        return 1;
    QApplication application(argc, argv);
    Form1 = new TForm1();
    Form2 = new TForm2(Form1);
    Form3 = new TForm3(Form1);
    QElapsedTimer startUp;
    startUp.start();
    Form1->show();
    const double startUpMs = static_cast<double>(startUp.nsecsElapsed()) / 1e6;
    Form1->activateWindow();
    const bool shown = QTest::qWaitForWindowExposed(Form1);
    WriteFigures(argv[argc - 1], startUpMs);
    delete Form1;
    return shown ? 0 : 1;
}

int StoreList(char** argv)
{
    const auto start = std::chrono::steady_clock::now();
    const bool listed = !ListRecordEntries(argv[2]).empty();
    WriteFigures(argv[3], std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    return listed ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], kBare) == 0)
        return BareMainWindow(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], kWindow) == 0)
        return MainWindow(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], kStoreList) == 0)
        return StoreList(argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
