// The calculator's state machine: arithmetic sequences, percent, errors,
// memory, typing limits and the decimal separator of the locale.
#include "appcore/calcengine.h"

#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {
const QLocale kPolish(QLocale::Polish, QLocale::Poland);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

struct Calc {
    explicit Calc(const QLocale& locale = kPolish) : engine(locale) {
        engine.OnBeep = [this] { ++beeps; };
        engine.Start(0, 0);
    }
    // Each character is one key; "s" stands for sqrt, "b" for backspace.
    Calc& Keys(const QString& keys) {
        for (QChar c : keys) {
            if (c == QLatin1Char('s'))
                engine.ProcessKey(QLatin1Char('Q'));
            else if (c == QLatin1Char('b'))
                engine.ProcessKey(QChar(TCalcEngine::kBackspace));
            else
                engine.ProcessKey(c);
        }
        return *this;
    }
    QString Display() const { return engine.Display(); }
    TCalcEngine engine;
    int beeps = 0;
};
} // namespace

TEST(CalcEngine, StartsAtZeroWithAResultShown) {
    Calc c;
    EXPECT_EQ(c.Display(), "0");
    EXPECT_EQ(c.engine.Status(), TCalcEngine::TStatus::Result);
    EXPECT_EQ(c.engine.MemoryMark(), "");
}

TEST(CalcEngine, ChainedOperatorsUseTheShownResult) {
    Calc c;
    EXPECT_EQ(c.Keys("7+2=").Display(), "9");
    EXPECT_EQ(c.Keys("*3=").Display(), "27");
    // "=" again repeats nothing.
    EXPECT_EQ(c.Keys("=").Display(), "27");
    // An operator key applies the pending one at once.
    Calc d;
    EXPECT_EQ(d.Keys("2+3*").Display(), "5");
    EXPECT_EQ(d.Keys("4-").Display(), "20");
    EXPECT_EQ(d.Keys("5\r").Display(), "15");
}

TEST(CalcEngine, PercentOfTheOperandForSumsAndAFractionForProducts) {
    EXPECT_EQ(Calc().Keys("200+10%").Display(), "220");
    EXPECT_EQ(Calc().Keys("200-10%").Display(), "180");
    EXPECT_EQ(Calc().Keys("50*10%").Display(), "5");
    EXPECT_EQ(Calc().Keys("50/10%").Display(), "500");
    // Without a pending operator the percent key changes nothing.
    EXPECT_EQ(Calc().Keys("10%").Display(), "10");
}

TEST(CalcEngine, DivisionByZeroShowsErrorUntilC) {
    Calc c;
    c.Keys("1/0=");
    EXPECT_EQ(c.Display(), "Error");
    EXPECT_EQ(c.engine.Status(), TCalcEngine::TStatus::Error);
    EXPECT_EQ(c.beeps, 1);
    c.Keys("5+_bs.");
    EXPECT_EQ(c.Display(), "Error");
    EXPECT_EQ(c.engine.DisplayValue(), 0);
    c.Keys("C");
    EXPECT_EQ(c.Display(), "0");
    EXPECT_EQ(c.engine.Status(), TCalcEngine::TStatus::Result);
    EXPECT_EQ(c.Keys("5+1=").Display(), "6");
    // Esc clears as well.
    c.Keys("/0=");
    c.engine.ProcessKey(QChar(TCalcEngine::kEscape));
    EXPECT_EQ(c.Display(), "0");
}

TEST(CalcEngine, SquareRootAndReciprocalAndTheirErrors) {
    Calc c;
    c.Keys("16s");
    EXPECT_EQ(c.Display(), "4");
    c.Keys("2");
    EXPECT_EQ(c.Display(), "2"); // a new number, not 42
    EXPECT_EQ(Calc().Keys("4R").Display(), "0,25");
    EXPECT_EQ(Calc().Keys("0R").Display(), "Error");
    EXPECT_EQ(Calc().Keys("9_s").Display(), "Error");
    EXPECT_EQ(Calc().Keys("3r").Display(), "0,333333333333333"); // lower-case keys too
}

