#pragma once

class QComboBox;

namespace ravelbook {

// Makes the combo box drop its list down below itself, a screenful at a time,
// instead of as a menu over itself. A menu-like popup measures the width and
// height of every entry each time it opens, which a book of 100,000 names
// turns into a quarter-second wait.
void dropDownAsList(QComboBox* box);

} // namespace ravelbook
