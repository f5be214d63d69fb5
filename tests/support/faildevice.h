#pragma once

#include <QBuffer>

// A buffer that accepts `grenze` bytes and then refuses every further byte, as a full
// disk does.
class TFailDevice : public QBuffer {
public:
    explicit TFailDevice(qint64 grenze) : rest(grenze) {}

protected:
    qint64 writeData(const char* data, qint64 len) override {
        const qint64 n = std::min(len, rest);
        if (n <= 0)
            return 0;
        rest -= n;
        return QBuffer::writeData(data, n);
    }

private:
    qint64 rest;
};
