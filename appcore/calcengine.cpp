#include "appcore/calcengine.h"

#include <QClipboard>
#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <cstdlib>

TCalcEngine::TCalcEngine(const QLocale& locale)
    : locale_(locale), separator_(locale.decimalPoint()) {
    if (separator_.isEmpty()) separator_ = QStringLiteral(".");
}

// ---- Numbers as text ------------------------------------------------------------

QString TCalcEngine::FormatNumber(double x, int precision, const QLocale& locale) {
    if (!std::isfinite(x)) return QStringLiteral("Error");
    if (x == 0) return QStringLiteral("0"); // also -0
    const int p = std::max(2, std::min(precision, 17));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", p - 1, x);
    // buf: [-]d.ddde[+-]xx
    QString digits;
    const char* s = buf;
    const bool negative = *s == '-';
    if (negative) ++s;
    for (; *s && *s != 'e'; ++s)
        if (*s >= '0' && *s <= '9') digits += QLatin1Char(*s);
    const int exponent = *s == 'e' ? std::atoi(s + 1) : 0;
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);

    QString sep = locale.decimalPoint();
    if (sep.isEmpty()) sep = QStringLiteral(".");
    QString out = negative ? QStringLiteral("-") : QString();
    if (exponent >= p || exponent < -5) {
        out += digits.left(1);
        if (digits.size() > 1) out += sep + digits.mid(1);
        out += QLatin1Char('E') + QString::number(exponent);
    } else if (exponent >= 0) {
        QString whole = digits.left(exponent + 1);
        while (whole.size() < exponent + 1)
            whole += QLatin1Char('0');
        out += whole;
        if (digits.size() > exponent + 1) out += sep + digits.mid(exponent + 1);
    } else {
        out += QLatin1Char('0') + sep + QString(-exponent - 1, QLatin1Char('0')) + digits;
    }
    return out;
}

