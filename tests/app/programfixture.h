#pragma once
// The program started the way its entry starts it, with every modal step
// answered by a script, and small helpers to read what the user sees.
#include "base/cp1250.h"
#include "dialogs/dialogseam.h"
#include "app/edytorwidget.h"
#include "app/gradient.h"
#include "app/mein.h"
#include "app/program.h"
#include "app/statuspanels.h"
#include "app/textcontrol.h"
#include "hexeditor/widget/thexeditor.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

class ProgramTest : public ::testing::Test {
protected:
    void Start(const QStringList& arguments = {}) {
        // Every test starts as on a first start: no settings from an earlier test.
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                      QStringLiteral("/Vorbix.ini"));
        program = std::make_unique<TProgram>(arguments);
        main = program->Main();
        main->show();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        Settle();
    }
    // Lets posted notifications (the hex editor's state changes) arrive.
    static void Settle() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    void TearDown() override {
        if (main) main->hide();
        program.reset();
    }

    QString TextPanel(int i) const { return main->Informator->PanelText(i); }
    QString HexPanel(int i) const { return main->StatusBar1->PanelText(i); }
    TTextControl& Editor() const { return *main->Edytor; }
    void Type(const QString& text) { QTest::keyClicks(main->Edytor->Widget(), text); }
    // Messages shown through the message dialog, as "caption|text".
    QStringList Messages() const {
        QStringList out;
        for (const auto& r : dialogs.Asked(seam::Kind::Message))
            out << r.caption + "|" + r.text;
        return out;
    }

    seam::ScriptedDialogs dialogs; // declared first: outlives the program
    std::unique_ptr<TProgram> program;
    TMain* main = nullptr;
};

// The Windows-1250 bytes of a text.
inline QByteArray Cp1250(const QString& text) {
    return cp1250::Encode(text);
}

inline const QString kUnknownError =
    QStringLiteral("Nieznany błąd|Wystąpił nieznany błąd programu.");
