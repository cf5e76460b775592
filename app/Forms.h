#pragma once
/// Creating and destroying the program's forms.

namespace vemlo {

/// Gives the program its icon, then creates every form in the program's fixed
/// order, start menu first. The forms live until DestroyForms.
void CreateForms();
/// Deletes the forms, last created first.
void DestroyForms();

}  // namespace vemlo
