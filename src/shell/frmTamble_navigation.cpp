#include "shell/frmTamble.h"

// The menu bar and the quick-link buttons.
void frmTamble::buildNavigation() {}
