// Finds a dialog template by its resource id.
#include "DialogTemplates.h"

const DialogTemplate* findDialogTemplate(int id)
{
    for (const DialogTemplate* t : {&editorDialogTemplate(), &aboutBoxTemplate()}) {
        if (t->id == id)
            return t;
    }
    return nullptr;
}
