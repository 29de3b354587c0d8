// The editor's field-exchange list over its state.
#pragma once

class CDataExchange;
struct EditorState;

// Runs the editor's exchange steps, in their fixed order, over `state`.
void exchangeEditorState(CDataExchange* pDX, EditorState& state);
