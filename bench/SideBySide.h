#pragma once

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

// Times the product and its raw floor in turn, iteration after iteration, so that both
// see the same load of the machine; reports both medians and their ratio, and the
// product's 99th percentile. The benchmark's own time is the product's (manual time).
class SideBySide {
 public:
  // kWall: elapsed time. kCpu: the processor time of this thread and of the child
  // processes it waited for, which a loaded machine's scheduler does not stretch.
  enum class Clock { kWall, kCpu };

  explicit SideBySide(Clock clock = Clock::kWall) : clock_(clock) {}

  template <class Work>
  static double Seconds(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }

  template <class Work>
  void Floor(Work&& work) {
    floor_.push_back(Time(work));
  }

  template <class Work>
  void Product(benchmark::State& state, Work&& work) {
    const double seconds = Time(work);
    product_.push_back(seconds);
    state.SetIterationTime(seconds);
  }

  // Work that reads nothing has no floor: only the product's median is reported.
  void Report(benchmark::State& state) {
    if (product_.empty())
      return;
    const double product = Percentile(product_, 50);
    state.counters["product_us"] = product * 1e6;
    state.counters["p99_us"] = Percentile(product_, 99) * 1e6;
    if (floor_.empty())
      return;
    const double floor = Percentile(floor_, 50);
    state.counters["floor_us"] = floor * 1e6;
    state.counters["ratio"] = floor > 0 ? product / floor : 0;
  }

 private:
  static double CpuSeconds() {
    timespec thread{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &thread);
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec * 1e-6; };
    return thread.tv_sec + thread.tv_nsec * 1e-9 + seconds(children.ru_utime) +
           seconds(children.ru_stime);
  }

  template <class Work>
  double Time(Work&& work) const {
    if (clock_ == Clock::kWall)
      return Seconds(work);
    const double start = CpuSeconds();
    work();
    return CpuSeconds() - start;
  }

  static double Percentile(std::vector<double> samples, std::size_t percent) {
    const auto rank = samples.begin() + static_cast<long>(samples.size() * percent / 100);
    std::nth_element(samples.begin(), rank, samples.end());
    return *rank;
  }

  Clock clock_;
  std::vector<double> floor_;
  std::vector<double> product_;
};
