#pragma once
// The program's windows, created in this order: the main window first (the
// dialogs copy pictures from it), then the configuration dialog, the message
// dialog, the About box, the spelling dialog and the conversion dialog. The
// main window's start-up (FormCreate) runs once they all exist, so the message
// dialog can already report during it.
#include <QStringList>

class QWidget;
class TMain;

class TProgram {
public:
    explicit TProgram(const QStringList& arguments);
    ~TProgram();
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    TMain* Main() const { return main_; }
    // The class names of the windows in the order they were created.
    const QStringList& CreationOrder() const { return order_; }

private:
    void Created(QWidget* window);

    TMain* main_ = nullptr;
    QWidget* windows_[6] = {};
    QStringList order_;
};
