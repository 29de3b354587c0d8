#include "CAboutBox.h"

#include "resource.h"

CAboutBox::CAboutBox() : CDialog(IDD_ABOUT) {}

CAboutBox::~CAboutBox() = default;

const MessageMap& CAboutBox::messageMap()
{
    static const MessageMap map{&CDialog::messageMap(), {}};
    return map;
}

// The box shows only template text; there is nothing to exchange.
void CAboutBox::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}
