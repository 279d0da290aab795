// The application-wide guard: an exception from any command or event handler
// shows the unknown-error message and the program goes on.
#include "app/aplikacja.h"
#include "dialogs/commandguard.h"
#include "tests/app/programfixture.h"
#include "tests/common/testenv.h"

#include <QTimer>
#include <stdexcept>

namespace {
// An object whose handling of one event type fails.
class Failing : public QObject {
public:
    static inline const QEvent::Type kFail = QEvent::Type(QEvent::registerEventType());
    static inline const QEvent::Type kAbort = QEvent::Type(QEvent::registerEventType());
    int handled = 0;
    bool event(QEvent* e) override {
        ++handled;
        if (e->type() == kFail) throw std::runtime_error("private detail");
        if (e->type() == kAbort) Abort();
        return QObject::event(e);
    }
};
} // namespace

using Guard = ProgramTest;

TEST_F(Guard, TheProgramsApplicationObjectIsInCharge) {
    EXPECT_NE(qobject_cast<TAplikacja*>(QCoreApplication::instance()), nullptr);
    EXPECT_EQ(QCoreApplication::applicationName(), "Vorbix 2");
}

TEST_F(Guard, ExceptionInAnEventShowsTheUnknownErrorAndEventsGoOn) {
    Failing object;
    QCoreApplication::postEvent(&object, new QEvent(Failing::kFail));
    QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    EXPECT_EQ(object.handled, 2);
    EXPECT_EQ(Messages(), QStringList({kUnknownError}));
}

TEST_F(Guard, SilentAbortInAnEventSaysNothing) {
    Failing object;
    QCoreApplication::postEvent(&object, new QEvent(Failing::kAbort));
    QCoreApplication::processEvents();
    EXPECT_EQ(object.handled, 1);
    EXPECT_TRUE(dialogs.Asked().empty());
}

TEST_F(Guard, ExceptionInATimerShowsTheUnknownError) {
    bool after = false;
    QTimer::singleShot(0, [] { throw std::logic_error("oops"); });
    QTimer::singleShot(0, [&] { after = true; });
    QCoreApplication::processEvents();
    EXPECT_TRUE(after);
    EXPECT_EQ(Messages(), QStringList({kUnknownError}));
}

TEST_F(Guard, FailingMenuCommandShowsTheUnknownErrorAndTheWindowGoesOn) {
    Start();
    Type("text");
    main->DialZap1.FileName = testenv::ScratchPath("no-folder") + "/x.txt";
    main->Zapisz2->trigger(); // the save cannot be written
    EXPECT_EQ(Messages(), QStringList({kUnknownError}));
    EXPECT_TRUE(main->TextModified());
    Type("more");
    EXPECT_EQ(Editor().Text(), "textmore");
}

TEST_F(Guard, FailingToolButtonCommandShowsTheUnknownError) {
    Start();
    Type("text");
    main->DialZap1.FileName = testenv::ScratchPath("no-folder") + "/x.txt";
    main->PrzycZap1->trigger();
    EXPECT_EQ(Messages(), QStringList({kUnknownError}));
}
