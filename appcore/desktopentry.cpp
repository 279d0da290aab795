#include "appcore/desktopentry.h"

#include "appcore/inidocument.h"

#include <QStandardPaths>
#include <QStringList>

namespace desktop {
namespace {

QStringList Ids(const QString& list) {
    QStringList ids;
    for (const QString& id : list.split(QLatin1Char(';')))
        if (!id.trimmed().isEmpty()) ids << id.trimmed();
    return ids;
}

QString JoinIds(const QStringList& ids) {
    return ids.join(QLatin1Char(';')) + QLatin1Char(';');
}

} // namespace

QString ExecArgument(const QString& argument) {
    // Quoting level: inside double quotes, \ " ` $ take a backslash.
    QString quoted;
    for (QChar c : argument) {
        if (c == u'\\' || c == u'"' || c == u'`' || c == u'$') quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    // String level of the file, then field codes.
    QString out;
    for (QChar c : quoted) {
        if (c == u'\\')
            out += QLatin1String("\\\\");
        else if (c == u'\n')
            out += QLatin1String("\\n");
        else if (c == u'\r')
            out += QLatin1String("\\r");
        else if (c == u'\t')
            out += QLatin1String("\\t");
        else if (c == u'%')
            out += QLatin1String("%%");
        else
            out += c;
    }
    return out;
}

QByteArray DesktopEntry(const QString& programPath) {
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Vorbix\n"
                                        "GenericName=Edytor tekstu\n"
                                        "Comment=Edytor plików tekstowych i edytor heksacyjny\n"
                                        "Exec=%1 %f\n"
                                        "Icon=%2\n"
                                        "Terminal=false\n"
                                        "MimeType=text/plain;\n"
                                        "Categories=Utility;TextEditor;\n")
                             .arg(ExecArgument(programPath), kIconName);
    return text.toUtf8();
}

QByteArray WithTextDefault(QByteArrayView mimeapps) {
    auto doc = ini::TIniDocument::Parse(mimeapps);
    QStringList ids = Ids(doc.RawValue(kDefaultsGroup, kTextMime).value_or(QString()));
    ids.removeAll(kDesktopId);
    ids.prepend(kDesktopId);
    doc.SetRawValue(kDefaultsGroup, kTextMime, JoinIds(ids));
    return doc.Serialize();
}

std::optional<QByteArray> WithoutTextDefault(QByteArrayView mimeapps) {
    auto doc = ini::TIniDocument::Parse(mimeapps);
    const auto value = doc.RawValue(kDefaultsGroup, kTextMime);
    if (!value) return std::nullopt;
    QStringList ids = Ids(*value);
    if (ids.removeAll(kDesktopId) == 0) return std::nullopt;
    if (ids.isEmpty())
        doc.RemoveKey(kDefaultsGroup, kTextMime);
    else
        doc.SetRawValue(kDefaultsGroup, kTextMime, JoinIds(ids));
    return doc.Serialize();
}

QString DesktopEntryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/applications/") + kDesktopId;
}

QString MimeAppsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/mimeapps.list");
}

QString UserIconPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/icons/hicolor/scalable/apps/") + kIconName + QStringLiteral(".svg");
}

} // namespace desktop
