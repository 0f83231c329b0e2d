#pragma once

namespace kelvane {

// Gives every entry of the program's menus an accessible interface that says, besides
// what a menu entry always says, whether the entry can be checked: a screen reader
// then reads Commercial Rounding (a check box), the Fractions entries and the
// materials (radio buttons) as checked or not checked, rather than as plain commands.
// Installing it again changes nothing; it must be installed before the menus get
// their entries.
void installMenuEntryAccessible();

} // namespace kelvane
