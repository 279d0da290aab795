// The hex page's control HexEditor1 and the way the window configures it.
#include "dialogs/commandguard.h"
#include "app/mein.h"
#include "hexeditor/widget/thexeditor.h"

#include <QLayout>

void TMain::CreateHexEditor() {
    HexEditor1 = new THexEditor(TabSheet2);
    HexEditor1->setObjectName(QStringLiteral("HexEditor1"));
    TabSheet2->layout()->addWidget(HexEditor1);

    HexEditor1->SetBytesPerLine(16);
    HexEditor1->SetBytesPerColumn(2);
    HexEditor1->SetTranslation(ttAnsi);
    HexEditor1->SetCreateBackup(false);
    HexEditor1->SetBackupExtension(QStringLiteral(".bak"));
    HexEditor1->SetOffsetDisplay(odHex);
    HexEditor1->SetOffsetSeparator(':');
    HexEditor1->SetAllowInsertMode(true);
    HexEditor1->SetFocusFrame(false);

    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(12);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
    HexEditor1->setFont(font);
    HexEditor1->SetFontColor(clBlack);

    TColors* colors = HexEditor1->Colors();
    colors->SetBackground(clWindow);
    colors->SetPositionBackground(clMaroon);
    colors->SetPositionText(clRed);
    colors->SetChangedBackground(clWindow);
    colors->SetChangedText(clRed);
    colors->SetCursorFrame(clBlack);
    colors->SetOffset(clBlack);
    colors->SetOddColumn(clBlue);
    colors->SetEvenColumn(clNavy);

    HexEditor1->viewport()->setCursor(Qt::IBeamCursor);

    HexEditor1->OnStateChanged = [this] { RunGuarded([this] { HexEditor1StateChanged(); }); };
    HexEditor1->OnKeyDown = [this](int& key, Qt::KeyboardModifiers shift) {
        RunGuarded([&] { HexEditor1KeyDown(key, shift); });
    };
}
