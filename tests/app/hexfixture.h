#pragma once
// The program with its hex tab in front and helpers to fill and read the hex document.
#include "tests/app/programfixture.h"
#include "tests/common/testenv.h"

#include <QAction>
#include <QMenu>

class HexProgramTest : public ProgramTest {
protected:
    void StartHex() {
        Start();
        main->PageControl1->setCurrentIndex(1);
        Settle();
    }
    THexEditor& Hex() const { return *main->HexEditor1; }
    // Opens a fresh file holding bytes, as the user's Open would.
    QString Open(const QByteArray& bytes) {
        static int n = 0;
        const QString path = testenv::ScratchPath(QStringLiteral("doc%1.bin").arg(++n));
        testenv::WriteFile(path, bytes);
        Hex().LoadFromFile(path);
        Settle();
        return path;
    }
    QByteArray Data() const {
        QByteArray out(Hex().DataSize(), '\0');
        Hex().ReadBlock(out.data(), 0, Hex().DataSize());
        return out;
    }
    // Runs a command the way its menu item does (enabling first, then the guard).
    void Run(QAction* action) {
        action->trigger();
        Settle();
    }
    void OpenMenu(QMenu* menu) {
        Q_EMIT menu->aboutToShow();
        Settle();
    }
    QStringList Inputs() const {
        QStringList out;
        for (const auto& r : dialogs.Asked(seam::Kind::Input))
            out << r.caption + "|" + r.text + "|" + r.value;
        return out;
    }
};
