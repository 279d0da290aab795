#include "app/edytorwidget.h"

#include "base/cp1250.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

TEdytorWidget::TEdytorWidget(QWidget* parent) : QPlainTextEdit(parent) {}

void TEdytorWidget::SetReservedShortcuts(const QList<QKeySequence>& shortcuts) {
    reserved_ = shortcuts;
}

bool TEdytorWidget::HasLocalFiles(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return false;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) return true;
    return false;
}

bool TEdytorWidget::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        if (reserved_.contains(pressed)) {
            event->ignore(); // let the menu item have it
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void TEdytorWidget::keyPressEvent(QKeyEvent* event) {
    Qt::KeyboardModifiers modifiers = event->modifiers();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (modifiers & Qt::ShiftModifier))
        modifiers &= ~Qt::ShiftModifier;
    const QString text = cp1250::Representable(event->text());
    if (modifiers == event->modifiers() && text == event->text()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent changed(event->type(), event->key(), modifiers, text, event->isAutoRepeat(),
                      ushort(event->count()));
    QPlainTextEdit::keyPressEvent(&changed);
    event->setAccepted(changed.isAccepted());
}

void TEdytorWidget::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = cp1250::Representable(event->commitString());
    if (commit == event->commitString()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    // The text being composed is only shown; what is committed enters the text.
    QInputMethodEvent changed(event->preeditString(), event->attributes());
    changed.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&changed);
    event->setAccepted(changed.isAccepted());
}

// Pasted and dropped text arrives as plain text only, in the code page's characters.
void TEdytorWidget::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return;
    QMimeData plain;
    plain.setText(cp1250::Representable(source->text()));
    QPlainTextEdit::insertFromMimeData(&plain);
}

void TEdytorWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (HasLocalFiles(event->mimeData())) {
        event->ignore();
        return;
    }
    QPlainTextEdit::dragEnterEvent(event);
}

void TEdytorWidget::dragMoveEvent(QDragMoveEvent* event) {
    if (HasLocalFiles(event->mimeData())) {
        event->ignore();
        return;
    }
    QPlainTextEdit::dragMoveEvent(event);
}

void TEdytorWidget::dropEvent(QDropEvent* event) {
    if (HasLocalFiles(event->mimeData())) {
        event->ignore();
        return;
    }
    QPlainTextEdit::dropEvent(event);
}
