#include "runtime/forms/dialogs.h"

namespace vorne::forms {

namespace {
DialogService* g_service = nullptr;
}

DialogService& Dialogs() { return g_service ? *g_service : SystemDialogs(); }

DialogService* SetDialogs(DialogService* service) {
    DialogService* before = g_service;
    g_service = service;
    return before;
}

int ScriptedDialogs::MsgBox(const std::string& prompt, int style, const std::string& title) {
    log_.push_back({Asked::kMsgBox, prompt, title, {}, style});
    if (msg_answers_.empty()) throw UnexpectedDialog(prompt);
    int answer = msg_answers_.front();
    msg_answers_.pop_front();
    return answer;
}

std::string ScriptedDialogs::InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& default_text) {
    log_.push_back({Asked::kInputBox, prompt, title, default_text, 0});
    if (input_answers_.empty()) throw UnexpectedDialog(prompt);
    auto answer = std::move(input_answers_.front());
    input_answers_.pop_front();
    return answer ? *answer : std::string();
}

}  // namespace vorne::forms

#ifndef _WIN32
namespace vorne::forms {
// Without a window system no box can be shown: every box is unexpected.
namespace {
class NoDialogs : public DialogService {
public:
    int MsgBox(const std::string& prompt, int, const std::string&) override { throw UnexpectedDialog(prompt); }
    std::string InputBox(const std::string& prompt, const std::string&, const std::string&) override {
        throw UnexpectedDialog(prompt);
    }
};
}  // namespace
DialogService& SystemDialogs() {
    static NoDialogs none;
    return none;
}
}  // namespace vorne::forms
#endif
