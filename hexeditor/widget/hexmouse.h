#pragma once
// Mouse selection in the hex grid: a left press puts the caret on a cell and
// starts selecting, dragging extends the selection, and while the pointer is
// outside the cells a 60 ms timer scrolls one step toward it.
#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>

class THexModel;
class IHexGrid;

class THexMouse : public QObject {
public:
    static constexpr int kScrollIntervalMs = 60;

    THexMouse(THexModel& model, IHexGrid& grid);

    void Press(Qt::MouseButton button, QPoint point, bool doubleClick);
    void Move(QPoint point);
    void Release(Qt::MouseButton button);

    bool LeftHeld() const { return leftHeld_; }
    bool Dragging() const { return dragging_; }
    // One step of the auto-scroll timer (public for tests).
    void Tick();

    std::function<void()> OnDoubleClick;

private:
    bool InCells(QPoint point, int& col, int32_t& row) const;
    void EndDrag();

    THexModel& model_;
    IHexGrid& grid_;
    QTimer timer_;
    bool leftHeld_ = false;
    bool dragging_ = false;
    QPoint pointer_;
    int lastCol_ = -1;
    int32_t lastRow_ = -1;
};
