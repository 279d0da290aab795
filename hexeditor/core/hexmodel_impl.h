#pragma once
// Private state of THexModel, shared by its source files.
#include "hexeditor/core/busyscope.h"
#include "hexeditor/core/changedmarks.h"
#include "hexeditor/core/hexmodel.h"
#include "hexeditor/core/hexselection.h"
#include "hexeditor/core/statepost.h"
#include "hexeditor/core/undojournal.h"
#include "hexeditor/core/workfile.h"

#include <array>
#include <limits>
#include <sys/types.h>

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
    THexGeometry geometry;
    THexCell caret;
    THexSelection sel; // written only through its own operations
    bool insertToggle = false;
    bool shiftHeld = false;
    bool leftButtonHeld = false;
    std::array<int32_t, 10> markers{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};

// Moves of more bytes than this are done under the busy cursor.
constexpr int64_t kBusyBytes = 8 << 20;

constexpr int64_t kMaxDataSize = std::numeric_limits<int32_t>::max();
