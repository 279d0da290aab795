// "Ustaw Vorbix'a / Notatnik jako program do plików tekstowych": the desktop
// entry, the icon and mimeapps.list of the user, and the messages.
#include "appcore/desktopentry.h"
#include "appcore/desktopregister.h"
#include "dialogs/konfig.h"
#include "tests/app/programfixture.h"
#include "tests/common/testenv.h"

#include <QDir>
#include <QFile>
#include <QToolButton>

namespace {
class Registration : public ProgramTest {
protected:
    void SetUp() override {
        QFile::remove(desktop::MimeAppsPath());
        QFile::remove(desktop::DesktopEntryPath());
        QFile::remove(desktop::UserIconPath());
    }
    void Click(QToolButton* TKonfiguracja::*button) {
        dialogs.Answer([button](const seam::Request& r) {
            (static_cast<TKonfiguracja*>(r.dialog)->*button)->click();
            return seam::Reply::Reject();
        });
        main->Konfiguracja1->trigger();
    }
};
const QString kProgramSet = "Vorbix|Vorbix został ustawiony jako program do plików tekstowych.";
const QString kNotepadSet = "Vorbix|Notatnik został ustawiony jako program do plików tekstowych.";
} // namespace

TEST_F(Registration, ProgramThenNotepadWithAnExistingMimeAppsList) {
    const QByteArray before = "[Default Applications]\r\ntext/html=firefox.desktop;\r\n"
                              "text/plain=org.gnome.TextEditor.desktop;\r\n\r\n"
                              "[Added Associations]\r\ntext/plain=kate.desktop;\r\n";
    QDir().mkpath(QFileInfo(desktop::MimeAppsPath()).absolutePath());
    testenv::WriteFile(desktop::MimeAppsPath(), before);
    Start();
    Click(&TKonfiguracja::RxSpeedButton2);
    EXPECT_EQ(Messages(), QStringList({kProgramSet}));
    const QString exe = QCoreApplication::applicationFilePath();
    EXPECT_EQ(testenv::ReadFile(desktop::DesktopEntryPath()),
              "[Desktop Entry]\nType=Application\nName=Vorbix\nGenericName=Edytor tekstu\n"
              "Comment=Edytor plików tekstowych i edytor heksacyjny\nExec=\"" +
                  exe.toUtf8() +
                  "\" %f\nIcon=vorbix\nTerminal=false\nMimeType=text/plain;\n"
                  "Categories=Utility;TextEditor;\n");
    EXPECT_EQ(testenv::ReadFile(desktop::UserIconPath()), desktop::IconSvg());
    EXPECT_TRUE(desktop::IconSvg().startsWith("<?xml"));
    EXPECT_EQ(testenv::ReadFile(desktop::MimeAppsPath()),
              "[Default Applications]\r\ntext/html=firefox.desktop;\r\n"
              "text/plain=vorbix.desktop;org.gnome.TextEditor.desktop;\r\n\r\n"
              "[Added Associations]\r\ntext/plain=kate.desktop;\r\n");

    dialogs.Clear();
    Click(&TKonfiguracja::RxSpeedButton3);
    EXPECT_EQ(Messages(), QStringList({kNotepadSet}));
    EXPECT_EQ(testenv::ReadFile(desktop::MimeAppsPath()), before);
}

TEST_F(Registration, ProgramWithoutAnyMimeAppsList) {
    Start();
    Click(&TKonfiguracja::RxSpeedButton2);
    EXPECT_EQ(testenv::ReadFile(desktop::MimeAppsPath()),
              "[Default Applications]\ntext/plain=vorbix.desktop;\n");
    dialogs.Clear();
    Click(&TKonfiguracja::RxSpeedButton3);
    EXPECT_EQ(Messages(), QStringList({kNotepadSet}));
    EXPECT_EQ(testenv::ReadFile(desktop::MimeAppsPath()), "[Default Applications]\n");
}

TEST_F(Registration, NotepadWhenNothingWasRegisteredWritesNothing) {
    Start();
    Click(&TKonfiguracja::RxSpeedButton3);
    EXPECT_EQ(Messages(), QStringList({kNotepadSet}));
    EXPECT_FALSE(QFile::exists(desktop::MimeAppsPath()));
}

TEST_F(Registration, AFailedWriteIsReportedAndChangesNothing) {
    // The entry's folder is taken by a file: nothing can be written there.
    QFile::remove(QFileInfo(desktop::DesktopEntryPath()).absolutePath());
    QDir(QFileInfo(desktop::DesktopEntryPath()).absolutePath()).removeRecursively();
    testenv::WriteFile(QFileInfo(desktop::DesktopEntryPath()).absolutePath(), "not a folder");
    QDir().mkpath(QFileInfo(desktop::MimeAppsPath()).absolutePath());
    testenv::WriteFile(desktop::MimeAppsPath(), "[Default Applications]\ntext/plain=a.desktop;\n");
    Start();
    Click(&TKonfiguracja::RxSpeedButton2);
    EXPECT_EQ(Messages(),
              QStringList({"Vorbix|Operacja ustawienia Vorbix'a jako programu do plików tekstowych "
                           "nie powiodła się."}));
    EXPECT_EQ(testenv::ReadFile(desktop::MimeAppsPath()),
              "[Default Applications]\ntext/plain=a.desktop;\n");
    QFile::remove(QFileInfo(desktop::DesktopEntryPath()).absolutePath());
}
