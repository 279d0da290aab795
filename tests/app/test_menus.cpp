// Both menu bars, the editor's pop-up and both tool bars: every item, caption,
// shortcut, hint and separator; the enabling of items and their shortcuts.
#include "app/menuenabling.h"
#include "tests/app/programfixture.h"

#include <QClipboard>
#include <QEnterEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>

namespace {
struct Entry {
    const char* name; // "-" for a separator, ">" starts a submenu, "<" ends it
    const char* caption = "";
    const char* shortcut = "";
    const char* hint = "";
};

// The menu's items as "name|caption|shortcut|hint" lines, submenus indented.
QStringList Describe(const QMenu* menu, const QString& indent = {}) {
    QStringList out;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            out << indent + "-";
            continue;
        }
        out << indent +
                   QStringList({a->objectName(), a->text(),
                                a->shortcut().toString(QKeySequence::PortableText), a->statusTip()})
                       .join('|');
        if (a->menu()) out << Describe(a->menu(), indent + "  ");
    }
    return out;
}

QStringList Expected(std::initializer_list<Entry> entries) {
    QStringList out;
    QString indent;
    for (const Entry& e : entries) {
        const QString name = QString::fromUtf8(e.name);
        if (name == "-") {
            out << indent + "-";
        } else if (name == "<") {
            indent.chop(2);
        } else if (name.startsWith('>')) {
            out << indent +
                       QStringList({name.mid(1), QString::fromUtf8(e.caption), "", ""}).join('|');
            indent += "  ";
        } else {
            out << indent + QStringList({name, QString::fromUtf8(e.caption),
                                         QKeySequence(QString::fromUtf8(e.shortcut))
                                             .toString(QKeySequence::PortableText),
                                         QString::fromUtf8(e.hint)})
                                .join('|');
        }
    }
    return out;
}

QStringList MenuBarTitles(const QMenuBar* bar) {
    QStringList out;
    for (QAction* a : bar->actions())
        out << a->text() + (a->menu() ? "" : "|" + a->statusTip());
    return out;
}

QStringList Buttons(const QToolBar* bar) {
    QStringList out;
    for (QAction* a : bar->actions())
        out << (a->isSeparator() ? QString("-") : a->objectName() + "|" + a->statusTip());
    return out;
}
} // namespace

using Menus = ProgramTest;

TEST_F(Menus, TextMenuBarHasItsFourItems) {
    Start();
    EXPECT_EQ(MenuBarTitles(main->MainMenu1),
              QStringList({"&Plik", "&Edycja", "&Funkcje", "©|Wyświetla informacje o programie"}));
}

TEST_F(Menus, TextPlikMenu) {
    Start();
    EXPECT_EQ(Describe(main->Plik1),
              Expected({{"Nowy2", "&Nowy", "Ctrl+N", "Rozpoczyna nowy plik"},
                        {"Otwrz2", "&Otwórz", "Ctrl+O", "Otwiera dokument do edycji"},
                        {"Zapisz2", "&Zapisz", "Ctrl+S", "Zapisuje zmiany do pliku"},
                        {"Zapiszjako2", "Z&apisz jako", "", "Zapisuje jako wybrany plik"},
                        {"-"},
                        {"EksportdoRTF2", "&Eksport do RTF", "",
                         "Zapisuje dokument w formacie Rich Text Format"},
                        {"Wstawtekstzpliku2", "&Wstaw tekst z pliku", "",
                         "Wstawia tekst do edytora z wybranego pliku"},
                        {"Wstawtekstdopliku1", "Wstaw tekst &do pliku", "",
                         "Wstawia tekst z edytora do wybranego pliku"},
                        {"-"},
                        {"Drukuj2", "&Drukuj", "", "Drukuje zawartość edytora"},
                        {"Ustawieniadrukarki2", "&Ustawienia drukarki", "",
                         "Wyświetla okno ustawień wydruku"},
                        {"-"},
                        {"Koniec2", "&Koniec", "", "Wyjście z programu"}}));
}

