#include "DialogHost.h"

#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
struct HostState {
    CDialog* dialog;
    std::vector<HostStep> steps;
    size_t started = 0;
    bool over = false;
};

// A step left pending when the window ended early must not touch it once DoModal has returned.
void RunNextStep(const std::shared_ptr<HostState>& state)
{
    if (state->over || !state->dialog->IsRunning())
        return;
    if (state->started == state->steps.size()) {
        state->dialog->EndDialog(IDCANCEL);
        return;
    }
    state->steps[state->started++](state->dialog->Hwnd());
    RunSoon([state] { RunNextStep(state); }, 1);
}
} // namespace

INT_PTR HostDialog(CDialog& dialog, std::vector<HostStep> steps)
{
    auto state = std::make_shared<HostState>(HostState{&dialog, std::move(steps)});
    RunSoon([state] { RunNextStep(state); });
    const INT_PTR result = dialog.DoModal();
    state->over = true;
    if (state->started == 0)
        ADD_FAILURE() << "the window under test never ran its steps (DoModal returned " << result << ")";
    else if (state->started < state->steps.size())
        ADD_FAILURE() << "the window closed after step " << state->started << " of " << state->steps.size();
    return result;
}

INT_PTR HostDialog(CDialog& dialog, HostStep body)
{
    return HostDialog(dialog, std::vector<HostStep>{std::move(body)});
}
