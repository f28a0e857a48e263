#pragma once
// Message box and input box behind one seam. Code asks Dialogs() and never
// the system directly, so a test can put scripted answers in place of the
// real boxes. Window-free; the real boxes live in dialogs_win32.cpp.
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorne::forms {

// Button sets, icons and answers of a message box, as numbers the callers
// compare.
enum MsgBoxStyle : int {
    vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4, vbRetryCancel = 5,
    vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64,
    vbDefaultButton2 = 256, vbDefaultButton3 = 512,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

class DialogService {
public:
    virtual ~DialogService() = default;
    // The answer to a message box of the given style.
    virtual int MsgBox(const std::string& prompt, int style, const std::string& title) = 0;
    // The text entered, or "" when the box was cancelled.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& default_text) = 0;
};

// The service in force: the real boxes unless a test has set another.
DialogService& Dialogs();
// Puts service in force (nullptr: the real boxes again); returns the one
// before. The caller keeps ownership.
DialogService* SetDialogs(DialogService* service);
// The real boxes (owner: the active window of the program).
DialogService& SystemDialogs();

// Scripted answers for tests: each box takes the next queued answer and is
// recorded. A box without a queued answer is a fault of the test: it is
// recorded and throws UnexpectedDialog, so nothing waits for a user.
class UnexpectedDialog : public std::logic_error {
public:
    explicit UnexpectedDialog(const std::string& prompt) : std::logic_error("unexpected dialog: " + prompt) {}
};

class ScriptedDialogs : public DialogService {
public:
    struct Asked {
        enum Kind { kMsgBox, kInputBox } kind;
        std::string prompt, title, default_text;
        int style = 0;
    };

    void QueueMsgBox(int answer) { msg_answers_.push_back(answer); }
    // std::nullopt answers as a cancelled box ("").
    void QueueInput(std::optional<std::string> answer) { input_answers_.push_back(std::move(answer)); }

    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& default_text) override;

    const std::vector<Asked>& Log() const { return log_; }
    size_t Pending() const { return msg_answers_.size() + input_answers_.size(); }

private:
    std::deque<int> msg_answers_;
    std::deque<std::optional<std::string>> input_answers_;
    std::vector<Asked> log_;
};

// Puts a service in force for a scope.
class ScopedDialogs {
public:
    explicit ScopedDialogs(DialogService& s) : before_(SetDialogs(&s)) {}
    ~ScopedDialogs() { SetDialogs(before_); }
    ScopedDialogs(const ScopedDialogs&) = delete;
    ScopedDialogs& operator=(const ScopedDialogs&) = delete;

private:
    DialogService* before_;
};

}  // namespace vorne::forms