TEST_F(Menus, TextEdycjaMenu) {
    Start();
    EXPECT_EQ(
        Describe(main->Edycja1),
        Expected(
            {{"Cofnij1", "&Cofnij", "Ctrl+Z", "Cofa ostatnią wykonaną czynność na edytorze"},
             {"-"},
             {"Usu1", "&Usuń", "", "Usuwa zaznaczony tekst"},
             {"Wytnij1", "W&ytnij", "Ctrl+X", "Usuwa zaznaczony tekst i umieszcza go w schowku"},
             {"Kopiuj1", "&Kopiuj", "Ctrl+C", "Kopiuje zaznaczony tekst do schowka"},
             {"Wklej1", "&Wklej", "Ctrl+V", "Wkleja tekst ze schowka"},
             {"-"},
             {"Znajd1", "Z&najdź", "F3", "Szuka ciągu znaków w tekście"},
             {"Zamie1", "Za&mień", "", "Wyszukuje ciąg znaków i zamienia go na inny"},
             {"-"},
             {"Data1", "&Data", "", "Wstawia aktualną datę"},
             {"Godzina1", "&Godzina", "", "Wstawia aktualną godzinę"},
             {"Obliczenia1", "&Obliczenia", "",
              "Uruchamia kalkulator, na którym można wykona obliczenia i wstawi ich wynik do "
              "dokumentu"},
             {"-"},
             {"Zaznaczwszystko1", "&Zaznacz wszystko", "Ctrl+A", "Zaznacza cały tekst"},
             {"ZawijWier1", "Z&awijanie wierszy", "",
              "Włącza / wyłącza zawijanie wierszy w edytorze"},
             {"-"},
             {">Zmiena1", "&Zmień na"},
             {"Zmienadueznaki1", "&duże znaki", "", "Zamienia znaki zaznaczonego tekstu na duże"},
             {"Zmienamaeznaki1", "&małe znaki", "", "Zamienia znaki zaznaczonego tekstu na małe"},
             {"<"}}));
    EXPECT_TRUE(main->ZawijWier1->isCheckable());
}

TEST_F(Menus, TextFunkcjeMenu) {
    Start();
    EXPECT_EQ(Describe(main->Funkcje1),
              Expected({{"Sprawd1", "&Sprawdź pisownię", "", "Sprawdza pisownię w dokumencie"},
                        {"-"},
                        {"Konfiguracja1", "&Konfiguracja", "", "Wyświetla okno konfiguracji"},
                        {"-"},
                        {"Doszufladki1", "&Do szufladki", "Alt+F5",
                         "Minimalizuje program do szufladki systemowej"},
                        {"Pelnyekran1", "&Pełny ekran", "", "Maksymilizuje obszar roboczy"},
                        {"-"},
                        {"PrzekodujnaISO1", "Przekoduj na &ISO", "",
                         "Przekodowuje znaki na system ISO-8859-2"},
                        {"PrzekodujnaWindows1", "Przekoduj na &Windows", "",
                         "Przekodowuje znaki na system Windows-1250"}}));
}

TEST_F(Menus, EditorPopUp) {
    Start();
    EXPECT_EQ(
        Describe(main->PopEdytor1),
        Expected({{"Cofnij2", "&Cofnij", "", "Cofa ostatnią wykonaną czynność na edytorze"},
                  {"-"},
                  {"Wytnij2", "&Wytnij", "", "Usuwa zaznaczony tekst i umieszcza go w schowku"},
                  {"Kopiuj2", "&Kopiuj", "", "Kopiuje zaznaczony tekst do schowka"},
                  {"Wklej2", "Wk&lej", "", "Wkleja tekst ze schowka"},
                  {"Usu2", "&Usuń", "", "Usuwa zaznaczony tekst"},
                  {"-"},
                  {">Zmiena2", "&Zmień na"},
                  {"Zmianad1", "&duże znaki", "", "Zamienia znaki zaznaczonego tekstu na duże"},
                  {"Zmianam1", "&małe znaki", "", "Zamienia znaki zaznaczonego tekstu na małe"},
                  {"<"},
                  {"-"},
                  {"Zaznaczwszystko2", "&Zaznacz wszystko", "", "Zaznacza cały tekst"}}));
}

