#include "desktop/application_icon.h"

#include <QIcon>

// The resources live in this static library; the linker keeps them only when asked.
static void InitResources() { Q_INIT_RESOURCE(resources); }

namespace desktop {

QIcon ApplicationIcon()
{
    InitResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/icon32_mono.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/icon32_16.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/icon16_16.xpm"), QSize(16, 16));
    return icon;
}

}  // namespace desktop
