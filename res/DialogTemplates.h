// The program's dialog templates, one accessor per template.
#pragma once

#include "DialogTemplate.h"

const DialogTemplate& editorDialogTemplate();
const DialogTemplate& aboutBoxTemplate();
