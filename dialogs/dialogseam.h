#pragma once
// Every modal interaction of the program goes through these functions: the
// Yes/No/Cancel message box, the message dialog, open and save file dialogs,
// input boxes, and exec() of the program's own modal dialogs (colour, font and
// printer dialogs are QDialogs too and go through RunDialog).
//
// Commands call them exactly where they would run the dialog; with no hook
// installed the real dialog runs. A test installs a hook (usually through
// ScriptedDialogs) that sees each request (what was asked, with which caption,
// text, starting value and filter) and answers it instead of the modal step;
// everything before and after that step is the real handler's code.
//
//   seam::ScriptedDialogs dialogs;           // installs itself, removes itself
//   dialogs.Answer(seam::Reply::Button(QMessageBox::Yes))
//          .Answer(seam::Reply::Accept("/tmp/new.txt"));
//   ...run the command...
//   EXPECT_EQ(dialogs.Asked(seam::Kind::Question).size(), 1u);
//
// Message requests (the one-button message dialog) need no scripted answer:
// ScriptedDialogs records them and closes them. Any other request with no
// answer left is recorded in Unexpected() and answered with Cancel/reject,
// so a test never blocks on a dialog.
#include <QMessageBox>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class QDialog;
class QWidget;

namespace seam {

enum class Kind {
    Question, // message box with buttons (the save prompts)
    Message,  // the program's message dialog (ShowMessageDialog)
    OpenFile, // open file dialog
    SaveFile, // save file dialog
    Input,    // input box: caption, prompt, starting text
    Dialog,   // exec() of any other modal dialog
};

struct Request {
    Kind kind = Kind::Dialog;
    QString caption;                      // window caption (file dialogs: title, may be empty)
    QString text;                         // question, message or prompt
    QString value;                        // input's starting text; file dialog's offered name
    QString filter;                       // file dialogs: "Name|patterns|Name|patterns"
    QString defaultSuffix;                // file dialogs: default extension, no dot
    QMessageBox::StandardButtons buttons; // Question
    QMessageBox::Icon icon = QMessageBox::NoIcon; // Question
    QDialog* dialog = nullptr;                    // Message, Dialog: the dialog that would run
};

struct Reply {
    // Question: the QMessageBox::StandardButton chosen. Others: QDialog::Accepted
    // or QDialog::Rejected (Dialog: whatever result code exec() would return).
    int result = 0;
    // OpenFile, SaveFile: the chosen file name; Input: the entered text.
    QString value;

    static Reply Button(QMessageBox::StandardButton button);
    static Reply Accept(const QString& value = {});
    static Reply Reject();
    static Reply Result(int code); // Dialog: a custom exec() result
};

// The hook answers a request, or returns std::nullopt to let the real dialog run.
using Hook = std::function<std::optional<Reply>(const Request&)>;
void SetHook(Hook hook); // an empty hook restores the real dialogs
Hook CurrentHook();
bool HasHook();

// The modal steps -------------------------------------------------------------

// Message box with the given buttons; the first of Yes/Ok is the default button,
// Esc and the close box give Cancel when it is offered.
QMessageBox::StandardButton Question(QWidget* parent, const QString& caption, const QString& text,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::Icon icon = QMessageBox::Warning);

// The program's message dialog, already filled with caption and text; runs it modally.
void ShowMessage(QDialog& dialog, const QString& caption, const QString& text);

// exec() of a modal dialog; returns its result code.
int RunDialog(QDialog& dialog);

// File dialogs. filter uses "Name|patterns|Name|patterns" ("*.htm;*.html" lists
// several patterns; "*.*" means every file). startName is the offered file name
// (its folder is where the dialog opens). An open dialog takes only existing
// files; a save dialog accepts new names and does not ask before overwriting.
// Both return std::nullopt when cancelled.
std::optional<QString> OpenFileName(QWidget* parent, const QString& title, const QString& startName,
                                    const QString& filter, const QString& defaultSuffix = {});
std::optional<QString> SaveFileName(QWidget* parent, const QString& title, const QString& startName,
                                    const QString& filter, const QString& defaultSuffix = {});

// Input box: caption, prompt, starting text; std::nullopt when cancelled.
std::optional<QString> InputText(QWidget* parent, const QString& caption, const QString& prompt,
                                 const QString& start);

// "Name|*.txt|All|*.*" as a Qt name filter list ("Name (*.txt)", "All (*)").
QStringList ToQtFilters(const QString& filter);

// Test helper -------------------------------------------------------------------

// Installs itself as the hook for its lifetime, records every request and
// answers from a queue. Answers are consumed in order by every request except
// Message, which is always closed without taking an answer.
class ScriptedDialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs();
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    ScriptedDialogs& Answer(Reply reply);
    // An answer computed from the request (for example to set up a dialog before "closing" it).
    ScriptedDialogs& Answer(std::function<Reply(const Request&)> responder);
    ScriptedDialogs& Yes() { return Answer(Reply::Button(QMessageBox::Yes)); }
    ScriptedDialogs& No() { return Answer(Reply::Button(QMessageBox::No)); }
    ScriptedDialogs& Cancel() { return Answer(Reply::Button(QMessageBox::Cancel)); }
    ScriptedDialogs& Accept(const QString& value = {}) { return Answer(Reply::Accept(value)); }
    ScriptedDialogs& Reject() { return Answer(Reply::Reject()); }

    const std::vector<Request>& Asked() const { return asked_; }
    std::vector<Request> Asked(Kind kind) const;
    // Requests that found no answer left (answered with Cancel / reject).
    const std::vector<Request>& Unexpected() const { return unexpected_; }
    size_t Pending() const { return answers_.size(); }
    void Clear();

private:
    std::optional<Reply> Respond(const Request& request);
    std::deque<std::function<Reply(const Request&)>> answers_;
    std::vector<Request> asked_;
    std::vector<Request> unexpected_;
    Hook previous_;
};

} // namespace seam
