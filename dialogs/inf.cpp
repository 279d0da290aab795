#include "dialogs/inf.h"

#include "appcore/operplik.h"
#include "dialogs/appicon.h"
#include "dialogs/backgroundbar.h"
#include "dialogs/commandguard.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

TInfo* Info = nullptr;

const QString TInfo::kWebPage = QStringLiteral("https://vorbix.example.org/");
const QString TInfo::kEmail = QStringLiteral("vorbix@example.org");

namespace {

// A label whose text is drawn twice: a black shadow one pixel down and right, then the text.
class TShadowLabel : public QWidget {
public:
    TShadowLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
        setAttribute(Qt::WA_TranslucentBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setFont(font());
        p.setPen(Qt::black);
        p.drawText(rect().translated(1, 1), Qt::AlignLeft | Qt::AlignTop, text_);
        p.setPen(QColor(255, 0, 0));
        p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop, text_);
    }

private:
    QString text_;
};

QLabel* Label(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->move(at);
    l->adjustSize();
    return l;
}

QFrame* Bevel(QWidget* parent, const char* name, const QRect& place, QFrame::Shadow shadow) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameStyle(QFrame::Panel | shadow);
    f->setGeometry(place);
    return f;
}

void Link(QLabel* label) {
    QFont f = label->font();
    f.setUnderline(true);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(pal);
    label->setCursor(Qt::PointingHandCursor);
    label->adjustSize();
}

// The author's picture: the program's tile on the panel's colour.
QPixmap Picture() {
    QPixmap pm(40, 52);
    pm.fill(QColor(184, 184, 164));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(2, 8);
    p.scale(36 / 64.0, 36 / 64.0);
    icons::DrawAppIcon(p);
    return pm;
}

} // namespace

TInfo::TInfo(const TMainImages& images, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Info"));
    setWindowTitle(QStringLiteral("O programie"));
    setFixedSize(252, 164);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    TloPs1 = new TBackgroundBar(this);
    TloPs1->setObjectName(QStringLiteral("TloPs1"));
    TloPs1->setGeometry(0, 0, 346, 164); // wide enough for the widened box

    Bevel1 = Bevel(this, "Bevel1", {6, 4, 239, 47}, QFrame::Raised);
    auto* title = new TShadowLabel(QStringLiteral("Vorbix 2.0"), this);
    title->setObjectName(QStringLiteral("RxLabel1"));
    QFont titleFont(QStringLiteral("Courier New"));
    titleFont.setPixelSize(27);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setGeometry(44, 4, 162, 31);
    RxLabel1 = title;
    Label3 = Label(this, "Label3", QStringLiteral("Copyright © Zespół projektu Vorbix"), {38, 32});
    Label3->installEventFilter(this);

    Label1 = Label(this, "Label1", QStringLiteral("Autor:"), {6, 60});
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    QPalette maroon = Label1->palette();
    maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
    Label1->setPalette(maroon);
    Label1->adjustSize();
    Label2 = Label(this, "Label2", QStringLiteral("Zespół projektu Vorbix"), {46, 60});
    Label2->setFont(bold);
    Label2->adjustSize();
    Naphttp1 = Label(this, "Naphttp1", kWebPage, {6, 80});
    Link(Naphttp1);
    Naphttp1->installEventFilter(this);
    NapEmail1 = Label(this, "NapEmail1", QStringLiteral("Email: ") + kEmail, {6, 96});
    Link(NapEmail1);
    NapEmail1->installEventFilter(this);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(198, 56, 47, 59);
    QPalette panel = Panel1->palette();
    panel.setColor(QPalette::Window, QColor(184, 184, 164)); // 10795192
    Panel1->setPalette(panel);
    Panel1->setAutoFillBackground(true);
    Zdjec1 = new QLabel(Panel1);
    Zdjec1->setObjectName(QStringLiteral("Zdjec1"));
    Zdjec1->setGeometry(3, 3, 40, 52);
    Zdjec1->setPixmap(Picture());

    Bevel2 = Bevel(this, "Bevel2", {6, 118, 239, 39}, QFrame::Sunken);
    Notka1 = new QLabel(QStringLiteral("Edytor tekstu i edytor heksacyjny. Program jest "
                                       "rozpowszechniany bez żadnej gwarancji."),
                        this);
    Notka1->setObjectName(QStringLiteral("Notka1"));
    Notka1->setWordWrap(true);
    Notka1->setAlignment(Qt::AlignCenter);
    Notka1->setGeometry(10, 120, 231, 35);

    Podziek1 = new QLabel(QStringLiteral("Dziękujemy za korzystanie z programu!"), this);
    Podziek1->setObjectName(QStringLiteral("Podziek1"));
    Podziek1->setWordWrap(true);
    Podziek1->setAlignment(Qt::AlignCenter);
    Podziek1->setGeometry(254, 56, 86, 60);

    FormCreate(images);
    Info = this;
}

TInfo::~TInfo() {
    if (Info == this) Info = nullptr;
}

void TInfo::FormCreate(const TMainImages& images) {
    TloPs1->SetPicture(images.PasekNarzBackground);
}

void TInfo::Label3Click() {
    setFixedWidth(346);
}

void TInfo::Naphttp1Click() {
    OpenWithShell(parentWidget(), kWebPage, QString(), QString(), 5);
}

void TInfo::NapEmail1Click() {
    OpenWithShell(parentWidget(), QStringLiteral("mailto:") + kEmail, QString(), QString(), 5);
}

bool TInfo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Label3) RunGuarded([this] { Label3Click(); });
        if (watched == Naphttp1) RunGuarded([this] { Naphttp1Click(); });
        if (watched == NapEmail1) RunGuarded([this] { NapEmail1Click(); });
    }
    return QDialog::eventFilter(watched, event);
}

void TInfo::showEvent(QShowEvent* event) {
    if (const QScreen* screen = this->screen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    QDialog::showEvent(event);
}
