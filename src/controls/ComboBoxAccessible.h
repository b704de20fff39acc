#pragma once
// Drop-downs keep the names the program gives them ("履歴 A", "マスク") whatever entry
// they show; the entry shown is their value. (Qt's own description names a drop-down
// by its current entry on this platform.) Call before a drop-down is first described;
// it applies to every drop-down of the program.

void InstallComboBoxAccessible();
