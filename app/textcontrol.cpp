#include "app/textcontrol.h"

#include "app/edytorwidget.h"
#include "base/cp1250.h"
#include "base/safewriter.h"

#include <QFile>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <vector>

namespace {
// Bigger texts are left to the hex editor.
constexpr qint64 kMaxTextFileBytes = qint64(256) * 1024 * 1024;

const char* BreakBytes(TLineBreak kind) {
    switch (kind) {
    case TLineBreak::Lf:
        return "\n";
    case TLineBreak::Cr:
        return "\r";
    default:
        return "\r\n";
    }
}

// Each line break of the bytes, in order.
std::vector<TLineBreak> BreaksOf(const QByteArray& bytes) {
    std::vector<TLineBreak> breaks;
    const char* p = bytes.constData();
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] == '\n') {
            breaks.push_back(TLineBreak::Lf);
        } else if (p[i] == '\r') {
            if (i + 1 < n && p[i + 1] == '\n') {
                breaks.push_back(TLineBreak::CrLf);
                ++i;
            } else {
                breaks.push_back(TLineBreak::Cr);
            }
        }
    }
    return breaks;
}

void AppendEncoded(QByteArray& out, const QString& text) {
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* dst = out.data() + start;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        int b = u < 0x80 ? int(u) : cp1250::FromUnicode(u);
        *dst++ = char(b < 0 ? '?' : b);
    }
}

// A block's break: its own style when loaded with one that differs from the
// document's, otherwise the document's.
TLineBreak BreakOf(const QTextBlock& block, TLineBreak documentStyle) {
    const int state = block.userState();
    return state >= 0 && state <= 2 ? TLineBreak(state) : documentStyle;
}

QPlainTextDocumentLayout* LayoutOf(QTextDocument* doc) {
    return qobject_cast<QPlainTextDocumentLayout*>(doc->documentLayout());
}

int LinesOfBlock(QTextDocument* doc, const QTextBlock& block) {
    if (auto* layout = LayoutOf(doc)) layout->ensureBlockLayout(block);
    const int n = block.layout() ? block.layout()->lineCount() : 0;
    return n > 0 ? n : 1;
}
} // namespace

TTextControl::TTextControl(QWidget* parent) : QObject(parent), edit_(new TEdytorWidget(parent)) {
    edit_->setObjectName(QStringLiteral("Edytor"));
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    edit_->setUndoRedoEnabled(true);
    // The selection stays visible when the editor loses the focus.
    QPalette pal = edit_->palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight,
                 pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    edit_->setPalette(pal);
    connect(edit_, &QPlainTextEdit::textChanged, this, [this] { Changed(); });
    connect(edit_, &QPlainTextEdit::cursorPositionChanged, this, [this] { SelectionChanged(); });
    connect(edit_, &QPlainTextEdit::selectionChanged, this, [this] { SelectionChanged(); });
}

TTextControl::~TTextControl() = default;

void TTextControl::Changed() {
    if (!quiet_ && OnChange) OnChange();
}

void TTextControl::SelectionChanged() {
    if (OnSelectionChange) OnSelectionChange();
}

// ---- Files -------------------------------------------------------------------

void TTextControl::LoadFromFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ETextFileError("cannot open " + fileName.toStdString());
    if (file.size() > kMaxTextFileBytes)
        throw ETextFileError("too large for the text editor: " + fileName.toStdString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ETextFileError("cannot read " + fileName.toStdString());
    file.close();

    const std::vector<TLineBreak> breaks = BreaksOf(bytes);
    const TLineBreak style = breaks.empty() ? TLineBreak::CrLf : breaks.front();
    bool mixed = false;
    for (TLineBreak b : breaks)
        mixed = mixed || b != style;

    QString text = cp1250::Decode(bytes);
    bytes = QByteArray();
    lineBreak_ = style;
    edit_->setPlainText(text); // every kind of break starts a new block
    if (mixed) {
        size_t i = 0;
        for (QTextBlock b = edit_->document()->begin(); b.isValid() && i < breaks.size();
             b = b.next(), ++i)
            if (breaks[i] != style) b.setUserState(int(breaks[i]));
    }
}

