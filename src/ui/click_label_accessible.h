#pragma once

// Screen readers learn what each label that acts as a control is: a button, check box, option
// button, tab or link, with its name in the current language and its checked state.
namespace quorvant {

// Registers the accessible description of such labels with Qt, once per program.
void InstallAccessibleClickLabels();

}  // namespace quorvant
