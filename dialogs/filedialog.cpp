#include "dialogs/filedialog.h"

#include "dialogs/dialogseam.h"

bool TFileDialog::Execute(QWidget* parent) {
    const std::optional<QString> chosen =
        Kind == Open ? seam::OpenFileName(parent, Title, FileName, Filter, DefaultExt)
                     : seam::SaveFileName(parent, Title, FileName, Filter, DefaultExt);
    if (!chosen) return false;
    FileName = *chosen;
    return true;
}
