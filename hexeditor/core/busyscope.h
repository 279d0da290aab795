#pragma once
// The one busy scope: the busy cursor for the lifetime of a scope around a
// long operation, restored also when the scope is left by an exception.
#include "hexeditor/core/hexmodel.h"

// Busy cursor for the lifetime of a scope, also when it is left by an
// exception; inactive when the operation is too small to need it.
class TBusyScope {
public:
    explicit TBusyScope(const THexModel& model, bool active = true)
        : model_(active ? &model : nullptr) {
        if (model_) model_->BeginBusy();
    }
    ~TBusyScope() {
        if (model_) model_->EndBusy();
    }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

private:
    const THexModel* model_;
};