TEST_F(Menus, HexMenuBarHasItsFourItems) {
    Start();
    EXPECT_EQ(MenuBarTitles(main->HexMenu1),
              QStringList({"&Plik", "&Edycja", "&Funkcje", "©|Wyświetla informacje o programie"}));
}

TEST_F(Menus, HexPlikMenu) {
    Start();
    EXPECT_EQ(
        Describe(main->Datei1),
        Expected({{"Neu1", "&Nowy", "Ctrl+N", "Rozpoczyna nowy plik"},
                  {"ffnen1", "&Otwórz", "Ctrl+O", "Otwiera plik"},
                  {"Speichern1", "&Zapisz", "Ctrl+S", "Zapisuje zmiany do pliku"},
                  {">Speichernunter1", "Z&apisz jako"},
                  {"AnyFile1", "&Zwykły plik", "", "Zapisuje jako zwykły plik"},
                  {"HexText1", "&Tekst heksowy", "", "Zapisuje heksy jako tekst"},
                  {"<"},
                  {"ImportfromHexText1", "Wstaw z pliku", "", "Wstawia dane z pliku"},
                  {"Convertfile1", "Konwertuj plik", "",
                   "Konwertuje plik lub zaznaczony fragment na wybrany format"},
                  {"-"},
                  {"Print1", "&Drukuj", "", "Drukuje zawartość edytora"},
                  {"Printsetup1", "&Ustawienia drukarki", "", "Wyświetla okno ustawień wydruku"},
                  {"-"},
                  {"Beenden1", "&Koniec", "", "Wyjście z programu"}}));
}

TEST_F(Menus, HexEdycjaMenu) {
    Start();
    EXPECT_EQ(Describe(main->Bearbeiten1),
              Expected({{"Rckgngig1", "&Cofnij", "Ctrl+Z", "Cofa ostatnią wykonaną czynność"},
                        {"-"},
                        {"Ausschneiden1", "W&ytnij", "Ctrl+X", "Wycina zaznaczony ciąg znaków"},
                        {"Kopieren1", "&Kopiuj", "Ctrl+C", "Kopiuje zaznaczony ciąg znaków"},
                        {"Einfgen1", "&Wklej", "Ctrl+V", "Wkleja ciąg znaków ze schowka"},
                        {"PasteText1", "Wkl&ej tekst", "Shift+Ctrl+V", "Wkleja tekst ze schowka"},
                        {"-"},
                        {"Goto1", "&Idź do", "Ctrl+G", "Przechodzi do podanej pozycji w pliku"},
                        {"Find1", "&Znajdź", "Ctrl+F", "Wyszukuje ciąg znaków"},
                        {"-"},
                        {"SetAsHex1", "Wpisz jako &hex", "", "Wpisuje podaną wartość w heksach"},
                        {"SetAsText1", "Wpisz jako &tekst", "", "Wpisuje podany tekst"}}));
}

TEST_F(Menus, HexFunkcjeMenu) {
    Start();
    EXPECT_EQ(Describe(main->Funkcje2),
              Expected({{"Konfiguracja2", "&Konfiguracja", "", "Wyświetla okno konfiguracji"},
                        {"-"},
                        {"Doszufladki2", "&Do szufladki", "Alt+F5",
                         "Minimalizuje program do szufladki systemowej"},
                        {"Penyekran1", "&Pełny ekran", "", "Maksymilizuje obszar roboczy"}}));
}

