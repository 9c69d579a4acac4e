// Speed and memory of the data files at the sizes a heavy user reaches: 100,000 items (about
// 25 MB), 10,000 catalogs, and for memory 300,000 catalogs (about 23 MB). Prints one GOAL line
// per goal after the benchmark table.
#include "data/CatalogData.h"
#include "data/CatalogTree.h"
#include "data/CatalogsFile.h"
#include "data/FileAccess.h"
#include "data/ItemsFile.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <string>
#include <unistd.h>

namespace {
// Heap use of the process, for the peak of a load.
std::atomic<size_t> g_heapNow{0};
std::atomic<size_t> g_heapPeak{0};

std::string g_folder;
std::string ItemsPath()
{
    return g_folder + "/Shortcut2.dat";
}

std::string CatalogsPath()
{
    return g_folder + "/Shortcut2.clg";
}

std::string Guid(size_t n)
{
    char text[40];
    std::snprintf(text, sizeof(text), "%08zX-0000-4000-8000-%012zX", n, n * 7919);
    return text;
}

ItemList MakeItems(size_t count)
{
    ItemList items;
    for (size_t i = 0; i < count; ++i) {
        ShortcutItem item;
        item.Name = "Program number " + std::to_string(i);
        item.ShortName = "pn" + std::to_string(i % 1000);
        if (i % 3 == 0) {
            item.Hotkey1 = "Ctrl";
            item.Hotkey2 = "F" + std::to_string(i % 12 + 1);
        }
        item.Description =
            "A program installed with its suite; started from the quick-launch window by its short name " +
            std::to_string(i);
        item.guid = Guid(i);
        item.ExePath = "C:\\Program Files\\Vendor " + std::to_string(i % 97) + "\\Suite\\Component\\bin\\application-" +
                       std::to_string(i) + ".exe";
        items.Append(std::move(item));
    }
    return items;
}

std::string MakeCatalogs(size_t count)
{
    CatalogTree tree;
    std::vector<CatalogId> nodes;
    for (size_t i = 0; i < count; ++i) {
        CatalogId parent = i < 50 ? CatalogTree::kRoot : nodes[(i * 31) % nodes.size()];
        std::string data = Guid(i + 1000000) + "|";
        for (size_t k = 0; k < 8; ++k)
            data += (k ? "," : "") + std::to_string((i * 8 + k) % 100000);
        nodes.push_back(tree.Add(parent, "Catalog " + std::to_string(i), data));
    }
    return tree.Format();
}

void LoadItemsFile(benchmark::State& state)
{
    for (auto _ : state) {
        ItemList items;
        LoadItems(ItemsPath(), items);
        benchmark::DoNotOptimize(items.Count());
        // Freeing the list is not part of loading it.
        state.PauseTiming();
        items.Clear();
        state.ResumeTiming();
    }
}

void SaveItemsFile(benchmark::State& state)
{
    ItemList items;
    LoadItems(ItemsPath(), items);
    const std::string path = g_folder + "/saved.dat";
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveItems(path, items));
}

void ParseCatalogsText(benchmark::State& state)
{
    const std::string text = MakeCatalogs(10000);
    for (auto _ : state) {
        CatalogTree tree = CatalogTree::FromRecords(ParseCatalogs(text).records);
        benchmark::DoNotOptimize(tree.Count());
    }
}

// Many small catalogs, the shape that costs most memory beside the file: a number as the name,
// a NodeID and no items.
std::string MakeBareCatalogs(size_t count)
{
    CatalogTree tree;
    std::vector<CatalogId> nodes;
    for (size_t i = 0; i < count; ++i) {
        CatalogId parent = i < 50 ? CatalogTree::kRoot : nodes[(i * 31) % nodes.size()];
        nodes.push_back(tree.Add(parent, std::to_string(i), Guid(i + 2000000)));
    }
    return tree.Format();
}

// The peak of the heap while `load` runs, counted from what was in use before, in MB.
template <typename Load> double PeakMb(Load load)
{
    size_t before = g_heapNow.load();
    g_heapPeak = before;
    load();
    return static_cast<double>(g_heapPeak.load() - before) / (1024 * 1024);
}

BENCHMARK(LoadItemsFile)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(SaveItemsFile)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ParseCatalogsText)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Keeps each benchmark's time per iteration in milliseconds.
class GoalReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

void PrintGoal(const char* name, double measured, double limit, const char* unit)
{
    std::printf("GOAL %s %.1f %.1f %s %s\n", name, measured, limit, unit, measured <= limit ? "PASS" : "MISS");
}
} // namespace

void* operator new(size_t size)
{
    void* block = std::malloc(size + sizeof(size_t) * 2);
    if (block == nullptr)
        throw std::bad_alloc();
    *static_cast<size_t*>(block) = size;
    size_t now = g_heapNow += size;
    size_t peak = g_heapPeak.load();
    while (now > peak && !g_heapPeak.compare_exchange_weak(peak, now)) {
    }
    return static_cast<size_t*>(block) + 2;
}

void operator delete(void* pointer) noexcept
{
    if (pointer == nullptr)
        return;
    size_t* block = static_cast<size_t*>(pointer) - 2;
    g_heapNow -= *block;
    std::free(block);
}

void operator delete(void* pointer, size_t) noexcept
{
    operator delete(pointer);
}

int main(int argc, char** argv)
{
    char folder[] = "/tmp/tavbenchXXXXXX";
    if (mkdtemp(folder) == nullptr)
        return 1;
    g_folder = folder;
    SaveItems(ItemsPath(), MakeItems(100000));
    const double fileMb = static_cast<double>(FileSizeOf(ItemsPath())) / (1024 * 1024);
    std::printf("items file: %.1f MB\n", fileMb);

    benchmark::Initialize(&argc, argv);
    GoalReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const double peakMb = PeakMb([] {
        ItemList items;
        LoadItems(ItemsPath(), items);
    });

    SaveCatalogsText(CatalogsPath(), MakeBareCatalogs(300000));
    const double catalogsMb = static_cast<double>(FileSizeOf(CatalogsPath())) / (1024 * 1024);
    size_t loadedCatalogs = 0;
    const double catalogsPeakMb = PeakMb([&loadedCatalogs] {
        CatalogTree tree;
        LoadCatalogTree(CatalogsPath(), tree);
        loadedCatalogs = tree.Count();
    });
    std::printf("catalogs file: %.1f MB, %zu catalogs\n", catalogsMb, loadedCatalogs);

    std::remove((g_folder + "/saved.dat").c_str());
    std::remove(ItemsPath().c_str());
    std::remove(CatalogsPath().c_str());
    rmdir(folder);

    PrintGoal("items_load_100k", reporter.times["LoadItemsFile/min_time:1.000"], 60, "ms");
    PrintGoal("items_save_100k", reporter.times["SaveItemsFile/min_time:1.000"], 120, "ms");
    PrintGoal("catalogs_parse_10k", reporter.times["ParseCatalogsText/min_time:1.000"], 10, "ms");
    PrintGoal("items_load_peak_memory", peakMb, 3 * fileMb, "MB");
    PrintGoal("catalogs_load_peak_memory", catalogsPeakMb, 3 * catalogsMb, "MB");
    return 0;
}
