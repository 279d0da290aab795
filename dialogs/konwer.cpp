#include "dialogs/konwer.h"

#include "dialogs/backgroundbar.h"
#include "hexeditor/core/charsets.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TKonwert* Konwert = nullptr;

namespace {
QListWidget* SetList(QWidget* parent, const char* name, int left) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(left, 22, 121, 147);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int t = 0; t <= 4; ++t)
        list->addItem(QString::fromLatin1(TranslationLabel(t)));
    return list;
}
} // namespace

TKonwert::TKonwert(const TMainImages& images, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Konwert"));
    setFixedSize(261, 203);
    QFont small(QStringLiteral("MS Sans Serif"));
    small.setPixelSize(11);
    setFont(small);
    TloPs1 = new TBackgroundBar(this);
    TloPs1->setGeometry(rect());

    Label1 = new QLabel(QStringLiteral("Z:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(6, 6);
    Label2 = new QLabel(QStringLiteral("Do:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(132, 6);
    ListBox1 = SetList(this, "ListBox1", 6);
    ListBox2 = SetList(this, "ListBox2", 132);
    Label1->setBuddy(ListBox1);
    Label2->setBuddy(ListBox2);
    for (QListWidget* list : {ListBox1, ListBox2})
        connect(list, &QListWidget::itemSelectionChanged, this, [this] { ListBox1Click(); });

    PrzycKonw1 = new QPushButton(QStringLiteral("&Konwertuj"), this);
    PrzycKonw1->setObjectName(QStringLiteral("PrzycKonw1"));
    PrzycKonw1->setGeometry(6, 172, 99, 25);
    PrzycKonw1->setFlat(true);
    connect(PrzycKonw1, &QPushButton::clicked, this, [this] { PrzycKonw1Click(); });

    PrzycZamk1 = new QPushButton(QStringLiteral("&Rozmyśliłem się"), this);
    PrzycZamk1->setObjectName(QStringLiteral("PrzycZamk1"));
    PrzycZamk1->setGeometry(106, 172, 149, 25);
    PrzycZamk1->setFlat(true);
    connect(PrzycZamk1, &QPushButton::clicked, this, [this] { PrzycZamk1Click(); });
    FormCreate(images);
    if (!Konwert) Konwert = this;
}

TKonwert::~TKonwert() {
    if (Konwert == this) Konwert = nullptr;
}

void TKonwert::FormCreate(const TMainImages& images) {
    TloPs1->SetPicture(images.PasekNarzBackground);
    PrzycZamk1->setIcon(images.PrzycAnul1);
}

int TKonwert::Chosen(const QListWidget* list) {
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    return chosen.isEmpty() ? -1 : list->row(chosen.first());
}

void TKonwert::ListBox1Click() {
    PrzycKonw1->setEnabled(Source() >= 0 && Target() >= 0 && Source() != Target());
}

void TKonwert::PrzycKonw1Click() {
    accept();
}

void TKonwert::PrzycZamk1Click() {
    reject();
}
