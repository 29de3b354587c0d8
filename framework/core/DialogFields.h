// The text-field operations the field exchange needs, addressed by control id.
// A window layer supplies them; tests supply a table of strings.
//
// Texts are bytes: the title field's in the 8-bit code page (CodePage.h converts to and
// from the window's Unicode), the path fields' in the file-system encoding (UTF-8), the
// number fields' plain ASCII. A "character" is one code-page byte; for the paths, one
// Unicode character.
#pragma once

#include <optional>
#include <string>

class DialogFields {
public:
    virtual ~DialogFields() = default;

    // Whether the dialog has a field with this control id. The exchange asks before any
    // other operation on that id and never calls the others for an id without a field.
    virtual bool hasField(int id) const = 0;
    // The field's text; with a limit only its first `limit` characters (the rest is not
    // looked at). The number fields are read with the limit 31, text fields without one.
    virtual std::string getFieldText(int id, std::optional<int> limit) const = 0;
    // Afterwards the field shows exactly `text`. Leaves the field untouched (caret and
    // selection stay) when the text has at most 255 characters and the field already
    // shows exactly that text; a longer text is always set again. Never cut by the limit.
    virtual void setFieldText(int id, const std::string& text) = 0;
    // Focus to the field, then select its whole text.
    virtual void focusAndSelectField(int id) = 0;
    // Stops typing and pasting past `limit` characters; text the program sets is not cut.
    virtual void limitFieldText(int id, int limit) = 0;
    // Modal box owned by the dialog: the text, one "OK", the exclamation icon, the program's
    // name as caption; returns when the user closes it. The exchange itself sets the
    // help-prompt context (HelpContext.h) around the call when there is a string id, so
    // an implementation only shows the box.
    virtual void showValidationMessage(const std::string& text, std::optional<unsigned> stringId) = 0;
};
