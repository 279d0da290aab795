#include "app/edytorwidget.h"

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
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                        event->text(), event->isAutoRepeat(), ushort(event->count()));
        QPlainTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
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
