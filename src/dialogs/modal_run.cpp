#include "dialogs/modal_run.h"

namespace {

ModalHook& Hook()
{
    static ModalHook hook;
    return hook;
}

} // namespace

void SetModalHook(ModalHook hook)
{
    Hook() = std::move(hook);
}

int RunModal(QDialog& dialog)
{
    if (!Hook())
        return dialog.exec();
    const int result = Hook()(dialog);
    dialog.setResult(result);
    return result;
}
