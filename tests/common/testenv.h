#pragma once
// Shared helpers for the test programs: a private HOME, scratch files.
#include <QByteArray>
#include <QString>

namespace testenv {

// Points HOME and the XDG folders at a fresh temporary folder so that no test
// ever reads or writes the user's real settings. Called once by the test main.
void IsolateHome();

// A scratch folder of this test process, removed at exit.
QString ScratchDir();

// A fresh path inside ScratchDir() (the file is not created).
QString ScratchPath(const QString& name);

QByteArray ReadFile(const QString& path);
void WriteFile(const QString& path, const QByteArray& bytes);

} // namespace testenv
