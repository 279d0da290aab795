// The text tab's "Eksport do RTF", "Wstaw tekst z pliku" and "Wstaw tekst do pliku".
#include "app/mein.h"

#include "app/busycursor.h"
#include "app/textcontrol.h"
#include "appcore/rtfreader.h"
#include "appcore/rtfwriter.h"
#include "base/cp1250.h"
#include "base/safewriter.h"
#include "dialogs/diaok.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace {
// Files bigger than this are left to the hex editor.
constexpr qint64 kMaxInsertBytes = qint64(256) * 1024 * 1024;
constexpr qint64 kCopyBlock = qint64(1) << 20;
// The end of an old DOS text: a 0x1A among the last 128 bytes cuts the file there.
constexpr qint64 kEofStretch = 128;

TRtfFont RtfFontOf(const QFont& font) {
    TRtfFont f;
    f.Family = font.family();
    f.PointSize = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    f.Bold = font.bold();
    f.Italic = font.italic();
    return f;
}

// The editor holds Windows-1250 text: a character from elsewhere is taken
// without its accent where that makes it one, otherwise as '?'.
QString EditorCharacters(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n' || cp1250::FromUnicode(c.unicode()) >= 0) {
            out += c;
        } else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            out += u'\n';
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += u'?';
            ++i;
        } else {
            const QString d = c.decomposition();
            out += !d.isEmpty() && cp1250::FromUnicode(d[0].unicode()) >= 0 ? d[0] : QChar(u'?');
        }
    }
    return out;
}

// The text a file holds: an RTF document's text, any other file's bytes.
QString TextOfFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot open " + fileName.toStdString());
    if (file.size() > kMaxInsertBytes)
        throw std::runtime_error("too large to insert: " + fileName.toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw std::runtime_error("cannot read " + fileName.toStdString());
    if (rtf::LooksLikeRtf(bytes)) return EditorCharacters(rtf::ToText(bytes));
    return cp1250::Decode(bytes);
}

// Where the old file's bytes end: at the first 0x1A of its last 128 bytes.
bool KeptLength(QFile& file, qint64& keep) {
    const qint64 size = file.size();
    const qint64 tail = qMin(size, kEofStretch);
    if (!file.seek(size - tail)) return false;
    const QByteArray last = file.read(tail);
    if (last.size() != tail) return false;
    const qsizetype eof = last.indexOf('\x1A');
    keep = eof < 0 ? size : size - tail + eof;
    return true;
}
} // namespace

bool TMain::ExportRtf(const QString& fileName) const {
    const QString text = Edytor->Text();
    return safewrite::WriteBlocks(fileName, [&](const safewrite::TSink& sink) {
        TRtfWriter writer(RtfFontOf(Edytor->Font()), sink);
        return writer.Begin() && writer.Text(text) && writer.End();
    });
}

bool TMain::AppendLines(const QString& fileName) const {
    QFile old(fileName);
    if (!QFileInfo(fileName).isFile() || !old.open(QIODevice::ReadOnly)) return false;
    qint64 keep = 0;
    if (!KeptLength(old, keep) || !old.seek(0)) return false;
    return safewrite::WriteBlocks(fileName, [&](const safewrite::TSink& sink) {
        for (qint64 done = 0; done < keep;) {
            const QByteArray block = old.read(qMin(kCopyBlock, keep - done));
            if (block.isEmpty() || !sink(block)) return false;
            done += block.size();
        }
        QByteArray lines;
        bool ok = true;
        Edytor->ForEachLine([&](QStringView line) {
            if (!ok) return;
            lines += cp1250::Encode(line);
            lines += "\r\n";
            if (lines.size() >= kCopyBlock) {
                ok = sink(lines);
                lines.clear();
            }
        });
        return ok && (lines.isEmpty() || sink(lines));
    });
}

void TMain::EksportdoRTF2Click() {
    EkspDial1.Kind = TFileDialog::Save;
    EkspDial1.Filter = QStringLiteral("Rich Text Format|*.rtf");
    EkspDial1.DefaultExt = QStringLiteral("rtf");
    EkspDial1.Title = QStringLiteral("Zapisz plik w formacie RTF");
    if (EkspDial1.FileName.isEmpty() && !DialZap1.FileName.isEmpty()) {
        // The first export offers the document's own name beside it.
        const QFileInfo doc(DialZap1.FileName);
        EkspDial1.FileName = doc.dir().filePath(doc.completeBaseName() + QStringLiteral(".rtf"));
    }
    if (!EkspDial1.Execute(this)) return;
    bool saved = false;
    {
        TBusyCursor busy;
        saved = ExportRtf(EkspDial1.FileName);
    }
    if (!saved)
        ShowMessageDialog(QStringLiteral("Eksport do RTF"),
                          QStringLiteral("Operacja eksportu do formatu RTF nie powiodła się."));
}

// The converted text goes straight into the editor: the clipboard keeps what
// the user put there.
void TMain::Wstawtekstzpliku2Click() {
    WstawDial1.Kind = TFileDialog::Open;
    WstawDial1.Filter = QStringLiteral("Dokumenty tekstowe|*.txt|Strony WWW|*.htm;*.html|Rich "
                                       "Text Format|*.rtf|Wszystkie pliki|*.*");
    WstawDial1.DefaultExt.clear();
    WstawDial1.Title = QStringLiteral("Wybierz plik");
    if (!WstawDial1.Execute(this)) return;
    TBusyCursor busy;
    const QString text = TextOfFile(WstawDial1.FileName); // a failure ends in the error message
    Edytor->SetSelText(text);
}

void TMain::Wstawtekstdopliku1Click() {
    WstawDial1.Kind = TFileDialog::Open;
    WstawDial1.Filter =
        QStringLiteral("Strony WWW|*.htm;*.html|Dokumenty tekstowe|*.txt|Wszystkie pliki|*.*");
    WstawDial1.DefaultExt.clear();
    WstawDial1.Title = QStringLiteral("Wybierz plik");
    if (!WstawDial1.Execute(this)) return;
    bool appended = false;
    {
        TBusyCursor busy;
        appended = AppendLines(WstawDial1.FileName);
    }
    if (!appended)
        ShowMessageDialog(QStringLiteral("Wstaw tekst do pliku"),
                          QStringLiteral("Operacja wstawiania tekstu do pliku nie powiodła się."));
}