TEST(CalcEngine, MemoryStoreRecallAddAndClear) {
    Calc c;
    c.Keys("12");
    c.engine.MemoryStore();
    EXPECT_EQ(c.engine.MemoryMark(), "M");
    c.Keys("C3+");
    c.engine.MemoryRecall();
    EXPECT_EQ(c.Display(), "12");
    c.Keys("=");
    EXPECT_EQ(c.Display(), "15");
    c.engine.MemoryAdd();
    EXPECT_EQ(c.engine.Memory(), 27);
    c.engine.MemoryClear();
    EXPECT_EQ(c.engine.MemoryMark(), "");
    EXPECT_EQ(c.engine.Memory(), 0);
}

TEST(CalcEngine, RecalledNumberIsExtendedByTypedDigits) {
    Calc c;
    c.Keys("12");
    c.engine.MemoryStore();
    c.engine.MemoryRecall();
    EXPECT_EQ(c.Keys("3").Display(), "123");
}

TEST(CalcEngine, MemoryKeysDoNothingOnErrorButClear) {
    Calc c;
    c.Keys("7");
    c.engine.MemoryStore();
    c.Keys("1/0=");
    c.engine.MemoryStore();
    c.engine.MemoryAdd();
    c.engine.MemoryRecall();
    EXPECT_EQ(c.engine.Memory(), 7);
    EXPECT_EQ(c.Display(), "Error");
    c.engine.MemoryClear();
    EXPECT_EQ(c.engine.Memory(), 0);
}

TEST(CalcEngine, BackspaceKeepsAMinusOnlyWithADigit) {
    Calc c;
    c.Keys("5_");
    EXPECT_EQ(c.Display(), "-5");
    EXPECT_EQ(c.Keys("b").Display(), "0");
    Calc d;
    d.Keys("52_");
    EXPECT_EQ(d.Display(), "-52");
    EXPECT_EQ(d.Keys("b").Display(), "-5");
    Calc e;
    EXPECT_EQ(e.Keys("123bb").Display(), "1");
    EXPECT_EQ(e.Keys("b").Display(), "0");
    // On a result backspace starts a new number.
    Calc f;
    EXPECT_EQ(f.Keys("9s").Keys("b").Display(), "0");
}

TEST(CalcEngine, DecimalSeparatorOfTheLocaleAndOnlyOnce) {
    Calc c;
    EXPECT_EQ(c.Keys("1.5").Display(), "1,5");
    EXPECT_EQ(c.Keys(",2.").Display(), "1,52");
    EXPECT_EQ(c.engine.DisplayValue(), 1.52);
    Calc e(kEnglish);
    EXPECT_EQ(e.Keys("1,5.2").Display(), "1.52");
    // A separator starts a number "0,".
    EXPECT_EQ(Calc().Keys(",5").Display(), "0,5");
}

TEST(CalcEngine, DigitsStopAtThePrecisionWithABeep) {
    Calc c;
    c.Keys("123456789012345");
    EXPECT_EQ(c.Display(), "123456789012345");
    EXPECT_EQ(c.beeps, 0);
    c.Keys("6");
    EXPECT_EQ(c.Display(), "123456789012345");
    EXPECT_EQ(c.beeps, 1);
    // A negative number has room for its minus.
    Calc n;
    n.Keys("12345678901234_5");
    EXPECT_EQ(n.Display(), "-123456789012345");
    n.Keys("6");
    EXPECT_EQ(n.beeps, 1);
    // The separator takes a place.
    Calc s;
    s.Keys("1234567.890123456");
    EXPECT_EQ(s.Display(), "1234567,8901234");
    // No beep when beeping is off.
    Calc q;
    q.engine.BeepOnError = false;
    q.Keys("1234567890123456");
    EXPECT_EQ(q.beeps, 0);
}

TEST(CalcEngine, DigitsAfterAnExponentAreIgnored) {
    Calc c;
    c.Keys("1000000000*1000000000=");
    EXPECT_EQ(c.Display(), "1E18");
    c.Keys("5"); // on a result a digit starts a new number
    EXPECT_EQ(c.Display(), "5");
    c.Keys("C1000000000*1000000000=");
    c.engine.MemoryStore();
    c.engine.MemoryRecall(); // the recalled number is being typed
    c.Keys("7");
    EXPECT_EQ(c.Display(), "1E18");
    EXPECT_EQ(c.beeps, 0);
}

