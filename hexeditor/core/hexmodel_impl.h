#pragma once
// Private state of THexModel, shared by its source files.
#include "hexeditor/core/changedmarks.h"
#include "hexeditor/core/hexmodel.h"
#include "hexeditor/core/statepost.h"
#include "hexeditor/core/undojournal.h"
#include "hexeditor/core/workfile.h"

#include <array>
#include <limits>
#include <sys/types.h>
#include <vector>

struct THexModel::Impl {
    IHexView* view = nullptr;
    std::unique_ptr<TStatePoster> poster;

    // Document
    TWorkFile work;
    TChangedMarks marks;
    QString fileName = QStringLiteral("---");
    bool modified = false;
    bool fileReadOnly = true;
    bool createBackup = true;
    QString backupExtension = QStringLiteral(".bak");
    bool noSizeChange = false;
    bool allowInsertMode = false;
    // Identity of the file the document was loaded from or saved to, so that a
    // save under another spelling of the same path still counts as in place.
    bool haveSource = false;
    dev_t sourceDev = 0;
    ino_t sourceIno = 0;

    // Undo
    TUndoJournal journal;
    bool canUndo = false;
    QString undoDescription = QStringLiteral("No Undo");

    // Character column
    int translation = 0;
    bool maskWhiteSpaces = true;
    uint8_t maskChar = '.';
    bool swapNibbles = false;

    // Grid, caret, selection, markers
    int bpl = 16;
    THexCell caret;
    int32_t selAnchor = -1;
    int32_t selLow = -1;
    int32_t selHigh = -1;
    bool selecting = false;
    bool insertToggle = false;
    std::array<int32_t, 10> markers{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};

    // Display window
    std::vector<uint8_t> window = std::vector<uint8_t>(size_t(kDisplayWindowSize));
    int32_t windowStart = -1;
    int32_t windowValid = 0;
};

// Busy cursor for the lifetime of a scope, also when it is left by an exception.
class TBusyScope {
public:
    explicit TBusyScope(const THexModel& model) : model_(model) { model_.BeginBusy(); }
    ~TBusyScope() { model_.EndBusy(); }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

private:
    const THexModel& model_;
};

constexpr int64_t kMaxDataSize = std::numeric_limits<int32_t>::max();
