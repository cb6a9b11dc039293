#pragma once
// Every modal dialog the dialogs open (choosers, the phonics dialog, the font
// and colour dialogs) runs through RunModal, so tests can answer it without a
// blocking message loop: the hook gets the dialog (not shown) and returns the
// result the dialog would have closed with.
#include <QDialog>
#include <functional>

using ModalHook = std::function<int(QDialog&)>;

// Pass an empty function to restore the real modal loop.
void SetModalHook(ModalHook hook);

// dialog.exec(), or the hook's answer when one is installed; the dialog's
// result() holds the answer afterwards in both cases.
int RunModal(QDialog& dialog);
