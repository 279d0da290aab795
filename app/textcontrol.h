#pragma once
// The text editor control: a plain-text edit widget seen through the small set
// of operations the program's commands use. Its text is 8-bit Windows-1250,
// byte for byte: every byte of a loaded file becomes one character and goes
// back to the same byte when saved.
//
// Index rule: every index and length counts a line break as two characters, as
// if the breaks were CR LF, whatever the file uses. The whole text and the
// selected text are handed out with CR LF breaks.
//
// Saving writes each line break in the style the file had when it was loaded
// (a new or cleared document uses CR LF); breaks typed later take the style of
// the document's first break.
#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>
#include <functional>
#include <stdexcept>
#include <vector>

class QPlainTextEdit;
class QTextBlock;
class TEdytorWidget;

// A file the control could not read or write.
class ETextFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TLineBreak : uint8_t { CrLf = 0, Lf = 1, Cr = 2 };

class TTextControl : public QObject {
    Q_OBJECT
public:
    explicit TTextControl(QWidget* parent);
    ~TTextControl() override;

    TEdytorWidget* Widget() const { return edit_; }

    // Files. Load: the file's bytes become the whole text; an unreadable file
    // throws ETextFileError and leaves the text as it was. Save: the text with
    // the document's line breaks; a failure throws and leaves the file as it was.
    void LoadFromFile(const QString& fileName);
    void SaveToFile(const QString& fileName) const;
    bool PlainText() const { return plainText_; }
    void SetPlainText(bool on) { plainText_ = on; }
    TLineBreak LineBreak() const { return lineBreak_; }

    void Clear();

    // Lines as the control counts them (with word wrap on, each wrapped line),
    // a line's text without its break; out of range gives an empty text.
    int LineCount() const;
    QString Line(int index) const;
    // Every line as Line() gives it, first to last, in one pass.
    void ForEachLine(const std::function<void(QStringView line)>& visit) const;

    QString Text() const;
    int TextLength() const;

    int SelStart() const;
    void SetSelStart(int index); // collapses the selection there
    int SelLength() const;
    void SetSelLength(int length); // from SelStart on, the caret at its end
    QString SelText() const;
    void SetSelText(const QString& text); // replaces the selection; the caret after it

    // One stretch of the text and what replaces it (index and length by the index rule).
    struct TReplacement {
        int index = 0;
        int length = 0;
        QString text;
    };
    // Replaces each stretch (ascending, not overlapping) in one editing step that
    // one Undo takes back; the caret ends after the last new text. Lines that
    // a stretch does not cross keep their own break style.
    void ReplaceRanges(const std::vector<TReplacement>& replacements);

    int LineFromChar(int index) const;
    int LineIndex(int line) const; // -1 for a line that does not exist

    void SelectAll();
    void ClearSelection(); // deletes the selected text
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();

    bool CanUndo() const;
    void Undo();

    bool WordWrap() const;
    void SetWordWrap(bool on); // on: vertical scroll bar only; off: both

    QFont Font() const;
    void SetFont(const QFont& font);
    QColor Color() const;
    void SetColor(const QColor& color);

    // After every change of the text, loads and the program's own changes included.
    std::function<void()> OnChange;
    // After every move of the caret or change of the selection.
    std::function<void()> OnSelectionChange;

    void Repaint();

private:
    int ToIndex(int position) const; // document position -> index
    int ToPosition(int index) const; // index -> document position
    QTextBlock BlockOfIndex(int index) const;
    void Changed();
    void SelectionChanged();

    TEdytorWidget* edit_;
    bool plainText_ = true;
    TLineBreak lineBreak_ = TLineBreak::CrLf;
    bool quiet_ = false; // font and colour changes are no changes of the text
};
