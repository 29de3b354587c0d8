// A window's big and small icons. Qt keeps one icon per window and picks the size it
// needs, so the window icon is made of the big icon's large images and the small one's
// 16-pixel image.
#include "Wnd.h"

#include <QIcon>
#include <QVariant>
#include <QWidget>

namespace {
constexpr const char* kBigIcon = "brevantBigIcon";
constexpr const char* kSmallIcon = "brevantSmallIcon";
constexpr int kSmallIconSize = 16;
}  // namespace

void CWnd::SetIcon(const QIcon& icon, bool bigIcon) {
    if (!m_hWnd) return;
    m_hWnd->setProperty(bigIcon ? kBigIcon : kSmallIcon, QVariant::fromValue(icon));
    const QIcon big = m_hWnd->property(kBigIcon).value<QIcon>();
    const QIcon small = m_hWnd->property(kSmallIcon).value<QIcon>();
    QIcon combined;
    for (const QSize& size : big.availableSizes())
        if (size.width() > kSmallIconSize) combined.addPixmap(big.pixmap(size));
    if (!small.isNull()) combined.addPixmap(small.pixmap(kSmallIconSize, kSmallIconSize));
    else if (!big.isNull()) combined.addPixmap(big.pixmap(kSmallIconSize, kSmallIconSize));
    m_hWnd->setWindowIcon(combined);
}

bool CWnd::IsIconic() const { return m_hWnd && m_hWnd->isMinimized(); }
