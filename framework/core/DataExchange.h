// The field exchange: the context passed through a dialog's exchange list, the host
// that runs the list (UpdateData), and the step routines DDX_Text and DDV_MaxChars.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "DialogFields.h"

// Raised when a step names a control id that the dialog has no field for.
class CNotSupportedException : public std::logic_error {
public:
    explicit CNotSupportedException(int controlId);
    int controlId() const { return m_controlId; }

private:
    int m_controlId;
};

// Made afresh by each UpdateData call and handed to every step.
class CDataExchange {
public:
    CDataExchange(DialogFields& dialog, bool bSaveAndValidate);

    // Finds the field (CNotSupportedException when there is none), makes it the last
    // field and marks it as a text field. Returns the id.
    int PrepareEditCtrl(int controlId);

    // In the take direction focuses and selects the last field, if any; then stops the
    // exchange. UpdateData catches the stop and returns false without a further message.
    [[noreturn]] void Fail();

    // Shows a refusal (with its string id, so the help-prompt context follows it while
    // the box is open), then Fail().
    [[noreturn]] void FailWithMessage(const std::string& text, unsigned stringId);

    const bool m_bSaveAndValidate;         // true: take the fields; false: show the state
    DialogFields* const m_pDlg;            // the dialog whose fields are exchanged
    std::optional<int> m_idLastControl;    // the field the most recent step prepared
    bool m_bEditLastControl = false;       // whether that field is a text field
};

// A dialog that exchanges its fields: supplies the DialogFields operations and the list.
class CDataExchangeHost : public DialogFields {
public:
    // true: take the fields' text into the state with validation; false: show the state.
    // Returns false after a refusal or another failure, both already reported to the user.
    // Other failures are shown without a string id and move no focus: "Out of memory.",
    // "An unsupported operation was attempted." for a missing field, a CException's own
    // text, or else "Internal application error.".
    bool UpdateData(bool bSaveAndValidate = true);

    // True while UpdateData runs: field notifications raised meanwhile (text set by a show)
    // must reach none of the dialog's handlers.
    bool isExchanging() const { return m_exchangeDepth > 0; }

protected:
    virtual void DoDataExchange(CDataExchange* pDX) = 0;

private:
    int m_exchangeDepth = 0;
};

// Text fields: the value shown as it is; taken whole, untested.
void DDX_Text(CDataExchange* pDX, int controlId, std::string& value);
// Numbers: shown in decimal; taken from the first 31 characters by the number rules.
// Refusals: "Please enter an integer between 0 and 255." (also above 255),
// "Please enter a positive integer.", "Please enter an integer.".
void DDX_Text(CDataExchange* pDX, int controlId, std::uint8_t& value);
void DDX_Text(CDataExchange* pDX, int controlId, std::uint32_t& value);
void DDX_Text(CDataExchange* pDX, int controlId, std::int32_t& value);

// Length rule on the last field prepared: a taken value longer than `maxChars` is refused
// with "Please enter no more than %1 characters."; otherwise the last text field gets the
// input limit `maxChars`.
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars);
