#include "dialogs/dialogseam.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QPushButton>

namespace seam {
namespace {
Hook& TheHook() {
    static Hook hook;
    return hook;
}

std::optional<Reply> Ask(const Request& request) {
    if (!TheHook()) return std::nullopt;
    // Copy: the hook may replace itself while answering.
    Hook hook = TheHook();
    return hook(request);
}

// The program's file dialogs all carry "path must exist": a save dialog takes
// no name in a folder that does not exist, nor a folder, and stays open.
bool PathExists(const QString& name) {
    const QFileInfo info(name);
    return !info.isDir() && info.absoluteDir().exists();
}

class TPathMustExistDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList files = selectedFiles();
        if (acceptMode() == AcceptSave && !files.isEmpty() && !QFileInfo(files.first()).isDir() &&
            !PathExists(files.first())) {
            QMessageBox::warning(this, windowTitle(),
                                 QFileInfo(files.first()).absolutePath() +
                                     QStringLiteral("\nTaki folder nie istnieje.\nSprawdź, czy "
                                                    "ścieżka jest poprawna."));
            return;
        }
        QFileDialog::accept();
    }
};

std::optional<QString> RunFileDialog(QWidget* parent, Kind kind, const QString& title,
                                     const QString& startName, const QString& filter,
                                     const QString& defaultSuffix) {
    Request request;
    request.kind = kind;
    request.caption = title;
    request.value = startName;
    request.filter = filter;
    request.defaultSuffix = defaultSuffix;
    // A scripted name the real dialog would refuse keeps the dialog open: it is asked again.
    for (int asked = 0; asked < 100; ++asked) {
        const std::optional<Reply> reply = Ask(request);
        if (!reply) break;
        if (reply->result != QDialog::Accepted || reply->value.isEmpty()) return std::nullopt;
        if (kind != Kind::SaveFile || PathExists(reply->value)) return reply->value;
        if (asked == 99) return std::nullopt;
    }

    TPathMustExistDialog dialog(parent, title);
    dialog.setNameFilters(ToQtFilters(filter));
    dialog.setDefaultSuffix(defaultSuffix);
    if (kind == Kind::OpenFile) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    }
    if (!startName.isEmpty()) {
        const QFileInfo info(startName);
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) return std::nullopt;
    return files.first();
}
} // namespace

Reply Reply::Button(QMessageBox::StandardButton button) {
    return Reply{int(button), {}};
}
Reply Reply::Accept(const QString& value) {
    return Reply{QDialog::Accepted, value};
}
Reply Reply::Reject() {
    return Reply{QDialog::Rejected, {}};
}
Reply Reply::Result(int code) {
    return Reply{code, {}};
}

void SetHook(Hook hook) {
    TheHook() = std::move(hook);
}
Hook CurrentHook() {
    return TheHook();
}
bool HasHook() {
    return bool(TheHook());
}

QMessageBox::StandardButton Question(QWidget* parent, const QString& caption, const QString& text,
                                     QMessageBox::StandardButtons buttons, QMessageBox::Icon icon) {
    Request request;
    request.kind = Kind::Question;
    request.caption = caption;
    request.text = text;
    request.buttons = buttons;
    request.icon = icon;
    if (auto reply = Ask(request)) return QMessageBox::StandardButton(reply->result);

    QMessageBox box(icon, caption, text, buttons, parent);
    for (auto b : {QMessageBox::Yes, QMessageBox::Ok})
        if (buttons.testFlag(b)) {
            box.setDefaultButton(b);
            break;
        }
    if (buttons.testFlag(QMessageBox::Cancel)) box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    if (clicked == QMessageBox::NoButton)
        return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::NoButton;
    return clicked;
}

void ShowMessage(QDialog& dialog, const QString& caption, const QString& text) {
    Request request;
    request.kind = Kind::Message;
    request.caption = caption;
    request.text = text;
    request.dialog = &dialog;
    if (Ask(request)) return;
    dialog.exec();
}

int RunDialog(QDialog& dialog) {
    Request request;
    request.kind = Kind::Dialog;
    request.caption = dialog.windowTitle();
    request.dialog = &dialog;
    if (auto reply = Ask(request)) {
        dialog.setResult(reply->result);
        return reply->result;
    }
    return dialog.exec();
}

std::optional<QString> OpenFileName(QWidget* parent, const QString& title, const QString& startName,
                                    const QString& filter, const QString& defaultSuffix) {
    return RunFileDialog(parent, Kind::OpenFile, title, startName, filter, defaultSuffix);
}

std::optional<QString> SaveFileName(QWidget* parent, const QString& title, const QString& startName,
                                    const QString& filter, const QString& defaultSuffix) {
    return RunFileDialog(parent, Kind::SaveFile, title, startName, filter, defaultSuffix);
}

std::optional<QString> InputText(QWidget* parent, const QString& caption, const QString& prompt,
                                 const QString& start) {
    Request request;
    request.kind = Kind::Input;
    request.caption = caption;
    request.text = prompt;
    request.value = start;
    if (auto reply = Ask(request)) {
        if (reply->result != QDialog::Accepted) return std::nullopt;
        return reply->value;
    }
    QInputDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(start);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

QStringList ToQtFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            if (p == QLatin1String("*.*")) // every file, also those without a dot
                p = QStringLiteral("*");
        }
        result << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                      QLatin1Char(')');
    }
    return result;
}

// ScriptedDialogs ----------------------------------------------------------------

ScriptedDialogs::ScriptedDialogs() : previous_(CurrentHook()) {
    SetHook([this](const Request& r) { return Respond(r); });
}

ScriptedDialogs::~ScriptedDialogs() {
    SetHook(previous_);
}

ScriptedDialogs& ScriptedDialogs::Answer(Reply reply) {
    answers_.push_back([reply](const Request&) { return reply; });
    return *this;
}

ScriptedDialogs& ScriptedDialogs::Answer(std::function<Reply(const Request&)> responder) {
    answers_.push_back(std::move(responder));
    return *this;
}

std::vector<Request> ScriptedDialogs::Asked(Kind kind) const {
    std::vector<Request> out;
    for (const Request& r : asked_)
        if (r.kind == kind) out.push_back(r);
    return out;
}

void ScriptedDialogs::Clear() {
    answers_.clear();
    asked_.clear();
    unexpected_.clear();
}

std::optional<Reply> ScriptedDialogs::Respond(const Request& request) {
    asked_.push_back(request);
    if (request.kind == Kind::Message) return Reply::Accept();
    if (answers_.empty()) {
        unexpected_.push_back(request);
        if (request.kind == Kind::Question) return Reply::Button(QMessageBox::Cancel);
        return Reply::Reject();
    }
    auto responder = std::move(answers_.front());
    answers_.pop_front();
    return responder(request);
}

} // namespace seam
