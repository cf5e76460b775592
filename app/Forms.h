#pragma once
/// Creating and destroying the program's forms.

#include <vector>

class QWidget;

namespace vemlo {

/// Gives the program its icon, then creates every form in the program's fixed
/// order, start menu first. The forms live until DestroyForms.
void CreateForms();
/// The forms in the order they were created.
const std::vector<QWidget*>& CreatedForms();
/// Deletes the forms, last created first.
void DestroyForms();

}  // namespace vemlo