TEST_F(Menus, TextToolBarButtonsAndHints) {
    Start();
    EXPECT_EQ(
        Buttons(main->PasekNarz),
        QStringList(
            {"PrzycNow1|Rozpoczyna nowy plik", "PrzycOtw1|Otwiera dokument do edycji",
             "PrzycZap1|Zapisuje zmiany do pliku", "PrzycZapJa1|Zapisuje jako wybrany plik", "-",
             "PrzycDrukuj1|Drukuje zawartość edytora", "-", "PrzycUsu1|Usuwa zaznaczony tekst",
             "PrzycWyt1|Usuwa zaznaczony tekst i umieszcza go w schowku",
             "PrzycKop1|Kopiuje zaznaczony tekst do schowka", "PrzycWkl1|Wkleja tekst ze schowka",
             "-", "PrzycPis1|Sprawdzanie pisowni", "PrzycZnaj1|Szuka ciągu znaków w tekście"}));
}

TEST_F(Menus, HexToolBarButtonsAndHints) {
    Start();
    EXPECT_EQ(Buttons(main->PasekHex1),
              QStringList({"SpeedItem1|Rozpoczyna nowy plik", "SpeedItem2|Otwiera plik",
                           "SpeedItem3|Zapisuje zmiany do pliku", "-",
                           "SpeedItem4|Drukuje zawartość edytora", "-",
                           "SpeedItem6|Wycina zaznaczony ciąg znaków",
                           "SpeedItem7|Kopiuje zaznaczony ciąg znaków",
                           "SpeedItem8|Wkleja ciąg znaków ze schowka", "-",
                           "SpeedItem9|Wyszukuje ciąg znaków"}));
}

TEST_F(Menus, ToolBarPopUpHoldsOnlyKonfiguracja) {
    Start();
    EXPECT_EQ(Describe(main->PopPasek1),
              Expected({{"Konfiguracja3", "&Konfiguracja", "", "Wyświetla okno konfiguracji"}}));
    std::unique_ptr<QMenu> windowPopUp(main->createPopupMenu());
    ASSERT_EQ(windowPopUp->actions().size(), 1);
    EXPECT_EQ(windowPopUp->actions()[0], main->Konfiguracja3);
}

// ---- Enabling
// ------------------------------------------------------------------------------------

TEST_F(Menus, EdycjaOpenedWithoutSelectionDisablesTheSelectionItems) {
    Start();
    Type("abc");
    Q_EMIT main->Edycja1->aboutToShow();
    EXPECT_FALSE(main->Wytnij1->isEnabled());
    EXPECT_FALSE(main->Kopiuj1->isEnabled());
    EXPECT_FALSE(main->Usu1->isEnabled());
    EXPECT_FALSE(main->Zmiena1->menuAction()->isEnabled());
    EXPECT_TRUE(main->Cofnij1->isEnabled());
    EXPECT_TRUE(main->Wklej1->isEnabled());
    EXPECT_TRUE(main->Znajd1->isEnabled());
}

TEST_F(Menus, EdycjaOpenedWithSelectionEnablesThem) {
    Start();
    Q_EMIT main->Edycja1->aboutToShow();
    EXPECT_FALSE(main->Cofnij1->isEnabled()); // nothing to undo yet
    Type("abc");
    Editor().SelectAll();
    Q_EMIT main->Edycja1->aboutToShow();
    EXPECT_TRUE(main->Wytnij1->isEnabled());
    EXPECT_TRUE(main->Kopiuj1->isEnabled());
    EXPECT_TRUE(main->Usu1->isEnabled());
    EXPECT_TRUE(main->Zmiena1->menuAction()->isEnabled());
}

TEST_F(Menus, PopUpComputesItsItemsWhenItOpens) {
    Start();
    Q_EMIT main->PopEdytor1->aboutToShow();
    EXPECT_FALSE(main->Wytnij2->isEnabled());
    EXPECT_FALSE(main->Cofnij2->isEnabled());
    Type("ab");
    Editor().SelectAll();
    Q_EMIT main->PopEdytor1->aboutToShow();
    EXPECT_TRUE(main->Wytnij2->isEnabled());
    EXPECT_TRUE(main->Usu2->isEnabled());
    EXPECT_TRUE(main->Cofnij2->isEnabled());
}