TEST(CalcEngine, ConfirmRefusedOnErrorWithABeep) {
    Calc c;
    c.Keys("1/0=");
    const int beeps = c.beeps;
    EXPECT_FALSE(c.engine.Confirm());
    EXPECT_EQ(c.beeps, beeps + 1);
    Calc d;
    d.Keys("1,50");
    EXPECT_TRUE(d.engine.Confirm());
    EXPECT_EQ(d.Display(), "1,5"); // normalised
}

TEST(CalcEngine, StartShowsTheValueAsAResult) {
    TCalcEngine e(kPolish);
    e.Start(42, 3);
    EXPECT_EQ(e.Display(), "42");
    EXPECT_EQ(e.MemoryMark(), "M");
    EXPECT_EQ(e.PendingOperator(), QLatin1Char('='));
    e.ProcessKey(QLatin1Char('7'));
    EXPECT_EQ(e.Display(), "7"); // a digit replaces it
    e.Start(-2.5, 0);
    EXPECT_EQ(e.Display(), "-2,5");
}

TEST(CalcEngine, OverflowBecomesAnError) {
    Calc c;
    c.engine.Start(1e300, 0);
    c.Keys("*");
    c.engine.Start(1e300, 0); // operand stays from the use before; a fresh use
    c.Keys("*1000000=");
    EXPECT_EQ(c.Display(), "1E306");
    c.Keys("*1000000=*1000000=*1000000=");
    EXPECT_EQ(c.Display(), "Error");
}

TEST(CalcEngine, CopyAndPasteThroughTheClipboard) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    Calc c;
    c.Keys("12,5");
    c.engine.ProcessKey(QChar(TCalcEngine::kCopy));
    EXPECT_EQ(clipboard->text(), "12,5");
    clipboard->setText(" 3,25 zł ");
    c.engine.ProcessKey(QChar(TCalcEngine::kPaste));
    EXPECT_EQ(c.Display(), "3,25");
    clipboard->setText("abc");
    c.engine.ProcessKey(QChar(TCalcEngine::kPaste));
    EXPECT_EQ(c.Display(), "0");
}

TEST(CalcEngine, KeyMapping) {
    TCalcEngine e(kPolish);
    EXPECT_EQ(e.MapKey(QLatin1Char(',')), QLatin1Char('.'));
    EXPECT_EQ(e.MapKey(QLatin1Char('.')), QLatin1Char('.'));
    EXPECT_EQ(e.MapKey(QChar(13)), QLatin1Char('='));
    EXPECT_EQ(e.MapKey(QChar(27)), QLatin1Char('C'));
    EXPECT_EQ(e.MapKey(QLatin1Char('q')), QLatin1Char('Q'));
    EXPECT_TRUE(TCalcEngine::IsButtonKey(QLatin1Char('Q')));
    EXPECT_TRUE(TCalcEngine::IsButtonKey(QChar(8)));
    EXPECT_FALSE(TCalcEngine::IsButtonKey(QLatin1Char('X')));
    EXPECT_FALSE(TCalcEngine::IsButtonKey(QChar(0)));
}

TEST(CalcEngine, GeneralFormat) {
    auto f = [](double x) { return TCalcEngine::FormatNumber(x, 15, kPolish); };
    EXPECT_EQ(f(3.5), "3,5");
    EXPECT_EQ(f(-0.0), "0");
    EXPECT_EQ(f(100), "100");
    EXPECT_EQ(f(0.1 + 0.2), "0,3");
    EXPECT_EQ(f(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(f(999999999999999), "999999999999999");
    EXPECT_EQ(f(1e15), "1E15");
    EXPECT_EQ(f(0.00001), "0,00001");
    EXPECT_EQ(f(0.000001), "1E-6");
    EXPECT_EQ(f(-1.25e-7), "-1,25E-7");
    EXPECT_EQ(TCalcEngine::FormatNumber(3.5, 15, kEnglish), "3.5");
    double v = 0;
    EXPECT_TRUE(TCalcEngine::ParseNumber("-1,25E-7", kPolish, &v));
    EXPECT_EQ(v, -1.25e-7);
    EXPECT_FALSE(TCalcEngine::ParseNumber("1,2,3", kPolish, &v));
    EXPECT_FALSE(TCalcEngine::ParseNumber("", kPolish, &v));
    EXPECT_FALSE(TCalcEngine::ParseNumber("E5", kPolish, &v));
}
