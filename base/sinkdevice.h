#pragma once
// A write-only device whose writes go to a safe writer's sink, for producers
// that write to a QIODevice (the PDF writer). Once the sink refuses a block,
// every later write fails too, and Failed() says so.
#include "base/safewriter.h"

#include <QIODevice>

class TSinkDevice : public QIODevice {
public:
    explicit TSinkDevice(const safewrite::TSink& sink, QObject* parent = nullptr);
    bool Failed() const { return failed_; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    const safewrite::TSink& sink_;
    bool failed_ = false;
};
