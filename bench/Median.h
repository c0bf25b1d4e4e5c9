#pragma once

#include <QElapsedTimer>
#include <QList>

#include <algorithm>

// The median of several runs in milliseconds: one slow run on a shared machine does not move it.
template <typename F>
double medianMs(int runs, F &&work)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times << t.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
