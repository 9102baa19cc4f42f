#include "window/application_look.h"

#include "desktop/application_icon.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace window {

void ApplyApplicationLook(QApplication& app)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    app.setFont(font);

    app.setWindowIcon(desktop::ApplicationIcon());
}

}  // namespace window