void TTextControl::SaveToFile(const QString& fileName) const {
    QTextDocument* doc = edit_->document();
    const bool written = safewrite::WriteBlocks(fileName, [&](const safewrite::TSink& sink) {
        constexpr qsizetype kChunk = 1 << 20;
        QByteArray out;
        out.reserve(kChunk + 16);
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            AppendEncoded(out, b.text());
            if (b.next().isValid()) out.append(BreakBytes(BreakOf(b, lineBreak_)));
            if (out.size() >= kChunk) {
                if (!sink(out)) return false;
                out.clear();
            }
        }
        return sink(out);
    });
    if (!written) throw ETextFileError("cannot write " + fileName.toStdString());
}

void TTextControl::Clear() {
    lineBreak_ = TLineBreak::CrLf;
    edit_->clear();
}

// ---- Index rule ----------------------------------------------------------------

int TTextControl::TextLength() const {
    QTextDocument* doc = edit_->document();
    return doc->characterCount() - 1 + doc->blockCount() - 1;
}

int TTextControl::ToIndex(int position) const {
    return position + edit_->document()->findBlock(position).blockNumber();
}

QTextBlock TTextControl::BlockOfIndex(int index) const {
    QTextDocument* doc = edit_->document();
    int lo = 0, hi = doc->blockCount() - 1;
    while (lo < hi) { // the last block whose first index is at or before index
        const int mid = lo + (hi - lo + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + mid <= index)
            lo = mid;
        else
            hi = mid - 1;
    }
    return doc->findBlockByNumber(lo);
}

int TTextControl::ToPosition(int index) const {
    if (index <= 0) return 0;
    const QTextBlock b = BlockOfIndex(index);
    const int offset = qMin(index - (b.position() + b.blockNumber()), b.length() - 1);
    return b.position() + offset;
}

QString TTextControl::Text() const {
    QString text;
    text.reserve(TextLength());
    for (QTextBlock b = edit_->document()->begin(); b.isValid(); b = b.next()) {
        text += b.text();
        if (b.next().isValid()) text += QLatin1String("\r\n");
    }
    return text;
}

// ---- Lines -----------------------------------------------------------------------

int TTextControl::LineCount() const {
    QTextDocument* doc = edit_->document();
    if (!WordWrap()) return doc->blockCount();
    int n = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        n += LinesOfBlock(doc, b);
    return n;
}

QString TTextControl::Line(int index) const {
    QTextDocument* doc = edit_->document();
    if (index < 0) return {};
    if (!WordWrap()) {
        const QTextBlock b = doc->findBlockByNumber(index);
        return b.isValid() ? b.text() : QString();
    }
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const int n = LinesOfBlock(doc, b);
        if (index < n) {
            if (!b.layout() || b.layout()->lineCount() == 0) return b.text();
            const QTextLine line = b.layout()->lineAt(index);
            return b.text().mid(line.textStart(), line.textLength());
        }
        index -= n;
    }
    return {};
}

void TTextControl::ForEachLine(const std::function<void(QStringView line)>& visit) const {
    QTextDocument* doc = edit_->document();
    const bool wrap = WordWrap();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const QString text = b.text();
        const int n = wrap ? LinesOfBlock(doc, b) : 1;
        if (n == 1 || !b.layout() || b.layout()->lineCount() == 0) {
            visit(text);
            continue;
        }
        for (int i = 0; i < n; ++i) {
            const QTextLine line = b.layout()->lineAt(i);
            visit(QStringView(text).mid(line.textStart(), line.textLength()));
        }
    }
}

int TTextControl::LineFromChar(int index) const {
    QTextDocument* doc = edit_->document();
    const QTextBlock block = BlockOfIndex(qBound(0, index, TextLength()));
    if (!WordWrap()) return block.blockNumber();
    int before = 0;
    for (QTextBlock b = doc->begin(); b.isValid() && b != block; b = b.next())
        before += LinesOfBlock(doc, b);
    LinesOfBlock(doc, block);
    const int offset = qMin(index - (block.position() + block.blockNumber()), block.length() - 1);
    const QTextLine line =
        block.layout() ? block.layout()->lineForTextPosition(offset) : QTextLine();
    return before + (line.isValid() ? line.lineNumber() : 0);
}

