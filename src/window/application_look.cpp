#include "window/application_look.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

// The resources live in this static library; the linker keeps them only when asked.
static void InitResources() { Q_INIT_RESOURCE(resources); }

namespace window {

void ApplyApplicationLook(QApplication& app)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    app.setFont(font);

    InitResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/icon32_mono.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/icon32_16.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/icon16_16.xpm"), QSize(16, 16));
    app.setWindowIcon(icon);
}

}  // namespace window
