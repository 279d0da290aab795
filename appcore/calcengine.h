#pragma once
// The pocket calculator's arithmetic behind its dialog: the display text, the
// status (a result shown, a number being typed, an error), the pending
// operator with its left operand, and the memory register. Keys arrive as
// characters; the dialog only maps typed keys and buttons onto them.
#include <QChar>
#include <QLocale>
#include <QString>
#include <functional>

class TCalcEngine {
public:
    enum class TStatus { Result, Typing, Error };

    // Control characters that stand for keys without a character of their own.
    static constexpr char16_t kCopy = 3;      // Ctrl+C: display text to the clipboard
    static constexpr char16_t kBackspace = 8; // remove the last typed character
    static constexpr char16_t kReturn = 13;   // like "="
    static constexpr char16_t kPaste = 22;    // Ctrl+V: a number from the clipboard
    static constexpr char16_t kEscape = 27;   // like "C"
    static constexpr char16_t kNone = 0;      // no pending operator yet

    explicit TCalcEngine(const QLocale& locale = QLocale());

    // Number of significant digits shown (at least 2 is used).
    int Precision = 15;
    // Called on an error or a refused key, when BeepOnError is set.
    bool BeepOnError = true;
    std::function<void()> OnBeep;
    // Called whenever the display text or the memory mark may have changed.
    std::function<void()> OnChange;

    // Beginning of a use: memory from the component, and its value shown
    // unless it is 0; the status is Result and nothing is pending.
    void Start(double value, double memory);

    void ProcessKey(QChar key);

    // The memory buttons; all but MemoryClear do nothing in the Error status.
    void MemoryAdd();
    void MemoryStore();
    void MemoryRecall();
    void MemoryClear();

    // The confirm button: false (with a beep) while "Error" is shown;
    // otherwise the display is normalised and true is returned.
    bool Confirm();

    QString Display() const { return display_; }
    TStatus Status() const { return status_; }
    QChar PendingOperator() const { return pending_; }
    double Operand() const { return operand_; }
    double Memory() const { return memory_; }
    QString MemoryMark() const { return memory_ != 0 ? QStringLiteral("M") : QString(); }
    // The display text read as a number; 0 in the Error status.
    double DisplayValue() const;
    QString DecimalSeparator() const { return separator_; }

    // A typed key as the keyboard gives it, mapped onto the key a button sends:
    // "," "." and the decimal separator give ".", Enter "=", Esc "C", letters
    // are upper-cased; other keys come back unchanged.
    QChar MapKey(QChar typed) const;
    // Whether a mapped key is one a button sends.
    static bool IsButtonKey(QChar mapped);

    // x in the general format: the shortest form with up to precision
    // significant digits, an exponent only where the digits do not reach, the
    // locale's decimal separator.
    static QString FormatNumber(double x, int precision, const QLocale& locale = QLocale());
    // Reads a number written with the locale's decimal separator (or a full
    // stop); an optional exponent; false when it is no number.
    static bool ParseNumber(const QString& text, const QLocale& locale, double* value);

private:
    void StartEntry();
    void Show(double x);
    void SetDisplay(const QString& text);
    void Error();
    void Beep();
    void Operator(QChar key);
    void Digit(QChar digit);
    void Backspace();
    void Separator();
    void Paste();
    void Changed();
    bool IsSeparator(QChar c) const;

    QLocale locale_;
    QString separator_;
    QString display_ = QStringLiteral("0");
    TStatus status_ = TStatus::Result;
    QChar pending_ = QChar(kNone);
    double operand_ = 0;
    double memory_ = 0;
};