int TTextControl::LineIndex(int line) const {
    QTextDocument* doc = edit_->document();
    if (line < 0) return -1;
    if (!WordWrap()) {
        const QTextBlock b = doc->findBlockByNumber(line);
        return b.isValid() ? b.position() + b.blockNumber() : -1;
    }
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const int n = LinesOfBlock(doc, b);
        if (line < n) {
            const int start = b.layout() && b.layout()->lineCount() > 0
                                  ? b.layout()->lineAt(line).textStart()
                                  : 0;
            return b.position() + b.blockNumber() + start;
        }
        line -= n;
    }
    return -1;
}

// ---- Selection ------------------------------------------------------------------------

int TTextControl::SelStart() const {
    return ToIndex(edit_->textCursor().selectionStart());
}

int TTextControl::SelLength() const {
    const QTextCursor c = edit_->textCursor();
    return ToIndex(c.selectionEnd()) - ToIndex(c.selectionStart());
}

void TTextControl::SetSelStart(int index) {
    QTextCursor c = edit_->textCursor();
    c.setPosition(ToPosition(index));
    edit_->setTextCursor(c);
}

void TTextControl::SetSelLength(int length) {
    QTextCursor c = edit_->textCursor();
    const int start = ToIndex(c.selectionStart());
    c.setPosition(ToPosition(start));
    c.setPosition(ToPosition(start + qMax(0, length)), QTextCursor::KeepAnchor);
    edit_->setTextCursor(c);
}

QString TTextControl::SelText() const {
    QString text = edit_->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    return text;
}

void TTextControl::SetSelText(const QString& text) {
    QTextCursor c = edit_->textCursor();
    c.insertText(text); // CR LF, LF and CR each start a new line
    edit_->setTextCursor(c);
}

void TTextControl::ReplaceRanges(const std::vector<TReplacement>& replacements) {
    if (replacements.empty()) return;
    QTextCursor c(edit_->document());
    c.beginEditBlock();
    // From the last to the first, so the indexes before each stretch stay valid;
    // the caret's cursor moves along with the edits in front of it. The block of
    // each start is found by walking back from the block of the one before, so
    // many small edits cost no search each.
    QTextCursor caret;
    QTextBlock block = BlockOfIndex(replacements.back().index);
    int number = block.blockNumber();
    int first = block.position() + number; // index of the block's first character
    for (auto r = replacements.rbegin(); r != replacements.rend(); ++r) {
        while (r->index < first && block.previous().isValid()) {
            block = block.previous();
            --number;
            first -= block.length() - 1 + 2;
        }
        const int textLength = block.length() - 1;
        const int position = first - number + qMin(r->index - first, textLength);
        c.setPosition(position);
        const int end = r->index + r->length;
        c.setPosition(end - first <= textLength ? first - number + (end - first) : ToPosition(end),
                      QTextCursor::KeepAnchor);
        c.insertText(r->text);
        if (caret.isNull()) caret = c;
    }
    c.endEditBlock();
    caret.clearSelection();
    edit_->setTextCursor(caret);
}

void TTextControl::SelectAll() {
    edit_->selectAll();
}

void TTextControl::ClearSelection() {
    QTextCursor c = edit_->textCursor();
    c.removeSelectedText();
    edit_->setTextCursor(c);
}

void TTextControl::CutToClipboard() {
    edit_->cut();
}
void TTextControl::CopyToClipboard() {
    edit_->copy();
}
void TTextControl::PasteFromClipboard() {
    edit_->paste();
}

bool TTextControl::CanUndo() const {
    return edit_->document()->isUndoAvailable();
}
void TTextControl::Undo() {
    edit_->undo();
}

// ---- Look ----------------------------------------------------------------------------------

bool TTextControl::WordWrap() const {
    return edit_->lineWrapMode() != QPlainTextEdit::NoWrap;
}

void TTextControl::SetWordWrap(bool on) {
    edit_->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    edit_->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

QFont TTextControl::Font() const {
    return edit_->font();
}

void TTextControl::SetFont(const QFont& font) {
    quiet_ = true;
    edit_->setFont(font);
    quiet_ = false;
}

QColor TTextControl::Color() const {
    return edit_->palette().color(QPalette::Base);
}

void TTextControl::SetColor(const QColor& color) {
    QPalette pal = edit_->palette();
    pal.setColor(QPalette::Base, color);
    edit_->setPalette(pal);
}

void TTextControl::Repaint() {
    edit_->viewport()->update();
}
