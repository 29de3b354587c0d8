#include "EditorExchange.h"

#include "EditorState.h"

void exchangeEditorState(CDataExchange*, EditorState&) {}
