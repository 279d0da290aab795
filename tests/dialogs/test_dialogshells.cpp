// The dialogs the program creates at start-up copy the main window's pictures.
#include "dialogs/backgroundbar.h"
#include "dialogs/inf.h"
#include "dialogs/konfig.h"
#include "dialogs/konwer.h"
#include "dialogs/pisow.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {
TMainImages Images() {
    QPixmap ok(16, 16), cancel(16, 16), background(8, 8);
    ok.fill(Qt::green);
    cancel.fill(Qt::red);
    background.fill(Qt::gray);
    return TMainImages{QIcon(ok), QIcon(cancel), background};
}
} // namespace

TEST(DialogShells, SpellingDialogCloseButtonCarriesTheCancelPicture) {
    const TMainImages images = Images();
    TPisownia dialog(images);
    EXPECT_EQ(dialog.PrzycZamk1->icon().cacheKey(), images.PrzycAnul1.cacheKey());
    EXPECT_EQ(dialog.windowTitle(), "Sprawdzanie pisowni");
    EXPECT_EQ(Pisownia, &dialog);
}

TEST(DialogShells, ConversionDialogCopiesCancelPictureAndToolBarBackground) {
    const TMainImages images = Images();
    TKonwert dialog(images);
    EXPECT_EQ(dialog.PrzycZamk1->icon().cacheKey(), images.PrzycAnul1.cacheKey());
    EXPECT_EQ(dialog.TloPs1->Picture().cacheKey(), images.PasekNarzBackground.cacheKey());
    EXPECT_EQ(dialog.size(), QSize(261, 203));
}

TEST(DialogShells, AboutBoxCopiesTheToolBarBackground) {
    const TMainImages images = Images();
    TInfo dialog(images);
    EXPECT_EQ(dialog.TloPs1->Picture().cacheKey(), images.PasekNarzBackground.cacheKey());
    EXPECT_EQ(dialog.windowTitle(), "O programie");
    EXPECT_EQ(dialog.size(), QSize(252, 164));
}

TEST(DialogShells, ConfigurationDialogHasItsCaptionAndSize) {
    TKonfiguracja dialog(Images());
    EXPECT_EQ(dialog.windowTitle(), "Konfiguracja");
    EXPECT_EQ(dialog.size(), QSize(314, 241));
    EXPECT_EQ(Konfiguracja, &dialog);
}

TEST(DialogShells, GlobalsForgetDestroyedDialogs) {
    { TInfo dialog(Images()); }
    EXPECT_EQ(Info, nullptr);
}
