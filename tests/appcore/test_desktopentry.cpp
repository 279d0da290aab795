#include "appcore/desktopentry.h"

#include <gtest/gtest.h>

using namespace desktop;

TEST(DesktopEntry, ExactContents) {
    EXPECT_EQ(
        DesktopEntry(QStringLiteral("/opt/vorbix/bin/vorbix")),
        QByteArray("[Desktop Entry]\nType=Application\nName=Vorbix\nGenericName=Edytor tekstu\n"
                   "Comment=Edytor plik\xC3\xB3w tekstowych i edytor heksacyjny\n"
                   "Exec=\"/opt/vorbix/bin/vorbix\" %f\nIcon=vorbix\nTerminal=false\n"
                   "MimeType=text/plain;\nCategories=Utility;TextEditor;\n"));
}

TEST(DesktopEntry, ExecArgumentQuotesAndEscapes) {
    EXPECT_EQ(ExecArgument("/a b/v"), "\"/a b/v\"");
    EXPECT_EQ(ExecArgument("/a\"b"), "\"/a\\\\\"b\"");
    EXPECT_EQ(ExecArgument("/a\\b"), "\"/a\\\\\\\\b\"");
    EXPECT_EQ(ExecArgument("/100%/$x`"), "\"/100%%/\\\\$x\\\\`\"");
    EXPECT_EQ(ExecArgument("/ż\n"), "\"/ż\\n\"");
}

TEST(DesktopEntry, DefaultAddedToANewFile) {
    EXPECT_EQ(WithTextDefault(""),
              QByteArray("[Default Applications]\ntext/plain=vorbix.desktop;\n"));
}

TEST(DesktopEntry, DefaultAddedKeepsEveryOtherLine) {
    const QByteArray before = "# mine\n[Added Associations]\ntext/plain=gedit.desktop;\n\n"
                              "[Default Applications]\nimage/png=eog.desktop;\n"
                              "text/plain=gedit.desktop;kate.desktop\ntext/html=firefox.desktop;\n"
                              "\n[Removed Associations]\nx/y=z.desktop;\n";
    const QByteArray after = WithTextDefault(before);
    EXPECT_EQ(after,
              QByteArray(before).replace("text/plain=gedit.desktop;kate.desktop",
                                         "text/plain=vorbix.desktop;gedit.desktop;kate.desktop;"));
    // Twice is the same as once.
    EXPECT_EQ(WithTextDefault(after), after);
    // And taken away again, the earlier defaults remain.
    EXPECT_EQ(WithoutTextDefault(after),
              QByteArray(before).replace("text/plain=gedit.desktop;kate.desktop",
                                         "text/plain=gedit.desktop;kate.desktop;"));
}

TEST(DesktopEntry, DefaultGroupAppendedWhenMissing) {
    EXPECT_EQ(WithTextDefault("[Added Associations]\r\ntext/plain=a.desktop;\r\n"),
              QByteArray("[Added Associations]\r\ntext/plain=a.desktop;\r\n\r\n"
                         "[Default Applications]\r\ntext/plain=vorbix.desktop;\r\n"));
}

TEST(DesktopEntry, RemovingTheOnlyDefaultRemovesItsLine) {
    EXPECT_EQ(
        WithoutTextDefault("[Default Applications]\ntext/plain=vorbix.desktop;\nimage/png=e;\n"),
        QByteArray("[Default Applications]\nimage/png=e;\n"));
    EXPECT_FALSE(WithoutTextDefault("[Default Applications]\ntext/plain=gedit.desktop;\n"));
    EXPECT_FALSE(WithoutTextDefault(""));
}

TEST(DesktopEntry, PathsFollowTheXdgFolders) {
    EXPECT_EQ(DesktopEntryPath(),
              qEnvironmentVariable("XDG_DATA_HOME") + "/applications/vorbix.desktop");
    EXPECT_EQ(MimeAppsPath(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/mimeapps.list");
    EXPECT_EQ(UserIconPath(),
              qEnvironmentVariable("XDG_DATA_HOME") + "/icons/hicolor/scalable/apps/vorbix.svg");
}
