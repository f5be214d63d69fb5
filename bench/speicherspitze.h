#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

// Samples the resident size every 20 ms from construction to `ende()`, so that a benchmark
// sees the peak of its own work and not one that came before it.
class TSpeicherSpitze {
public:
    TSpeicherSpitze() : statm(QStringLiteral("/proc/self/statm")) {
        if (!statm.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return;
        vorher = hoechst = aktuellMB();
        messer = std::thread([this] {
            while (!fertig) {
                hoechst = std::max(hoechst.load(), aktuellMB());
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
    }
    ~TSpeicherSpitze() { ende(); }

    bool geht() const { return statm.isOpen(); }
    // Stops sampling; the growth over the size at construction, in MB.
    double ende() {
        fertig = true;
        if (messer.joinable())
            messer.join();
        return hoechst - vorher;
    }

private:
    double aktuellMB() {
        statm.seek(0);
        const QList<QByteArray> teile = statm.readAll().split(' ');
        return teile.size() > 1 ? teile[1].toDouble() * 4096.0 / (1024.0 * 1024.0) : 0;
    }

    QFile statm;
    double vorher = 0;
    std::atomic<double> hoechst = 0;
    std::atomic<bool> fertig = false;
    std::thread messer;
};
