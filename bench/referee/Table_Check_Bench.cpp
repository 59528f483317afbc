// Checking the shipped table file, next to its peer: the table engine reading every table of the
// same file once (the table list, then each table found and cached). The check reports how long it
// took against that read, as the counter "x_engine_read" (its time divided by the read's).
#include "foundations/CommonUt.h"
#include "referee/Table_Check.h"
#include "referee/Tables.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>

namespace {
using namespace Vexlor;
namespace fs = std::filesystem;

double Thread_Seconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// A campaign folder holding the shipped table file, the working folder for the whole run.
class TCampaign {
  public:
    TCampaign()
        : Folder(fs::temp_directory_path() / ("vexlor_table_check_bench_" + std::to_string(::getpid()))) {
        fs::create_directories(Folder);
        fs::copy_file(fs::path(VEXLOR_DATA_FOLDER) / Table_File_Name, Folder / Table_File_Name,
                      fs::copy_options::overwrite_existing);
        fs::current_path(Folder);
    }
    ~TCampaign() {
        fs::current_path(fs::temp_directory_path());
        fs::remove_all(Folder);
    }
    TCampaign(const TCampaign&) = delete;
    TCampaign& operator=(const TCampaign&) = delete;

  private:
    fs::path Folder;
};

void Enter_Campaign() {
    static TCampaign campaign;
}

double& Engine_Read_Seconds() {
    static double seconds = 0;
    return seconds;
}

void Engine_Read_Every_Table(benchmark::State& state) {
    Enter_Campaign();
    std::size_t tables = 0;
    const double start = Thread_Seconds();
    for (auto _ : state) {
        TTable engine;
        std::vector<std::string> headers;
        Load_Table_List(Table_File_Name, headers);
        for (const std::string& header : headers) {
            int number = 0;
            if (Str_To_Int(header.substr(0, header.find('\t')), number) &&
                engine.Find_Table(number, Table_File_Name))
                ++tables;
        }
    }
    Engine_Read_Seconds() = (Thread_Seconds() - start) / static_cast<double>(state.iterations());
    state.counters["tables"] =
        benchmark::Counter(static_cast<double>(tables), benchmark::Counter::kAvgIterations);
}
BENCHMARK(Engine_Read_Every_Table)->Unit(benchmark::kMillisecond);

void Check_Shipped_Table_File(benchmark::State& state) {
    Enter_Campaign();
    std::size_t findings = 0;
    const double start = Thread_Seconds();
    for (auto _ : state) {
        TTable_Check check;
        Check_Table_File(Table_File_Name, check);
        findings += check.Findings.size();
    }
    const double seconds = (Thread_Seconds() - start) / static_cast<double>(state.iterations());
    if (Engine_Read_Seconds() > 0)
        state.counters["x_engine_read"] = seconds / Engine_Read_Seconds();
    state.counters["findings"] =
        benchmark::Counter(static_cast<double>(findings), benchmark::Counter::kAvgIterations);
}
BENCHMARK(Check_Shipped_Table_File)->Unit(benchmark::kMillisecond);

} // namespace
