// The text-field operations the field exchange needs, addressed by control id.
// A window layer supplies them; tests supply a table of strings.
#pragma once

#include <optional>
#include <string>

class DialogFields {
public:
    virtual ~DialogFields() = default;

    // Whether the dialog has a field with this control id.
    virtual bool hasField(int id) const = 0;
    // The field's text as 8-bit bytes; with a limit only the first `limit` characters.
    virtual std::string getFieldText(int id, std::optional<int> limit) const = 0;
    // Leaves the field untouched when the text has at most 255 characters and the
    // field already shows exactly that text; otherwise sets it.
    virtual void setFieldText(int id, const std::string& text) = 0;
    // Focus to the field, then select its whole text.
    virtual void focusAndSelectField(int id) = 0;
    // Stops typing and pasting past `limit` characters; text the program sets is not cut.
    virtual void limitFieldText(int id, int limit) = 0;
    // Modal box: the text, one "OK", the exclamation icon, the program's name as caption.
    // The caller (the exchange) handles the help-prompt context around it.
    virtual void showValidationMessage(const std::string& text, std::optional<unsigned> stringId) = 0;
};
