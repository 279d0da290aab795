#include "hexeditor/core/displaywindow.h"

#include "hexeditor/core/hexmodel.h"

#include <algorithm>

bool THexDisplayWindow::Current(const THexModel& model) const {
    return start_ != -1 && model_ == &model && version_ == model.DataVersion();
}

void THexDisplayWindow::Load(const THexModel& model, int32_t rowStart) {
    const int64_t w = start_;
    if (Current(model) && w <= rowStart && int64_t(rowStart) + model.BytesPerLine() <= w + kSize)
        return;
    const int32_t start = std::max(0, rowStart - kSize / 2);
    const int32_t n = int32_t(std::clamp<int64_t>(int64_t(model.DataSize()) - start, 0, kSize));
    model.ReadBlock(bytes_.data(), start, n);
    model_ = &model;
    version_ = model.DataVersion();
    start_ = start;
    valid_ = n;
}

uint8_t THexDisplayWindow::Byte(const THexModel& model, int32_t position) const {
    const int64_t w = start_;
    if (position >= w && position < w + valid_ && Current(model))
        return bytes_[size_t(position - w)];
    return model.ReadByte(position);
}

int32_t THexDisplayWindow::Start(const THexModel& model) const {
    return Current(model) ? start_ : -1;
}

void THexDisplayWindow::Drop() {
    start_ = -1;
    model_ = nullptr;
}
