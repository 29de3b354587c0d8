#include "DataExchange.h"

#include <new>

#include "Exception.h"
#include "HelpContext.h"
#include "NumberRule.h"
#include "StringTable.h"
#include "resource.h"

namespace {

// Thrown by Fail() to unwind the exchange list; only UpdateData catches it.
struct ExchangeStopped {};

// Keeps isExchanging() true for the length of the list, however it ends.
class ExchangeDepthGuard {
public:
    explicit ExchangeDepthGuard(int& depth) : m_depth(depth) { ++m_depth; }
    ~ExchangeDepthGuard() { --m_depth; }
    ExchangeDepthGuard(const ExchangeDepthGuard&) = delete;
    ExchangeDepthGuard& operator=(const ExchangeDepthGuard&) = delete;

private:
    int& m_depth;
};

}  // namespace

CNotSupportedException::CNotSupportedException(int controlId)
    : std::logic_error("no field with control id " + std::to_string(controlId)),
      m_controlId(controlId) {}

CDataExchange::CDataExchange(DialogFields& dialog, bool bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlg(&dialog) {}

int CDataExchange::PrepareEditCtrl(int controlId) {
    if (!m_pDlg->hasField(controlId)) throw CNotSupportedException(controlId);
    m_idLastControl = controlId;
    m_bEditLastControl = true;
    return controlId;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_idLastControl) m_pDlg->focusAndSelectField(*m_idLastControl);
    throw ExchangeStopped{};
}

void CDataExchange::FailWithMessage(const std::string& text, unsigned stringId) {
    {
        // The help key asks for this message's topic only while its box is open.
        ScopedHelpPromptContext context(helpPromptContextFor(stringId));
        m_pDlg->showValidationMessage(text, stringId);
    }
    Fail();
}

bool CDataExchangeHost::UpdateData(bool bSaveAndValidate) {
    std::string failure;
    try {
        CDataExchange dx(*this, bSaveAndValidate);
        ExchangeDepthGuard guard(m_exchangeDepth);
        DoDataExchange(&dx);
        return true;
    } catch (const ExchangeStopped&) {
        return false;   // the refusal has been shown already
    } catch (const std::bad_alloc&) {
        failure = AfxLoadString(AFX_IDP_FAILED_MEMORY_ALLOC);
    } catch (const CNotSupportedException&) {
        failure = AfxLoadString(AFX_IDP_INVALID_OPERATION);
    } catch (const CException& e) {
        // A framework exception with a text of its own (a file error) reports that text.
        if (!e.GetErrorMessage(failure)) failure = AfxLoadString(AFX_IDP_INTERNAL_FAILURE);
    } catch (...) {
        failure = AfxLoadString(AFX_IDP_INTERNAL_FAILURE);
    }
    // These reports carry no string id, so the help-prompt context stays as it is.
    showValidationMessage(failure, std::nullopt);
    return false;
}

void DDX_Text(CDataExchange* pDX, int controlId, std::string& value) {
    pDX->PrepareEditCtrl(controlId);
    if (pDX->m_bSaveAndValidate)
        value = pDX->m_pDlg->getFieldText(controlId, std::nullopt);
    else
        pDX->m_pDlg->setFieldText(controlId, value);
}

namespace {

// Take direction of the number kinds: the first 31 characters through the rule.
std::string numberFieldText(CDataExchange* pDX, int controlId) {
    return pDX->m_pDlg->getFieldText(controlId, kNumberTextLimit);
}

[[noreturn]] void refuse(CDataExchange* pDX, unsigned stringId) {
    pDX->FailWithMessage(AfxLoadString(stringId), stringId);
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int controlId, std::uint8_t& value) {
    pDX->PrepareEditCtrl(controlId);
    if (!pDX->m_bSaveAndValidate) {
        pDX->m_pDlg->setFieldText(controlId, formatUnsignedNumber(value));
        return;
    }
    const auto number = parseUnsignedNumber(numberFieldText(pDX, controlId));
    if (!number || *number > 255) refuse(pDX, AFX_IDP_PARSE_BYTE);
    value = static_cast<std::uint8_t>(*number);
}

void DDX_Text(CDataExchange* pDX, int controlId, std::uint32_t& value) {
    pDX->PrepareEditCtrl(controlId);
    if (!pDX->m_bSaveAndValidate) {
        pDX->m_pDlg->setFieldText(controlId, formatUnsignedNumber(value));
        return;
    }
    const auto number = parseUnsignedNumber(numberFieldText(pDX, controlId));
    if (!number) refuse(pDX, AFX_IDP_PARSE_UINT);
    value = *number;
}

void DDX_Text(CDataExchange* pDX, int controlId, std::int32_t& value) {
    pDX->PrepareEditCtrl(controlId);
    if (!pDX->m_bSaveAndValidate) {
        pDX->m_pDlg->setFieldText(controlId, formatSignedNumber(value));
        return;
    }
    const auto number = parseSignedNumber(numberFieldText(pDX, controlId));
    if (!number) refuse(pDX, AFX_IDP_PARSE_INT);
    value = *number;
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars) {
    if (pDX->m_bSaveAndValidate && static_cast<long long>(value.size()) > maxChars) {
        const std::string text =
            AfxFormatString1(AFX_IDP_PARSE_STRING_SIZE, formatSignedNumber(maxChars));
        pDX->FailWithMessage(text, AFX_IDP_PARSE_STRING_SIZE);
    }
    if (pDX->m_bEditLastControl && pDX->m_idLastControl)
        pDX->m_pDlg->limitFieldText(*pDX->m_idLastControl, maxChars);
}
