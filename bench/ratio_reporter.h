// Runs the registered benchmarks and prints, after them, our time against the
// reference measured in the same run: for every run "BM_<op>_ours/<arg>" the
// run "BM_<op>_<reference>/<arg>", and their ratio (below 1: ours is faster).
// CPU time, not wall time: the machines that run this are shared; with
// repetitions the median is kept.
#pragma once
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class Ratio_Reporter : public benchmark::ConsoleReporter {
 public:
  Ratio_Reporter(std::string reference, std::string arg_label)
      : reference_(std::move(reference)), arg_label_(std::move(arg_label)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.run_type != Run::RT_Iteration && r.aggregate_name != "median") continue;
      std::string name = r.run_name.str();
      if (!times_.count(name)) order_.push_back(name);
      times_[name] = {r.GetAdjustedCPUTime(), benchmark::GetTimeUnitString(r.time_unit)};
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-12s %12s %14s %14s %8s\n", "operation", arg_label_.c_str(), "ours", reference_.c_str(), "ratio");
    const std::string ours_tag = "_ours/";
    for (const std::string& name : order_) {
      size_t at = name.find(ours_tag);
      if (name.rfind("BM_", 0) != 0 || at == std::string::npos) continue;
      std::string op = name.substr(3, at - 3), arg = name.substr(at + ours_tag.size());
      auto ref = times_.find("BM_" + op + "_" + reference_ + "/" + arg);
      if (ref == times_.end()) continue;
      const Time& ours = times_[name];
      std::printf("%-12s %12s %11.1f %-2s %11.1f %-2s %8.2f\n", op.c_str(), arg.c_str(), ours.value, ours.unit,
                  ref->second.value, ref->second.unit, ours.value / ref->second.value);
    }
  }

 private:
  struct Time {
    double value;
    const char* unit;
  };
  std::string reference_, arg_label_;
  std::map<std::string, Time> times_;
  std::vector<std::string> order_;
};

inline int run_with_ratios(int argc, char** argv, const char* reference, const char* arg_label) {
  benchmark::Initialize(&argc, argv);
  Ratio_Reporter reporter(reference, arg_label);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
