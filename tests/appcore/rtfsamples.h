#pragma once
// The RTF sample files kept with the tests.
#include <QFile>
#include <QString>

inline QByteArray RtfSample(const QString& name) {
    QFile f(QStringLiteral(VORBIX_TEST_DATA "/rtf/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
