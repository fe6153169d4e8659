// The window's start-up, the language list and the language of the window's texts.
#include "ui/editor.h"

namespace ks::ui {

void Editor::Form_Load() {}

void Editor::cmbLang_Click() {}

void Editor::ApplyLanguage() {}

}  // namespace ks::ui
