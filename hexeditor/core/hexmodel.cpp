// The hex document's lifecycle: construction, properties, new, load and save.
#include "base/safewriter.h"
#include "hexeditor/core/hexmodel_impl.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using hexfile::Native;
using hexfile::TFd;

THexModel::THexModel(IHexView* view) : d(std::make_unique<Impl>()) {
    d->view = view;
    d->poster = std::make_unique<TStatePoster>([this] { Notify(); });
    // The name is taken now, exclusively; when the temporary folder refuses,
    // the first edit tries again and reports the failure.
    try {
        d->work.Ensure();
    } catch (const EHexEditorError&) {
    }
}

THexModel::~THexModel() = default; // the working file removes itself

void THexModel::SetView(IHexView* view) {
    d->view = view;
}

void THexModel::BeginBusy() const {
    if (d->view) d->view->BeginBusy();
}

void THexModel::EndBusy() const {
    if (d->view) d->view->EndBusy();
}

void THexModel::Repaint() const {
    if (d->view) d->view->InvalidateAll();
}

void THexModel::Notify() {
    if (OnStateChanged) {
        const auto handler = OnStateChanged; // the handler may replace itself
        handler();
    }
}

void THexModel::PostStateChanged() {
    d->poster->Post();
}

// ---- Document -----------------------------------------------------------------

int32_t THexModel::DataSize() const {
    return int32_t(d->work.Size());
}
uint64_t THexModel::DataVersion() const {
    return d->work.Version();
}
QString THexModel::FileName() const {
    return d->fileName;
}
QString THexModel::WorkFileName() const {
    return d->work.Path();
}
bool THexModel::Modified() const {
    return d->modified;
}
bool THexModel::FileReadOnly() const {
    return d->fileReadOnly;
}

void THexModel::SetFileReadOnly(bool value) {
    if (value == d->fileReadOnly) return;
    d->fileReadOnly = value;
    if (value) PostStateChanged();
}

bool THexModel::CreateBackup() const {
    return d->createBackup;
}
void THexModel::SetCreateBackup(bool value) {
    d->createBackup = value;
}
QString THexModel::BackupExtension() const {
    return d->backupExtension;
}
void THexModel::SetBackupExtension(const QString& value) {
    d->backupExtension = value;
}
bool THexModel::NoSizeChange() const {
    return d->noSizeChange;
}

void THexModel::SetNoSizeChange(bool value) {
    if (value == d->noSizeChange) return;
    d->noSizeChange = value;
    d->allowInsertMode = d->allowInsertMode && !value;
    PostStateChanged();
}

bool THexModel::AllowInsertMode() const {
    return d->allowInsertMode;
}

void THexModel::SetAllowInsertMode(bool value) {
    value = value && !d->noSizeChange;
    if (value == d->allowInsertMode) return;
    d->allowInsertMode = value;
    PostStateChanged();
}

void THexModel::EnsureWorkFile() {
    if (!d->work.IsOpen()) {
        d->work.Ensure();
        d->marks.Truncate(0);
    }
}

void THexModel::CreateEmptyFile(const QString& name) {
    if (d->work.IsOpen()) d->work.Resize(0);
    d->fileName = name;
    d->haveSource = false;
    d->modified = false;
    ClearUndo();
    ClearSelection(false);
    d->marks.Truncate(0);
    RecomputeGrid();
    d->fileReadOnly = true;
    MoveCaret(THexCell{});
    Repaint();
}

void THexModel::LoadFromFile(const QString& name) {
    // Probe: the file must be readable; whether it is writable decides FileReadOnly.
    d->fileReadOnly = true;
    const QByteArray name8 = Native(name);
    TFd src(::open(name8.constData(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (!src.Valid() || ::fstat(src.Get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_size > kMaxDataSize)
        return;
    const bool writable = TFd(::open(name8.constData(), O_RDWR | O_CLOEXEC)).Valid();

    bool copied = false;
    {
        TBusyScope busy(*this);
        // A fresh working file takes the copy; the current one is replaced only
        // when the copy succeeded, so a failure leaves the document whole.
        copied = d->work.ReplaceWithCopyOf(src.Get(), st.st_size);
    }
    if (!copied) {
        Repaint();
        return;
    }
    d->fileReadOnly = !writable;
    d->fileName = name;
    d->haveSource = true;
    d->sourceDev = st.st_dev;
    d->sourceIno = st.st_ino;
    d->modified = false;
    ClearUndo();
    d->marks.Truncate(0);
    ClearSelection(false);
    RecomputeGrid();
    d->sel.SetSelecting(false);
    MoveCaret(THexCell{});
    Repaint();
}

bool THexModel::SaveToFile(const QString& name) {
    TBusyScope busy(*this);
    bool ok = false;
    try {
        safewrite::TFileId target;
        const bool sameFile =
            name == d->fileName || (d->haveSource && safewrite::FileIdOf(name, target) &&
                                    target.dev == d->sourceDev && target.ino == d->sourceIno);
        if (d->createBackup && d->modified && sameFile &&
            !safewrite::MakeBackup(name, d->backupExtension)) {
            Repaint();
            return false;
        }
        EnsureWorkFile();
        safewrite::TFileId written;
        ok = safewrite::WriteFileSafely(d->work.Fd(), d->work.Size(), name, &written);
        if (ok) {
            d->marks.Truncate(0);
            d->modified = false;
            d->fileReadOnly = false;
            d->fileName = name;
            d->haveSource = true;
            d->sourceDev = written.dev;
            d->sourceIno = written.ino;
            ClearUndo();
        }
    } catch (const EHexEditorError&) {
        ok = false;
    }
    Repaint();
    return ok;
}

// ---- Character column properties ------------------------------------------------

int THexModel::Translation() const {
    return d->translation;
}

void THexModel::SetTranslation(int value) {
    if (value == d->translation) return;
    d->translation = value;
    Repaint();
}

bool THexModel::MaskWhiteSpaces() const {
    return d->maskWhiteSpaces;
}

void THexModel::SetMaskWhiteSpaces(bool value) {
    if (value == d->maskWhiteSpaces) return;
    d->maskWhiteSpaces = value;
    Repaint();
}

uint8_t THexModel::MaskChar() const {
    return d->maskChar;
}

void THexModel::SetMaskChar(uint8_t value) {
    if (value == d->maskChar) return;
    d->maskChar = value;
    Repaint();
}

bool THexModel::SwapNibbles() const {
    return d->swapNibbles;
}

void THexModel::SetSwapNibbles(bool value) {
    if (value == d->swapNibbles) return;
    d->swapNibbles = value;
    Repaint();
}
