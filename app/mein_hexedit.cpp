// The hex tab's "&Edycja" commands and the conversion of "&Plik". Enabling
// (Bearbeiten1Click) runs each time the menu opens and before a shortcut's command.
#include "base/cp1250.h"
#include "dialogs/dialogseam.h"
#include "dialogs/diaok.h"
#include "hexeditor/core/hextext.h"
#include "base/integertext.h"
#include "dialogs/konwer.h"
#include "app/mein.h"
#include "app/menuenabling.h"
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
    const bool data = HexEditor1->DataSize() > 0;
    Goto1->setEnabled(data);
    Find1->setEnabled(data);
    Convertfile1->setEnabled(data);
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
    QByteArray text(2 * qsizetype(count) + 1, Qt::Uninitialized);
    BytesToHexText(reinterpret_cast<const uint8_t*>(bytes.constData()), count, text.data(), false);
    text.chop(1);
    QGuiApplication::clipboard()->setText(QString::fromLatin1(text));
}

void TMain::Ausschneiden1Click() {
    if (!bearbeitenEnabling_->Check(Ausschneiden1)) return;
    Kopieren1Click();
    HexEditor1->DeleteSelection();
}

void TMain::Einfgen1Click() {
    if (!bearbeitenEnabling_->Check(Einfgen1)) return;
    const QByteArray text = QGuiApplication::clipboard()->text().toLatin1();
    QByteArray bytes(text.size() / 2, Qt::Uninitialized);
    int32_t count = 0;
    HexTextToBytes(text.constData(), int32_t(text.size()), reinterpret_cast<uint8_t*>(bytes.data()),
                   count, false);
    HexEditor1->ReplaceSelection(reinterpret_cast<const uint8_t*>(bytes.constData()), count);
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
    QString text = *typed;
    if (text.toLower().startsWith(QLatin1String("0x"))) text.replace(0, 2, QLatin1Char('$'));
    const int32_t position = ParseIntegerText(text).value_or(-1);
    if (!HexEditor1->Seek(position, 0, true))
        ShowMessageDialog(QStringLiteral("Idź do"), QStringLiteral("Nieprawidłowa pozycja."));
}

namespace {
// Hex input of Find: hex digits only, a leading zero for an odd count, pairs from the left.
QByteArray HexPattern(const QString& typed) {
    QByteArray digits;
    for (QChar c : typed.toLower())
        if (QStringLiteral("0123456789abcdef").contains(c)) digits.append(char(c.unicode()));
    while (digits.size() % 2 != 0)
        digits.prepend('0');
    QByteArray bytes(digits.size() / 2, Qt::Uninitialized);
    int32_t count = 0;
    HexTextToBytes(digits.constData(), int32_t(digits.size()),
                   reinterpret_cast<uint8_t*>(bytes.data()), count, false);
    bytes.resize(count);
    return bytes;
}
} // namespace

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
    QByteArray pattern = textMode ? cp1250::Encode(QStringView(*typed).mid(1)) : HexPattern(*typed);
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
