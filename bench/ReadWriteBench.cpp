// Each reader and writer on the tables of a large server, beside its
// baseline: a plain pass over the same bytes counting parentheses for a
// reader, writing lines of the same lengths for a writer, and the
// regenerating save of the same table for a layout-keeping save of a table
// as read. A summary of the ratios follows the benchmark's own report; the
// exit status is 1 when a ratio is over its bound.

#include "ServerSizeData.h"

#include "items/InitItemReader.h"
#include "items/ItemNamesReader.h"
#include "monsters/InitMonsterReader.h"
#include "monsters/InitMonsterWriter.h"
#include "monsters/MonsterNamesReader.h"
#include "portals/EtcReader.h"
#include "portals/EtcWriter.h"
#include "spawns/GenMonsterReader.h"
#include "spawns/GenMonsterWriter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {
constexpr double kBound = 3.0;
constexpr double kKeepBound = 2.0;

double boundOf(const std::string& name) {
    return name.ends_with("/keep") ? kKeepBound : kBound;
}

// The bytes of a regenerating save: every line followed by CR LF.
std::string SavedBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

long long CountParentheses(std::string_view bytes) {
    long long depth = 0;
    for (const char c : bytes) {
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        }
    }
    return depth;
}

// Lines of the given lengths, copied from a buffer as long as the longest.
std::vector<std::string> WriteSameBytes(const std::vector<std::size_t>& lengths, std::string_view source) {
    std::vector<std::string> lines;
    lines.reserve(lengths.size());
    for (const std::size_t length : lengths) {
        lines.emplace_back(source.substr(0, length));
    }
    return lines;
}

struct Inputs {
    std::unique_ptr<MonsterTable> monsters = server_size::Monsters();
    std::unique_ptr<SpawnTable> spawns = server_size::Spawns();
    std::unique_ptr<PortalTable> portals = server_size::Portals();
    std::unique_ptr<GotoTable> gotos = server_size::Gotos();
    std::string initMonster = server_size::InitMonsterBytes(*monsters);
    std::string monsterNames = server_size::MonsterNameBytes();
    std::string initItem = server_size::InitItemBytes();
    std::string itemNames = server_size::ItemNameBytes();
    std::string genMonster = server_size::GenMonsterBytes(*spawns);
    std::string etc = server_size::EtcBytes(*gotos, *portals);
};

const Inputs& inputs() {
    static const Inputs all;
    return all;
}

void registerReader(const std::string& name, const std::string& bytes,
                    const std::function<void(std::string_view)>& read) {
    benchmark::RegisterBenchmark(("read/" + name).c_str(), [&bytes, read](benchmark::State& state) {
        for (auto _ : state) {
            read(bytes);
            benchmark::ClobberMemory();
        }
        state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    });
    benchmark::RegisterBenchmark(("baseline/read/" + name).c_str(), [&bytes](benchmark::State& state) {
        for (auto _ : state) {
            benchmark::DoNotOptimize(CountParentheses(bytes));
        }
        state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    });
}

void registerWriter(const std::string& name, const std::function<std::vector<std::string>()>& write) {
    const std::vector<std::string> sample = write();
    std::vector<std::size_t> lengths;
    std::size_t total = 0;
    std::size_t longest = 0;
    for (const std::string& line : sample) {
        lengths.push_back(line.size());
        total += line.size();
        longest = std::max(longest, line.size());
    }
    benchmark::RegisterBenchmark(("write/" + name).c_str(), [write, total](benchmark::State& state) {
        for (auto _ : state) {
            benchmark::DoNotOptimize(write());
        }
        state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * total));
    });
    benchmark::RegisterBenchmark(
        ("baseline/write/" + name).c_str(),
        [lengths, source = std::string(longest, 'x'), total](benchmark::State& state) {
            for (auto _ : state) {
                benchmark::DoNotOptimize(WriteSameBytes(lengths, source));
            }
            state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * total));
        });
}

// "write/<name>/keep": the layout-keeping save of a table as read, beside the
// regenerating save of the same table.
void registerKeep(const std::string& name, const std::function<std::string()>& keep,
                  const std::function<std::string()>& regenerate) {
    benchmark::RegisterBenchmark(("write/" + name + "/keep").c_str(), [keep](benchmark::State& state) {
        for (auto _ : state) {
            benchmark::DoNotOptimize(keep());
        }
    });
    benchmark::RegisterBenchmark(("baseline/write/" + name + "/keep").c_str(),
                                 [regenerate](benchmark::State& state) {
                                     for (auto _ : state) {
                                         benchmark::DoNotOptimize(regenerate());
                                     }
                                 });
}

