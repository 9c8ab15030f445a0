#pragma once
// On Linux Qt names a combo box by the choice it shows, so that two showing the same choice
// sound alike to a screen reader. A combo box the Maker has named is named so, with its
// choice as its value.
namespace maker {

// Installs the Maker's accessibility for named combo boxes, once.
void nameComboBoxes();

}  // namespace maker