bool TCalcEngine::ParseNumber(const QString& text, const QLocale& locale, double* value) {
    const QString t = text.trimmed();
    const QString sep = locale.decimalPoint();
    QByteArray plain; // the number in the C form
    int i = 0;
    const int n = int(t.size());
    if (i < n && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        plain += char(t[i++].unicode());
    int mantissaDigits = 0;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = t[i];
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            plain += char(c.unicode());
            ++mantissaDigits;
        } else if (!point && (c == QLatin1Char('.') || (!sep.isEmpty() && c == sep[0]))) {
            plain += '.';
            point = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return false;
    if (i < n && (t[i] == QLatin1Char('E') || t[i] == QLatin1Char('e'))) {
        plain += 'e';
        ++i;
        if (i < n && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
            plain += char(t[i++].unicode());
        int expDigits = 0;
        for (; i < n && t[i].unicode() >= '0' && t[i].unicode() <= '9'; ++i, ++expDigits)
            plain += char(t[i].unicode());
        if (expDigits == 0) return false;
    }
    if (i != n) return false;
    char* end = nullptr;
    const double v = std::strtod(plain.constData(), &end);
    if (end != plain.constData() + plain.size() || !std::isfinite(v)) return false;
    *value = v;
    return true;
}

double TCalcEngine::DisplayValue() const {
    if (status_ == TStatus::Error) return 0;
    double v = 0;
    return ParseNumber(display_, locale_, &v) ? v : 0;
}

// ---- Display ----------------------------------------------------------------------

void TCalcEngine::Changed() {
    if (OnChange) OnChange();
}

void TCalcEngine::SetDisplay(const QString& text) {
    if (text == display_) return;
    display_ = text;
    Changed();
}

void TCalcEngine::Show(double x) {
    // An overflow to infinity is no number to go on with.
    if (!std::isfinite(x)) {
        Error();
        return;
    }
    SetDisplay(FormatNumber(x, Precision, locale_));
}

void TCalcEngine::Beep() {
    if (BeepOnError && OnBeep) OnBeep();
}

void TCalcEngine::Error() {
    status_ = TStatus::Error;
    SetDisplay(QStringLiteral("Error"));
    Beep();
}

void TCalcEngine::StartEntry() {
    if (status_ != TStatus::Result) return;
    status_ = TStatus::Typing;
    SetDisplay(QStringLiteral("0"));
}

bool TCalcEngine::IsSeparator(QChar c) const {
    return c == QLatin1Char(',') || c == QLatin1Char('.') || (c == separator_[0]);
}

// ---- Use --------------------------------------------------------------------------------

void TCalcEngine::Start(double value, double memory) {
    display_ = QStringLiteral("0");
    status_ = TStatus::Result;
    pending_ = QChar(kNone);
    operand_ = 0;
    memory_ = memory;
    if (value != 0) {
        Show(value);
        status_ = TStatus::Result;
        pending_ = QLatin1Char('=');
    }
    Changed();
}

QChar TCalcEngine::MapKey(QChar typed) const {
    if (IsSeparator(typed)) return QLatin1Char('.');
    if (typed.unicode() == kReturn) return QLatin1Char('=');
    if (typed.unicode() == kEscape) return QLatin1Char('C');
    return typed.isLetter() ? typed.toUpper() : typed;
}

bool TCalcEngine::IsButtonKey(QChar mapped) {
    static const QString keys = QStringLiteral("0123456789_./*-+Q%R=C");
    return mapped.unicode() == kBackspace || (mapped.unicode() != 0 && keys.contains(mapped));
}

void TCalcEngine::ProcessKey(QChar key) {
    key = key.toUpper();
    const char16_t k = key.unicode();
    if (status_ == TStatus::Error && k != 'C' && k != kEscape) return;

    if (IsSeparator(key)) {
        Separator();
    } else if (k == kCopy) {
        if (auto* clipboard = QGuiApplication::clipboard()) clipboard->setText(display_);
    } else if (k == kBackspace) {
        Backspace();
    } else if (k == kReturn || k == '%' || k == '*' || k == '+' || k == '-' || k == '/' ||
               k == '=') {
        Operator(key);
    } else if (k == kPaste) {
        Paste();
    } else if (k == kEscape || k == 'C') {
        status_ = TStatus::Result;
        Show(0);
        pending_ = QLatin1Char('=');
    } else if (k >= '0' && k <= '9') {
        Digit(key);
    } else if (k == 'Q') {
        status_ = TStatus::Result;
        const double v = DisplayValue();
        if (v < 0)
            Error();
        else
            Show(std::sqrt(v));
    } else if (k == 'R') {
        status_ = TStatus::Result;
        const double v = DisplayValue();
        if (v == 0)
            Error();
        else
            Show(1 / v);
    } else if (k == '_') {
        Show(-DisplayValue());
    }
}

void TCalcEngine::Separator() {
    StartEntry();
    if (!display_.contains(separator_)) SetDisplay(display_ + separator_);
}

void TCalcEngine::Backspace() {
    StartEntry();
    if (display_.size() == 1 || (display_.size() == 2 && display_.startsWith(QLatin1Char('-'))))
        SetDisplay(QStringLiteral("0"));
    else
        SetDisplay(display_.left(display_.size() - 1));
}

void TCalcEngine::Operator(QChar key) {
    if (status_ == TStatus::Typing) {
        status_ = TStatus::Result;
        double r = DisplayValue();
        const char16_t p = pending_.unicode();
        if (key == QLatin1Char('%')) {
            if (p == '*' || p == '/')
                r = r / 100;
            else if (p == '+' || p == '-')
                r = operand_ * r / 100;
        }
        switch (p) {
        case '*':
            Show(operand_ * r);
            break;
        case '+':
            Show(operand_ + r);
            break;
        case '-':
            Show(operand_ - r);
            break;
        case '/':
            if (r == 0)
                Error();
            else
                Show(operand_ / r);
            break;
        default:
            break;
        }
    }
    pending_ = key;
    operand_ = DisplayValue();
}

void TCalcEngine::Digit(QChar digit) {
    StartEntry();
    QString text = display_ == QLatin1String("0") ? QString() : display_;
    if (text.contains(QLatin1Char('E'))) return;
    const int limit = std::max(2, Precision) + int(text.indexOf(QLatin1Char('-')) + 1);
    if (text.size() < limit)
        SetDisplay(text + digit);
    else
        Beep();
}

void TCalcEngine::Paste() {
    auto* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    QString text = clipboard->text();
    if (text.isEmpty()) return;
    const QString currency = locale_.currencySymbol();
    if (!currency.isEmpty()) text.remove(currency);
    double v = 0;
    if (ParseNumber(text, locale_, &v))
        Show(v);
    else
        SetDisplay(QStringLiteral("0"));
}

// ---- Memory and confirmation -------------------------------------------------------------

void TCalcEngine::MemoryAdd() {
    if (status_ == TStatus::Error) return;
    status_ = TStatus::Result;
    memory_ += DisplayValue();
    Changed();
}

void TCalcEngine::MemoryStore() {
    if (status_ == TStatus::Error) return;
    status_ = TStatus::Result;
    memory_ = DisplayValue();
    Changed();
}

void TCalcEngine::MemoryRecall() {
    if (status_ == TStatus::Error) return;
    status_ = TStatus::Result;
    StartEntry();
    Show(memory_);
}

void TCalcEngine::MemoryClear() {
    memory_ = 0;
    Changed();
}

bool TCalcEngine::Confirm() {
    if (status_ == TStatus::Error) {
        Beep();
        return false;
    }
    Show(DisplayValue());
    return true;
}
