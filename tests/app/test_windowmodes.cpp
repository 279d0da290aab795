// The About box, its links, and Qt's own dialogs speaking Polish.
#include "appcore/operplik.h"
#include "dialogs/inf.h"
#include "tests/app/programfixture.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>

namespace {

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void Open(const QUrl& url) { urls << url; }
};

class About : public ProgramTest {};

} // namespace

TEST_F(About, LayoutAndTheWideningClickThatStays) {
    Start();
    ASSERT_TRUE(Info);
    EXPECT_EQ(Info->windowTitle(), "O programie");
    EXPECT_EQ(Info->size(), QSize(252, 164));
    EXPECT_EQ(Info->Label1->text(), "Autor:");
    EXPECT_TRUE(Info->Label1->font().bold());
    EXPECT_EQ(Info->Label1->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_EQ(Info->Panel1->geometry(), QRect(198, 56, 47, 59));
    EXPECT_EQ(Info->Zdjec1->pixmap().size(), QSize(40, 52));
    EXPECT_TRUE(Info->Naphttp1->font().underline());
    EXPECT_EQ(Info->Naphttp1->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(Info->NapEmail1->text(), "Email: vorbix@example.org");
    dialogs.Answer([](const seam::Request& r) {
        auto* info = static_cast<TInfo*>(r.dialog);
        QTest::mouseClick(info->Label3, Qt::LeftButton);
        return seam::Reply::Reject();
    });
    main->oprogramie1->trigger();
    EXPECT_EQ(Info->width(), 346);
    dialogs.Reject();
    main->oprogramie2->trigger(); // from the hex menu bar: still wide
    EXPECT_EQ(dialogs.Asked(seam::Kind::Dialog).size(), 2u);
    EXPECT_EQ(Info->width(), 346);
}

TEST_F(About, LinksGoToTheDesktop) {
    Start();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "Open");
    QDesktopServices::setUrlHandler("mailto", &catcher, "Open");
    QTest::mouseClick(Info->Naphttp1, Qt::LeftButton);
    QTest::mouseClick(Info->NapEmail1, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("mailto");
    EXPECT_EQ(catcher.urls, (QList<QUrl>{QUrl("https://vorbix.example.org/"),
                                         QUrl("mailto:vorbix@example.org")}));
}

TEST(Polish, MessageBoxButtonsReadTakNieAnuluj) {
    QMessageBox box(QMessageBox::Warning, "Vorbix", "?",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    auto text = [&](QMessageBox::StandardButton b) { return box.button(b)->text().remove('&'); };
    EXPECT_EQ(text(QMessageBox::Yes), "Tak");
    EXPECT_EQ(text(QMessageBox::No), "Nie");
    EXPECT_EQ(text(QMessageBox::Cancel), "Anuluj");
}

TEST(Polish, ApplicationIconOnEveryWindow) {
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_EQ(QApplication::windowIcon().availableSizes().size(), 8);
}

#include "test_windowmodes.moc"
