#pragma once
// A real grid widget under the offscreen platform, loaded with given bytes.
#include "hexeditor/widget/thexeditor.h"
#include "tests/common/testenv.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

class HexWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor = std::make_unique<THexEditor>();
        QFont font(QStringLiteral("courier new"));
        font.setPixelSize(16);
        font.setFixedPitch(true);
        editor->setFont(font);
        editor->resize(800, 400);
        editor->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
    }
    void TearDown() override { editor.reset(); }

    // Loads bytes 0, 1, 2 ... (count of them), or the given bytes.
    void Load(int count) {
        QByteArray bytes;
        for (int i = 0; i < count; ++i)
            bytes.append(char(i & 0xFF));
        Load(bytes);
    }
    void Load(const QByteArray& bytes) {
        const QString path = testenv::ScratchPath(QStringLiteral("grid.bin"));
        testenv::WriteFile(path, bytes);
        editor->LoadFromFile(path);
        ASSERT_EQ(editor->DataSize(), bytes.size());
    }
    QByteArray Bytes() const {
        int32_t n = editor->DataSize();
        return n > 0 ? editor->BufferFromFile(0, n) : QByteArray();
    }
    void InsertModeOn() {
        editor->SetAllowInsertMode(true);
        if (!editor->InsertToggle()) QTest::keyClick(editor.get(), Qt::Key_Insert);
        ASSERT_TRUE(editor->InsertMode());
    }
    // Caret on a byte's first hex cell, its second hex cell or its character cell.
    void CaretToHex(int32_t p, bool second = false) {
        editor->MoveCaret(editor->Geometry().HexCell(p, second ? 1 : 0));
    }
    void CaretToChar(int32_t p) {
        const THexCell c = editor->PositionToCell(p, true);
        editor->MoveCaret(c.col, c.row);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(editor.get(), key, m);
    }
    void Type(const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(editor.get(), &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(editor.get(), &release);
        }
    }
    void ReleaseAlt() {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QApplication::sendEvent(editor.get(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QApplication::sendEvent(editor.get(), &release);
    }
    // The centre of a cell in viewport coordinates.
    QPoint CellCentre(int col, int32_t row) const { return editor->CellRect(col, row).center(); }
    QPoint CharCentre(int32_t p) const {
        const THexCell c = editor->PositionToCell(p, true);
        return CellCentre(c.col, c.row);
    }
    THexCell Cell() const { return editor->Caret(); }

    std::unique_ptr<THexEditor> editor;
};
