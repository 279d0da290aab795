#pragma once
// The plain-text edit widget under the text control. It differs from
// QPlainTextEdit in four small ways: the window's menu shortcuts win over the
// editor's own (so a disabled menu item really stops its key), files dragged
// onto it are left to the window, Shift+Enter starts a new line like Enter
// (the text holds no line separators of its own), and every character typed,
// pasted, dropped or composed becomes one the Windows-1250 file can hold the
// moment it enters, so the screen always shows what a save writes.
#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>

class TEdytorWidget : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TEdytorWidget(QWidget* parent = nullptr);

    void SetReservedShortcuts(const QList<QKeySequence>& shortcuts);

    static bool HasLocalFiles(const QMimeData* mime);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    QList<QKeySequence> reserved_;
};