void registerAll() {
    const Inputs& in = inputs();
    static auto monsterTable = std::make_unique<MonsterTable>();
    static auto nameTable = std::make_unique<MonsterNameTable>();
    static auto itemTable = std::make_unique<ItemTable>();
    static auto itemNameTable = std::make_unique<ItemNameTable>();
    static auto spawnTable = std::make_unique<SpawnTable>();
    static auto portalTable = std::make_unique<PortalTable>();
    static auto gotoTable = std::make_unique<GotoTable>();
    static auto otherEtcRecords = std::make_unique<EtcOtherRecords>();

    registerReader("InitMonster", in.initMonster, [](std::string_view bytes) {
        benchmark::DoNotOptimize(ParseInitMonster(bytes, *monsterTable));
    });
    registerReader("MonsterNames", in.monsterNames, [](std::string_view bytes) {
        benchmark::DoNotOptimize(ParseMonsterNames(bytes, *nameTable));
    });
    registerReader("InitItem", in.initItem, [](std::string_view bytes) {
        benchmark::DoNotOptimize(ParseInitItem(bytes, *itemTable));
    });
    registerReader("ItemNames", in.itemNames, [](std::string_view bytes) {
        benchmark::DoNotOptimize(ParseItemNames(bytes, *itemNameTable));
    });
    registerReader("GenMonster", in.genMonster, [](std::string_view bytes) {
        benchmark::DoNotOptimize(ParseGenMonster(bytes, *spawnTable));
    });
    registerReader("Etc", in.etc, [](std::string_view bytes) {
        benchmark::DoNotOptimize(ReadEtc(bytes, *portalTable, *gotoTable, *otherEtcRecords));
    });

    registerWriter("InitMonster", [&in] { return InitMonsterLines(*in.monsters); });
    registerWriter("GenMonster", [&in] { return GenMonsterLines(*in.spawns); });
    registerWriter("Etc", [&in] { return EtcLines(*in.gotos, *in.portals, {}); });

    static auto readMonsters = std::make_unique<MonsterTable>();
    static auto readSpawns = std::make_unique<SpawnTable>();
    static auto readPortals = std::make_unique<PortalTable>();
    static auto readGotos = std::make_unique<GotoTable>();
    static auto readOthers = std::make_unique<EtcOtherRecords>();
    ParseInitMonster(in.initMonster, *readMonsters);
    ParseGenMonster(in.genMonster, *readSpawns);
    ReadEtc(in.etc, *readPortals, *readGotos, *readOthers);
    registerKeep(
        "InitMonster", [&in] { return InitMonsterKeepingLayout(in.initMonster, *readMonsters); },
        [] { return SavedBytes(InitMonsterLines(*readMonsters)); });
    registerKeep(
        "GenMonster", [&in] { return GenMonsterKeepingLayout(in.genMonster, *readSpawns); },
        [] { return SavedBytes(GenMonsterLines(*readSpawns)); });
    registerKeep(
        "Etc", [&in] { return EtcKeepingLayout(in.etc, *readGotos, *readPortals); },
        [] { return SavedBytes(EtcLines(*readGotos, *readPortals, *readOthers)); });
}

// Keeps the CPU time of every run for the summary: other work on the machine
// stretches the real time of a run, not its CPU time.
class SummaryReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                nanoseconds_[run.benchmark_name()] = run.GetAdjustedCPUTime();
            }
        }
    }

    // Prints one line per measured pair; returns whether every ratio is within its bound.
    bool PrintSummary() const {
        bool within = true;
        std::printf("\n%-24s %14s %14s %8s\n", "server size", "time (us)", "baseline (us)", "ratio");
        for (const auto& [name, time] : nanoseconds_) {
            if (name.starts_with("baseline/")) {
                continue;
            }
            const auto baseline = nanoseconds_.find("baseline/" + name);
            if (baseline == nanoseconds_.end() || baseline->second <= 0) {
                continue;
            }
            const double ratio = time / baseline->second;
            const bool ok = ratio <= boundOf(name);
            within = within && ok;
            std::printf("%-24s %14.1f %14.1f %7.1fx%s\n", name.c_str(), time / 1000.0,
                        baseline->second / 1000.0, ratio, ok ? "" : "  over the bound");
        }
        std::printf("bound: %.0fx the baseline, %.0fx the regenerating save for a layout-keeping one\n",
                    kBound, kKeepBound);
        return within;
    }

  private:
    std::map<std::string, double> nanoseconds_;
};
} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    registerAll();
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.PrintSummary() ? 0 : 1;
}
