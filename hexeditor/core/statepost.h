#pragma once
// Deferred state-change notification: each Post() queues one event on the Qt
// event loop, and each event calls the handler once (posts are never merged).
#include <QObject>
#include <functional>

class TStatePoster : public QObject {
public:
    explicit TStatePoster(std::function<void()> deliver);
    void Post();
    bool event(QEvent* e) override;

private:
    std::function<void()> deliver_;
};
