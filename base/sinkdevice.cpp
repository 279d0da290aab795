#include "base/sinkdevice.h"

TSinkDevice::TSinkDevice(const safewrite::TSink& sink, QObject* parent)
    : QIODevice(parent), sink_(sink) {}

qint64 TSinkDevice::readData(char*, qint64) {
    return -1;
}

qint64 TSinkDevice::writeData(const char* data, qint64 size) {
    if (failed_) return -1;
    if (size > 0 && !sink_(QByteArrayView(data, size))) {
        failed_ = true;
        setErrorString(QStringLiteral("write failed"));
        return -1;
    }
    return size;
}