TEST_F(Menus, ClosedMenuLeavesItsShortcutItemsReady) {
    Start();
    Q_EMIT main->Edycja1->aboutToShow();
    ASSERT_FALSE(main->Wytnij1->isEnabled());
    Q_EMIT main->Edycja1->aboutToHide();
    EXPECT_TRUE(main->Wytnij1->isEnabled());
    EXPECT_TRUE(main->Cofnij1->isEnabled());
}

TEST_F(Menus, EditorShortcutsGoThroughTheMenuItems) {
    Start();
    Type("one two");
    Editor().SetSelStart(0);
    Editor().SetSelLength(4);
    int cuts = 0;
    QObject::connect(main->Wytnij1, &QAction::triggered, [&] { ++cuts; });
    QTest::keyClick(Editor().Widget(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(cuts, 1);
    EXPECT_EQ(Editor().Text(), "two");
    EXPECT_EQ(QApplication::clipboard()->text(), "one ");
}

TEST_F(Menus, ShortcutOfADisabledItemDoesNothing) {
    Start();
    Type("abc");
    QApplication::clipboard()->setText("sentinel");
    QTest::keyClick(Editor().Widget(), Qt::Key_C, Qt::ControlModifier); // nothing selected
    EXPECT_EQ(QApplication::clipboard()->text(), "sentinel");
    QTest::keyClick(Editor().Widget(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Editor().SelLength(), 3);
}

TEST(MenuEnabling, ACommandWhoseItemEndsUpDisabledDoesNotRun) {
    QMenu menu;
    QAction* item = menu.addAction("item");
    item->setShortcut(QKeySequence("Ctrl+K"));
    bool allowed = false;
    int computed = 0, ran = 0;
    TMenuEnabling enabling(&menu, [&] {
        ++computed;
        item->setEnabled(allowed);
    });
    enabling.Trigger(item, [&] { ++ran; });
    EXPECT_EQ(computed, 1);
    EXPECT_EQ(ran, 0);
    EXPECT_TRUE(item->isEnabled()); // ready for its shortcut again
    allowed = true;
    enabling.Trigger(item, [&] { ++ran; });
    EXPECT_EQ(ran, 1);
}

// ---- Hints
// ------------------------------------------------------------------------------------------

TEST_F(Menus, MenuItemHintGoesToTheHintPanels) {
    Start();
    main->Zapisz2->showStatusText(main->MainMenu1);
    EXPECT_EQ(TextPanel(3), "Zapisuje zmiany do pliku");
    EXPECT_EQ(HexPanel(5), "Zapisuje zmiany do pliku");
    QStatusTipEvent leave(QString{});
    QApplication::sendEvent(main->MainMenu1, &leave);
    EXPECT_EQ(TextPanel(3), "");
}

TEST_F(Menus, HoveredToolButtonShowsItsHint) {
    Start();
    QWidget* button = main->PasekNarz->widgetForAction(main->PrzycWkl1);
    ASSERT_NE(button, nullptr);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(TextPanel(3), "Wkleja tekst ze schowka");
    EXPECT_EQ(HexPanel(5), "Wkleja tekst ze schowka");
}

TEST_F(Menus, ShortcutsBelongToTheMenuBarOfTheTabInFront) {
    Start();
    int textNew = 0, hexNew = 0;
    QObject::connect(main->Nowy2, &QAction::triggered, [&] { ++textNew; });
    QObject::connect(main->Neu1, &QAction::triggered, [&] { ++hexNew; });
    QTest::keyClick(Editor().Widget(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(textNew, 1);
    EXPECT_EQ(hexNew, 0);
    main->PageControl1->setCurrentIndex(1);
    Settle();
    QTest::keyClick(main->HexEditor1, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(textNew, 1);
    EXPECT_EQ(hexNew, 1);
}
