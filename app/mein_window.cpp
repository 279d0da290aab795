// Building the main window: central area, status bars, image holders, file
// dialogs, and the plumbing of window events into the handlers.
#include "dialogs/commandguard.h"
#include "app/edytorwidget.h"
#include "app/gradient.h"
#include "app/icons.h"
#include "app/mein.h"
#include "app/menuenabling.h"
#include "app/picturetoolbar.h"
#include "app/statuspanels.h"
#include "app/textcontrol.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString kUntitledCaption = QStringLiteral("Vorbix 2 - Bez nazwy");
}

TMain::TMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Main"));
    Tyt1 = Tyt2 = kUntitledCaption;
    // The design bounds, wide enough for a whole 16-byte hex row in the
    // factory font; the settings may place the window elsewhere.
    setGeometry(194, 109, 760, 540);
    toolBarBackground_ = icons::ToolBarBackground();

    CreateImageHolders();
    CreateCentralArea();
    CreateStatusBars();
    CreateFileDialogs();
    Edytor->OnChange = [this] { RunGuarded([this] { EdytorChange(); }); };
    Edytor->OnSelectionChange = [this] { RunGuarded([this] { EdytorSelectionChange(); }); };

    MenuHost = new QWidget(this);
    MenuHost->setObjectName(QStringLiteral("MenuHost"));
    auto* menus = new QVBoxLayout(MenuHost);
    menus->setContentsMargins(0, 0, 0, 0);
    menus->setSpacing(0);
    MainMenu1 = new QMenuBar(MenuHost);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    HexMenu1 = new QMenuBar(MenuHost);
    HexMenu1->setObjectName(QStringLiteral("HexMenu1"));
    HexMenu1->hide(); // the text tab's bars are the ones shown at start
    for (QMenuBar* bar : {MainMenu1, HexMenu1}) {
        bar->setNativeMenuBar(false);
        menus->addWidget(bar);
    }
    setMenuWidget(MenuHost);
    CreateMainMenu1();
    CreateHexMenu1();
    CreatePopEdytor1();
    CreatePopPasek1();
    CreatePasekNarz();
    CreatePasekHex1();

    // The editor leaves the keys of the text menu bar to their items.
    QList<QKeySequence> reserved;
    for (QAction* top : MainMenu1->actions())
        if (QMenu* menu = top->menu())
            for (QAction* a : menu->actions())
                if (!a->shortcut().isEmpty()) reserved << a->shortcut();
    Edytor->Widget()->SetReservedShortcuts(reserved);

    Edytor->Widget()->setFocus(); // typing goes to the text at once
    SetCaption(kUntitledCaption);
    Informator->SetPanelText(0, QStringLiteral("Nie zmieniony"));
    EdytorChange();
    Informator->SetPanelText(0, QStringLiteral("Nie zmieniony"));
    ShowLineColumn();
}

TMainImages TMain::Images() const {
    return TMainImages{PrzycOk1->icon(), PrzycAnul1->icon(), toolBarBackground_};
}

void TMain::CreateImageHolders() {
    PrzycOk1 = new QToolButton(this);
    PrzycOk1->setObjectName(QStringLiteral("PrzycOk1"));
    PrzycOk1->setIcon(icons::Ok());
    PrzycOk1->hide();
    PrzycAnul1 = new QToolButton(this);
    PrzycAnul1->setObjectName(QStringLiteral("PrzycAnul1"));
    PrzycAnul1->setIcon(icons::Cancel());
    PrzycAnul1->hide();
}

