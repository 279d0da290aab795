// The hex tab's "&Edycja" commands and the conversion of "&Plik". Enabling
// (Bearbeiten1Click) runs each time the menu opens and before a shortcut's command.
#include "app/mein.h"
#include "app/menuenabling.h"
#include "base/cp1250.h"
#include "base/hexcodec.h"
#include "base/integertext.h"
#include "dialogs/dialogseam.h"
#include "dialogs/diaok.h"
#include "dialogs/konwer.h"
#include "hexeditor/widget/thexeditor.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <memory>

namespace {
bool ClipboardHoldsText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}
} // namespace

void TMain::Bearbeiten1Click() {
    Rckgngig1->setEnabled(HexEditor1->CanUndo());
    const bool selected = HexEditor1->SelCount() > 0;
    Ausschneiden1->setEnabled(selected);
    Kopieren1->setEnabled(selected);
    const bool text = ClipboardHoldsText();
    Einfgen1->setEnabled(text);
    PasteText1->setEnabled(text);
    const bool hasData = HexEditor1->DataSize() > 0;
    Goto1->setEnabled(hasData);
    Find1->setEnabled(hasData);
    Convertfile1->setEnabled(hasData);
    SetAsHex1->setEnabled(true);
    SetAsText1->setEnabled(true);
}

void TMain::Rckgngig1Click() {
    if (HexEditor1->CanUndo()) HexEditor1->Undo();
}

// The clipboard carries bytes as hex text, never nibble-swapped.
void TMain::Kopieren1Click() {
    if (!bearbeitenEnabling_->Check(Kopieren1)) return;
    int32_t count = HexEditor1->SelCount();
    const int32_t start = qMin(HexEditor1->SelStart(), HexEditor1->SelEnd());
    const QByteArray bytes = HexEditor1->BufferFromFile(start, count);
    QGuiApplication::clipboard()->setText(QString::fromLatin1(HexTextOf(bytes)));
}

void TMain::Ausschneiden1Click() {
    if (!bearbeitenEnabling_->Check(Ausschneiden1)) return;
    Kopieren1Click();
    HexEditor1->DeleteSelection();
}

void TMain::Einfgen1Click() {
    if (!bearbeitenEnabling_->Check(Einfgen1)) return;
    const QByteArray bytes = BytesOfHexText(QGuiApplication::clipboard()->text());
    HexEditor1->ReplaceSelection(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                 int32_t(bytes.size()));
}

// The clipboard text's own bytes, without any character translation.
void TMain::PasteText1Click() {
    if (!bearbeitenEnabling_->Check(PasteText1)) return;
    const QByteArray bytes = cp1250::Encode(QGuiApplication::clipboard()->text());
    HexEditor1->ReplaceSelection(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                 int32_t(bytes.size()));
}

void TMain::Goto1Click() {
    if (HexEditor1->DataSize() == 0) return;
    const auto typed =
        seam::InputText(this, QStringLiteral("Idź do"), QStringLiteral("Wpisz pozycję"),
                        QString::number(HexEditor1->CurrentPosition()));
    if (!typed) return;
    const int32_t position = ParseIntegerText(*typed).value_or(-1);
    if (!HexEditor1->Seek(position, 0, true))
        ShowMessageDialog(QStringLiteral("Idź do"), QStringLiteral("Nieprawidłowa pozycja."));
}

void TMain::Find1Click() {
    const int32_t size = HexEditor1->DataSize();
    if (size == 0) return;
    const auto typed = seam::InputText(
        this, QStringLiteral("Znajdź"),
        QStringLiteral("Wpisz ciąg znaków (jeżeli tekst to poprzedź go \"t\")."), findText_);
    if (!typed) return;
    findText_ = *typed;
    if (typed->isEmpty()) return;
    const QChar first = typed->at(0);
    const bool textMode = first == QLatin1Char('t') || first == QLatin1Char('T');
    QByteArray pattern =
        textMode ? cp1250::Encode(QStringView(*typed).mid(1)) : HexPatternBytes(*typed);
    if (pattern.isEmpty()) return;
    const int32_t n = int32_t(pattern.size());
    const int32_t found = HexEditor1->Find(reinterpret_cast<uint8_t*>(pattern.data()), n,
                                           HexEditor1->CurrentPosition(), size - 1,
                                           first == QLatin1Char('T'), textMode);
    if (found < 0) {
        ShowMessageDialog(QStringLiteral("Znajdź"),
                          QStringLiteral("Nie znalazłem podanego ciągu znaków."));
        return;
    }
    HexEditor1->SetSelStart(found + n - 1);
    HexEditor1->SetSelEnd(found);
}

void TMain::SetAsHex1Click() {
    const auto typed = seam::InputText(this, QStringLiteral("Wpisz jako hex"),
                                       QStringLiteral("Wpisz wartość w heksach"), QString());
    if (typed) HexEditor1->SetAsHex(typed->toLatin1());
}

void TMain::SetAsText1Click() {
    const auto typed = seam::InputText(this, QStringLiteral("Wpisz jako tekst"),
                                       QStringLiteral("Wpisz tekst"), QString());
    if (typed) HexEditor1->SetAsText(cp1250::Encode(*typed));
}

void TMain::Convertfile1Click() {
    int32_t start = 0, end = HexEditor1->DataSize() - 1;
    if (HexEditor1->SelCount() > 0) {
        start = qMin(HexEditor1->SelStart(), HexEditor1->SelEnd());
        end = qMax(HexEditor1->SelStart(), HexEditor1->SelEnd());
    }
    // A fresh dialog for every use, so no earlier choice is shown.
    auto dialog = std::make_unique<TKonwert>(Images(), this);
    dialog->setWindowTitle(QString(Convertfile1->text()).remove(QLatin1Char('&')));
    if (seam::RunDialog(*dialog) == QDialog::Accepted)
        HexEditor1->Convert(start, end, dialog->Source(), dialog->Target());
}

void TMain::SpeedItem6Click() {
    Ausschneiden1Click();
}
void TMain::SpeedItem7Click() {
    Kopieren1Click();
}
void TMain::SpeedItem8Click() {
    Einfgen1Click();
}
void TMain::SpeedItem9Click() {
    Find1Click();
}
