#include "hexeditor/core/statepost.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
QEvent::Type StateChangedType() {
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

class TStateChangedEvent : public QEvent {
public:
    TStateChangedEvent() : QEvent(StateChangedType()) {}
};
} // namespace

TStatePoster::TStatePoster(std::function<void()> deliver) : deliver_(std::move(deliver)) {}

void TStatePoster::Post() {
    // Without an event loop there is nobody to tell.
    if (QCoreApplication::instance()) QCoreApplication::postEvent(this, new TStateChangedEvent);
}

bool TStatePoster::event(QEvent* e) {
    if (e->type() == StateChangedType()) {
        if (deliver_) deliver_();
        return true;
    }
    return QObject::event(e);
}