void TMain::CreateCentralArea() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Gradient = new TGradient(central);
    layout->addWidget(Gradient);

    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);
    layout->addWidget(PageControl1, 1);

    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    auto* textPage = new QVBoxLayout(TabSheet1);
    textPage->setContentsMargins(0, 0, 0, 0);
    Edytor = new TTextControl(TabSheet1);
    textPage->addWidget(Edytor->Widget());
    Edytor->Widget()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Edytor->Widget(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopEdytor1->popup(Edytor->Widget()->mapToGlobal(at)); });
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    Edytor->SetFont(font);

    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    auto* hexPage = new QVBoxLayout(TabSheet2);
    hexPage->setContentsMargins(0, 0, 0, 0);

    PageControl1->addTab(TabSheet1, QStringLiteral("Edytor tekstu"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Edytor heksacyjny"));
    PageControl1->setCurrentIndex(0);
    connect(PageControl1, &QTabWidget::currentChanged, this,
            [this] { RunGuarded([this] { PageControl1Change(); }); });
    setCentralWidget(central);

    CreateHexEditor(); // fills TabSheet2
}

void TMain::CreateStatusBars() {
    StatusHost = new QStatusBar(this);
    StatusHost->setObjectName(QStringLiteral("StatusHost"));
    StatusHost->setStyleSheet(QStringLiteral("QStatusBar::item { border: none; }"));
    const auto centre = Qt::AlignHCenter;
    Informator = new TStatusPanels(
        QStringLiteral("Informator"),
        {{100, centre}, {100, centre}, {50, centre}, {50, Qt::AlignLeft}}, StatusHost);
    StatusBar1 = new TStatusPanels(QStringLiteral("StatusBar1"),
                                   {{100, centre},
                                    {150, centre},
                                    {80, centre},
                                    {38, centre},
                                    {80, centre},
                                    {50, Qt::AlignLeft}},
                                   StatusHost);
    // "%3d:%3d" grows past its panel from line 1000 on; let it stay readable.
    Informator->Panel(2)->setFixedWidth(qMax(
        50,
        Informator->Panel(2)->fontMetrics().horizontalAdvance(QStringLiteral("99999:999")) + 8));
    // One ordinary layout holds both bars, so the hidden one takes no room.
    auto* bars = new QWidget(StatusHost);
    auto* layout = new QHBoxLayout(bars);
    layout->setContentsMargins(0, 0, 0, 0);
    Informator->setParent(bars);
    StatusBar1->setParent(bars);
    StatusBar1->hide(); // before any layout has measured it
    layout->addWidget(Informator);
    layout->addWidget(StatusBar1);
    StatusHost->addWidget(bars, 1);
    setStatusBar(StatusHost);
}

void TMain::CreateFileDialogs() {
    DialOtw1 = {TFileDialog::Open,
                QStringLiteral("Dokumenty tekstowe|*.txt|Wszystkie pliki|*.*"),
                QStringLiteral("txt"),
                {},
                {}};
    DialZap1 = {TFileDialog::Save,
                QStringLiteral("Dokumenty tekstowe|*.txt|Inny plik|*.*"),
                QStringLiteral("txt"),
                {},
                {}};
    OtwDial2 = {TFileDialog::Open, QStringLiteral("Wszytkie pliki|*.*"), {}, {}, {}};
    ZapDial2 = {TFileDialog::Save, QStringLiteral("Wszystkie pliki|*.*"), {}, {}, {}};
}

// ---- Building blocks of menus and tool bars ---------------------------------------------

QAction* TMain::Command(QAction* action, TMenuEnabling* enabling, Handler handler) {
    connect(action, &QAction::triggered, this, [this, action, enabling, handler] {
        RunGuarded([&] {
            if (enabling)
                enabling->Trigger(action, [&] { (this->*handler)(); });
            else
                (this->*handler)();
        });
    });
    return action;
}

QAction* TMain::Item(QMenu* menu, TMenuEnabling* enabling, const char* name, const QString& caption,
                     const QKeySequence& shortcut, const QString& hint, Handler handler) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setStatusTip(hint);
    menu->addAction(action);
    return Command(action, enabling, handler);
}

QAction* TMain::Button(QToolBar* bar, const char* name, int image, const QString& hint,
                       Handler handler) {
    auto* action = new QAction(icons::ImageList(image), hint, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    bar->addAction(action);
    if (QWidget* button = bar->widgetForAction(action))
        button->setObjectName(QString::fromLatin1(name));
    return Command(action, nullptr, handler);
}

QToolBar* TMain::NewToolBar(const char* name, const QString& title, bool shown) {
    auto* bar = new TPictureToolBar(title, this);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setIconSize(QSize(16, 16));
    bar->setContextMenuPolicy(Qt::CustomContextMenu);
    bar->toggleViewAction()->setVisible(false);
    connect(bar, &QWidget::customContextMenuRequested, this,
            [this, bar](const QPoint& at) { PopPasek1->popup(bar->mapToGlobal(at)); });
    if (!shown) bar->hide(); // before the window's layout has measured it
    addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

// ---- Window events -----------------------------------------------------------------------------

bool TMain::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // The hint line: menu items and tool buttons report their hints here.
        AplikacjaHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Every show reads the settings anew; a show the window system makes (back
    // from minimised) or a border change is no show of the program's.
    if (!event->spontaneous() && !reshowing_) RunGuarded([this] { RestoreSettings(); });
    RunGuarded([this] { FormShow(); });
}

void TMain::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    RunGuarded([&] { mayClose = FormCloseQuery(); });
    if (mayClose) RunGuarded([this] { SaveSettingsAtClose(); });
    event->setAccepted(mayClose);
}

void TMain::dragEnterEvent(QDragEnterEvent* event) {
    if (TEdytorWidget::HasLocalFiles(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TMain::dragMoveEvent(QDragMoveEvent* event) {
    if (TEdytorWidget::HasLocalFiles(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TMain::dropEvent(QDropEvent* event) {
    RunGuarded([&] { HandleDroppedFiles(event->mimeData()); });
    event->acceptProposedAction(); // the drop is finished whatever happened
}

QMenu* TMain::createPopupMenu() {
    // The window's own pop-up (shown over the tool bar area) is the tool bars' one.
    auto* menu = new QMenu(this);
    menu->addAction(Konfiguracja3);
    return menu;
}
