// The main() of the benchmarks that paint with Qt: an offscreen GUI
// application (unless QT_QPA_PLATFORM says otherwise), benchmarks that need
// it registered by `registerBenchmarks`, then Google Benchmark's run.
#pragma once

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <functional>

namespace sw::bench {

inline int RunQtBenchmarks(int argc, char** argv, const std::function<void()>& registerBenchmarks = {}) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (registerBenchmarks) registerBenchmarks();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace sw::bench
