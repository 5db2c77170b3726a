// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

// The main function of a benchmark that needs widgets: Qt's offscreen platform unless QT_QPA_PLATFORM names
// another, then every benchmark registered.
inline int runWidgetBenchmarks(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
